#pragma once
// Paints the grid and the day numbers of one month box of the twelve-month view: two-letter
// weekday heads, ruled cells, and the day numbers with today's cell filled in the colour of the
// "Today's Date" category.
#include <array>
#include <string>

namespace orvelle {

struct Store;
class PictureBox;

class YearGridPainter {
public:
    explicit YearGridPainter(const Store& s);
    void DrawHeadsAndRules(PictureBox& box) const;
    // The dates of month index `month` (0-11) from this year's date grid.
    void DrawDayNumbers(PictureBox& box, int month) const;

private:
    // Text widths in grid units, the same in every box of the view: measured once.
    double HeadWidth(PictureBox& box, int column) const;
    double NumberWidth(PictureBox& box, int day) const;

    const Store& s_;
    mutable std::array<double, 7> headWidths_{};
    mutable std::array<double, 32> numberWidths_{};
};

// "January, 2009": the month of the grid's cell (month, column 3, row 3), which holds a date in
// every month.
std::string MonthButtonCaption(const Store& s, int month);

} // namespace orvelle
