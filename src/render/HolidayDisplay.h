#pragma once
// Holidays painted over the calendar grids in the colour of the holiday category, from the
// lists the holiday readers filled. Nothing is painted once the year's holiday file is gone.
// Each holiday goes only into a box of its own year and month; a holiday without a cell in
// that year (a hand-edited line) is left out and the others are still painted.
namespace orvelle {

struct Store;
struct CalendarSurfaces;

// This year's holidays (the shown year, gThisYear) on the open view.
void DisplayThisYearsHolidays(Store& s, const CalendarSurfaces& v);
// Next year's holidays (gThisYear + 1) on the six-month view's boxes of that year.
void DisplayNextYearsHolidays(Store& s, const CalendarSurfaces& v);

} // namespace orvelle
