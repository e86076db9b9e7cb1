#include "render/SixMonthLayout.h"

#include "render/CalendarSurfaces.h"

namespace orvelle {

SixMonthLayout LayOutSixMonths(Date selected) {
    SixMonthLayout l;
    Ymd start = SplitDate(selected);
    for (int k = 0; k < 6; ++k) {
        Ymd first = SplitDate(DateSerial(start.year, start.month + k, 1));
        SixMonthBox& b = l.boxes[k];
        b.year = first.year;
        b.month = first.month;
        b.tag = SixMonthTag(first.year, first.month, k);
        b.caption = MonthName(first.month) + ", " + std::to_string(first.year);

        Date d = DateSerial(first.year, first.month, 1);
        int column = Weekday(d) - 1, row = 0;
        for (int day = 1; day <= DaysInMonth(first.year, first.month); ++day, ++d) {
            l.days.push_back({k, d, day, column, row});
            if (++column > 6) {
                column = 0;
                ++row;
            }
        }
    }
    int lastYear = l.boxes[5].year;
    l.spansNextYear = lastYear != start.year;
    l.spannedYear = l.spansNextYear ? lastYear : 0;
    return l;
}

} // namespace orvelle
