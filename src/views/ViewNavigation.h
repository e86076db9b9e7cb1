#pragma once
// Where Next and Prev take each calendar view. Every step starts from the selected date and
// lands on the first day of the target month; the day selected before is not kept.
#include "store/Dates.h"

namespace orvelle {

// One-month view: the month after (direction +1) or before (-1) the selected date's month.
Date StepOneMonth(Date selected, int direction);
// Six-month view: six months on or back, crossing the year end as needed.
Date StepSixMonths(Date selected, int direction);
// Twelve-month view: 1 January of the shown year plus or minus one.
Date StepOneYear(int shownYear, int direction);

} // namespace orvelle
