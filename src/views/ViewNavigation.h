#pragma once
// Where Next and Prev take each calendar view. Every step starts from the selected date and
// lands on the first day of the target month; the day selected before is not kept. A step whose
// view would reach outside the years 100 to 9999 that dates can take is refused (nullopt).
#include "store/Dates.h"

#include <optional>

namespace orvelle {

// Whether the view of code 1, 6 or 12 drawn for `selected` shows only years 100 to 9999: a
// six-month view from August 9999 on would run into the year 10000.
bool ViewFitsCalendar(int view, Date selected);

// One-month view: the month after (direction +1) or before (-1) the selected date's month.
std::optional<Date> StepOneMonth(Date selected, int direction);
// Six-month view: six months on or back, crossing the year end as needed.
std::optional<Date> StepSixMonths(Date selected, int direction);
// Twelve-month view: 1 January of the shown year plus or minus one.
std::optional<Date> StepOneYear(int shownYear, int direction);

} // namespace orvelle
