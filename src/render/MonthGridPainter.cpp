#include "render/MonthGridPainter.h"

#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "render/DayCellPaint.h"
#include "store/Store.h"

namespace orvelle {

VbColor MonthDayNumberColor(const Store& s, bool templateMode, Date drawn, int day) {
    if (templateMode) {
        if (day == 29 || day == 30) return kTemplateDroppedDayColor;
        if (day == 31) return kTemplateLastDayColor;
        return kVbBlack;
    }
    Ymd today = SplitDate(s.view.gToday);
    if (YearOf(drawn) == today.year && MonthOf(drawn) == today.month && day == today.day)
        return s.flags.gHighlightToday ? s.markers.gMarkerColors[kTodayCategory] : kVbBlack;
    return kVbBlack;
}

std::string MonthTitle(Date drawn, bool templateMode) {
    if (templateMode) return "Monthly Template";
    return MonthName(MonthOf(drawn)) + ", " + std::to_string(YearOf(drawn));
}

MonthGridPainter::MonthGridPainter(Store& s, PictureBox& box) : s_(s), box_(box) {}

void MonthGridPainter::DrawTitleHeadsAndRules(Date drawn, bool templateMode) {
    QString title = FromCp1252(MonthTitle(drawn, templateMode));
    box_.SetFontSize(10);
    box_.SetCurrentX(box_.ScaleWidth() / 2 - box_.TextWidth(title) / 2);
    box_.SetCurrentY(0.1);
    box_.Print(title);
    for (int c = 0; c < 7; ++c) {
        if (!templateMode) {
            QString name = FromCp1252(s_.view.gDayNames[c]);
            box_.SetCurrentX(c + 0.5 - box_.TextWidth(name) / 2);
            box_.SetCurrentY(0.475);
            box_.Print(name);
        }
        if (c > 0) box_.Line(c, 0.375, c, box_.ScaleHeight(), kVbBlack);
    }
    box_.Line(0, 0.375, box_.ScaleWidth(), 0.3755, kVbBlack);
    for (int r = 0; r < 6; ++r) box_.Line(0, 0.75 + r, box_.ScaleWidth(), 0.75 + r, kVbBlack);
}

void MonthGridPainter::DrawDayNumbers(Date drawn, bool templateMode) {
    DateModel& w = s_.dates;
    Ymd d = SplitDate(drawn);
    w.gWalkDate = DateSerial(d.year, d.month, 1);
    w.gWeekCol = Weekday(w.gWalkDate);
    w.gWeekRow = 1;
    // Only the numbers are drawn here: the shown year's grid already holds the selected month,
    // and the template's January must never overwrite it (the icons find January's cells
    // through IconMonthCells).
    for (int day = 1; day <= 31 && MonthOf(w.gWalkDate) == d.month; ++day) {
        VbColor color = MonthDayNumberColor(s_, templateMode, drawn, day);
        PaintMonthDayNumber(box_, w.gWeekCol - 1, w.gWeekRow - 1, color, day, s_.view.gShowNumbersOffset);
        if (++w.gWeekCol > 7) {
            w.gWeekCol = 1;
            ++w.gWeekRow;
        }
        ++w.gWalkDate;
    }
}

} // namespace orvelle
