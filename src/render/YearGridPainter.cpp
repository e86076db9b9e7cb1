#include "render/YearGridPainter.h"

#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "store/Store.h"

#include <vector>

namespace orvelle {

YearGridPainter::YearGridPainter(const Store& s) : s_(s) {
    headWidths_.fill(-1);
    numberWidths_.fill(-1);
}

double YearGridPainter::HeadWidth(PictureBox& box, int column) const {
    double& w = headWidths_[column];
    if (w < 0) w = box.TextWidth(FromCp1252(s_.view.gDayNames[column].substr(0, 2)));
    return w;
}

double YearGridPainter::NumberWidth(PictureBox& box, int day) const {
    double& w = numberWidths_[day];
    if (w < 0) w = box.TextWidth(QString::number(day));
    return w;
}

void YearGridPainter::DrawHeadsAndRules(PictureBox& box) const {
    box.SetForeColor(kVbBlack);
    for (int c = 0; c < 7; ++c) {
        QString head = FromCp1252(s_.view.gDayNames[c].substr(0, 2));
        box.SetCurrentX(c + 0.5 - HeadWidth(box, c) / 2);
        box.SetCurrentY(0);
        box.Print(head);
        if (c > 0) box.Line(c, 0, c, box.ScaleHeight(), kVbBlack);
    }
    box.Line(0, 0.75, box.ScaleWidth(), 0.75, kVbBlack);
    for (double y = 1.75; y < 6.0; y += 1.0) box.Line(0, y, box.ScaleWidth(), y, kVbBlack);
}

void YearGridPainter::DrawDayNumbers(PictureBox& box, int month) const {
    const auto& grid = s_.dates.gThisYearsDateHolders;
    Date today = s_.view.gToday;
    // Today's key, when today lies in the drawn year.
    std::string todayKey = YearOf(today) == s_.view.gThisYear ? FormatMmDdYy(today) : std::string();
    VbColor todayFill = s_.markers.gMarkerColors[kTodayCategory];
    // The numbers go onto the box together; today's fill goes under its number, drawn in the
    // same order as cell by cell.
    std::vector<Canvas::PlacedText> numbers;
    VbColor color = box.ForeColor();
    for (int c = 0; c < 7; ++c) {
        for (int r = 0; r < 6; ++r) {
            const std::string& cell = grid[month][c][r];
            if (IsBlankDateCell(cell) || cell.size() < 5) continue;
            int day = (cell[3] - '0') * 10 + (cell[4] - '0');
            if (day < 1 || day > 31) continue;
            if (!todayKey.empty() && cell == todayKey) {
                if (s_.flags.gHighlightToday) {
                    box.PrintEach(numbers);
                    numbers.clear();
                    box.FilledBox(c + 0.1, r + 0.85, c + 0.9, r + 1.65, todayFill);
                    color = s_.markers.gMarkTextColor;
                }
            } else {
                color = kVbBlack;
            }
            numbers.push_back({c + 0.5 - NumberWidth(box, day) / 2, static_cast<double>(r + 1), QString::number(day), color});
        }
    }
    box.PrintEach(numbers);
    box.SetForeColor(kVbBlack);
}

std::string MonthButtonCaption(const Store& s, int month) {
    const std::string& cell = s.dates.gThisYearsDateHolders[month][3][3];
    int year = s.dates.thisYearsGridYear;
    auto d = IsBlankDateCell(cell) ? std::nullopt : ParseMmDdYy(cell, year);
    if (!d) return {};
    return MonthName(MonthOf(*d)) + ", " + std::to_string(YearOf(*d));
}

} // namespace orvelle
