#pragma once
// The three calendar drawings. Each loads its view window when needed, draws the period of the
// selected date from the data and brings the main window's buttons, menus and caption in line.
#include <string>

namespace orvelle {

struct Store;
class MainShell;

// Twelve months of the selected date's year, today highlighted, holidays, birthdays and marks.
void Show1YearCalendar(Store& s, MainShell& m);
// Six months from the selected date's month, running into the next year from August on.
void Show6MonthCalendar(Store& s, MainShell& m);
// The selected date's month (the monthly template while template mode is on).
void Show1MonthCalendar(Store& s, MainShell& m);
// Whichever of the three is shown (gCalendarView 1, 6 or 12), drawn again for the period it
// shows, whatever date a note has selected since; the selected date stays. Nothing while the
// planner is up.
void RedrawCurrentView(Store& s, MainShell& m);
// The twelve months of `year` (the selected date's year when 0); the selected date stays.
void Show1YearCalendarOf(Store& s, MainShell& m, int year);

// The caption over the twelve- and six-month views: "Orvelle: 2009 Calendar".
std::string YearCaption(int year);

} // namespace orvelle
