#pragma once
// Date marks on the calendars. On the twelve- and six-month views a mark is a box filled in the
// exact colour of its category with the day number over it in the contrasting colour (the
// views' hover recognises the mark by that colour); on the one-month view it is the day number
// printed in the category colour. A mark of a hidden category paints a plain cell, or the
// holiday or birthday colour when one of those falls on the date.
namespace orvelle {

struct Store;
struct CalendarSurfaces;

// Reads the shown year's marks file into its grids and paints every mark on the open view.
void ReadAndDisplayThisYearsMarks(Store& s, const CalendarSurfaces& v);
// The same for the year after the shown one, painted on the six-month boxes of that year.
void ReadAndDisplayNextYearsMarks(Store& s, const CalendarSurfaces& v);

// Repaint the current cell after a mark command changed it: marked in its colour, unmarked as a
// plain cell (a white box on the twelve- and six-month views, a black number on the one-month).
// The six-month repaint uses the box gSixMonthPanelIndex and next year's grids when
// gSixMonthPanelIsNextYear is set.
void ReDrawDateMarks(Store& s, const CalendarSurfaces& v);
void ReDraw6MonthDateMarks(Store& s, const CalendarSurfaces& v);
void ReDraw1MonthDateMarks(Store& s, const CalendarSurfaces& v);

} // namespace orvelle
