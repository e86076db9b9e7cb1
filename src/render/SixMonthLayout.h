#pragma once
// Where the days of a six-month view go: six consecutive months from the selected date's month,
// running into the next year from an August start on; each day in the column of its weekday,
// its week row advancing after every Saturday and starting again at row 0 in each month.
#include "store/Dates.h"

#include <array>
#include <string>
#include <vector>

namespace orvelle {

struct SixMonthBox {
    int year = 0;
    int month = 0;       // 1-12
    std::string tag;     // "2010015"
    std::string caption; // "January, 2010"
};

struct SixMonthDay {
    int box = 0;
    Date date = 0;
    int day = 0;
    int column = 0; // 0-6, Sunday = 0
    int row = 0;    // 0-5
};

struct SixMonthLayout {
    std::array<SixMonthBox, 6> boxes;
    std::vector<SixMonthDay> days; // in date order
    bool spansNextYear = false;
    int spannedYear = 0; // the year after the selected date's, when spanned
};

SixMonthLayout LayOutSixMonths(Date selected);

} // namespace orvelle
