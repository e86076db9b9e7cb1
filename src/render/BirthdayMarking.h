#pragma once
// Birthdays marked on the calendars in the colour of the birthday category. Each birthday of the
// list in memory is located in a year's date grid, which flags its cell and gives it that
// cell's stamp (empty when the year has no such day, as 29 February in a common year); the
// hover texts, the month's labels and the printed month find a cell's birthdays through them.
// A birthday without a cell is left out and the others are still painted.
#include "store/Birthdays.h"
#include "store/DateModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvelle {

struct Store;
struct CalendarSurfaces;

// Clears `flags`, sets -1 in every cell where a birthday falls and returns one "MMCCRR" stamp per
// birthday, in list order.
std::vector<std::string> LocateBirthdays(const YearGrid<std::string>& grid, const std::vector<BirthdayRecord>& birthdays,
                                         YearGrid<std::int16_t>& flags);

// The shown year's grid, flags and stamps; painted on the open view.
void ReadAndMarkBirthdays(Store& s, const CalendarSurfaces& v);
// Next year's grid, flags and stamps; painted on the six-month view's boxes of that year.
void ReadAndMarkNextYearsBirthdays(Store& s, const CalendarSurfaces& v);

} // namespace orvelle
