#pragma once
// The painted layers (holidays, birthdays, marks) on whichever calendar views the main window
// has loaded, and the clearing of the child area before a view is drawn into it.
namespace orvelle {

struct Store;
struct CalendarSurfaces;
class MainShell;

// The boxes of whichever view windows are loaded; null where a window is not.
CalendarSurfaces SurfacesOf(const MainShell& m);

void DisplayThisYearsHolidays(Store& s, MainShell& m);
void DisplayNextYearsHolidays(Store& s, MainShell& m);
void ReadAndMarkBirthdays(Store& s, MainShell& m);
void ReadAndMarkNextYearsBirthdays(Store& s, MainShell& m);
void ReadAndDisplayThisYearsMarks(Store& s, MainShell& m);
void ReadAndDisplayNextYearsMarks(Store& s, MainShell& m);
void ReDrawDateMarks(Store& s, MainShell& m);
void ReDraw6MonthDateMarks(Store& s, MainShell& m);
void ReDraw1MonthDateMarks(Store& s, MainShell& m);

// Closes the planner and notes windows: a calendar view fills the child area alone. False when
// one of them refused to close (Cancel at its question); the view is then not drawn, so nothing
// is drawn over a page or note that stays.
bool ClearChildAreaForView(Store& s);

} // namespace orvelle
