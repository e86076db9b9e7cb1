#include "render/MarkPainting.h"

#include "platform/PictureBox.h"
#include "render/CalendarSurfaces.h"
#include "render/DayCellPaint.h"
#include "render/ViewDrawing.h"
#include "store/Marks.h"
#include "store/Store.h"

#include <vector>

namespace orvelle {
namespace {

void PaintMarks(Store& s, const CalendarSurfaces& v, int year, const std::vector<MarkPaint>& paints) {
    // The template's cells are no dates of the year.
    if (s.flags.gTemplateMode) return;
    for (const MarkPaint& p : paints) {
        for (PictureBox* box : BoxesShowing(s, v, year, p.cell.month)) {
            if (s.flags.gCalendarView == 1) {
                // A hidden mark's paint colour is 0: a black number.
                PaintMonthDayNumber(*box, p.cell.column, p.cell.row, p.paintColor, p.day, s.view.gShowNumbersOffset);
            } else if (p.paintColor == 0) {
                PaintDayBox(*box, p.cell.column, p.cell.row, kVbWhite, kVbBlack, p.day);
            } else {
                PaintDayBox(*box, p.cell.column, p.cell.row, p.paintColor, p.textColor, p.day);
            }
        }
    }
}

bool CurrentCellInGrid(const Store& s) {
    const DateModel& d = s.dates;
    return d.gCurrentCellMonth >= 0 && d.gCurrentCellMonth < 12 && d.gCurrentCellColumn >= 0 &&
           d.gCurrentCellColumn < 7 && d.gCurrentCellRow >= 0 && d.gCurrentCellRow < 6;
}

// The current cell as a box view shows it: the mark's colour with its contrast, or a white box.
void RepaintBoxCell(Store& s, PictureBox& box, Marks& marks, bool nextYear) {
    const DateModel& d = s.dates;
    int mo = d.gCurrentCellMonth, c = d.gCurrentCellColumn, r = d.gCurrentCellRow;
    auto& flags = nextYear ? marks.gNextYearsMarkFlags : marks.gThisYearsMarkFlags;
    auto& colors = nextYear ? marks.gNextYearsMarkColors : marks.gThisYearsMarkColors;
    int day = DayOf(d.gSelectedDate);
    if (flags[mo][c][r] != 0) {
        GetMarkTextColor(s, colors[mo][c][r]);
        PaintDayBox(box, c, r, colors[mo][c][r], s.markers.gMarkTextColor, day);
    } else {
        PaintDayBox(box, c, r, kVbWhite, kVbBlack, day);
    }
}

} // namespace

void ReadAndDisplayThisYearsMarks(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReadAndDisplayThisYearsMarks", [&] {
        std::vector<MarkPaint> paints = ReadThisYearsMarks(s);
        PaintMarks(s, v, s.view.gThisYear, paints);
    });
}

void ReadAndDisplayNextYearsMarks(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReadAndDisplayNextYearsMarks", [&] {
        std::vector<MarkPaint> paints = ReadNextYearsMarks(s);
        // Next year's months are shown only by the six-month view's boxes of that year.
        PaintMarks(s, v, s.view.gThisYear + 1, paints);
    });
}

void ReDrawDateMarks(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReDrawDateMarks", [&] {
        if (!CurrentCellInGrid(s)) return;
        for (PictureBox* box : BoxesShowing(s, v, s.view.gThisYear, s.dates.gCurrentCellMonth))
            RepaintBoxCell(s, *box, s.marks, false);
    });
}

void ReDraw6MonthDateMarks(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReDraw6MonthDateMarks", [&] {
        int k = s.view.gSixMonthPanelIndex;
        if (!CurrentCellInGrid(s) || k < 0 || k > 5 || !v.sixMonths[k]) return;
        RepaintBoxCell(s, *v.sixMonths[k], s.marks, s.view.gSixMonthPanelIsNextYear != 0);
    });
}

void ReDraw1MonthDateMarks(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReDraw1MonthDateMarks", [&] {
        if (!CurrentCellInGrid(s)) return;
        const DateModel& d = s.dates;
        int mo = d.gCurrentCellMonth, c = d.gCurrentCellColumn, r = d.gCurrentCellRow;
        VbColor color = s.marks.gThisYearsMarkFlags[mo][c][r] != 0 ? s.marks.gThisYearsMarkColors[mo][c][r] : kVbBlack;
        // Only on the month on show: a date of another month has no cell there. Printed where
        // the view prints its numbers, also with numbers offset.
        for (PictureBox* box : BoxesShowing(s, v, s.view.gThisYear, mo))
            PaintMonthDayNumber(*box, c, r, color, DayOf(d.gSelectedDate), s.view.gShowNumbersOffset);
    });
}

} // namespace orvelle
