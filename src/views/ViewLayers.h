#pragma once
// The painted layers (holidays, birthdays, marks) on whichever calendar views the main window
// has loaded, and the clearing of the child area before a view is drawn into it.
namespace orvelle {

struct Store;
struct CalendarSurfaces;
class frmMain;

// The boxes of whichever view windows are loaded; null where a window is not.
CalendarSurfaces SurfacesOf(const frmMain& m);

void DisplayThisYearsHolidays(Store& s, frmMain& m);
void DisplayNextYearsHolidays(Store& s, frmMain& m);
void ReadAndMarkBirthdays(Store& s, frmMain& m);
void ReadAndMarkNextYearsBirthdays(Store& s, frmMain& m);
void ReadAndDisplayThisYearsMarks(Store& s, frmMain& m);
void ReadAndDisplayNextYearsMarks(Store& s, frmMain& m);
void ReDrawDateMarks(Store& s, frmMain& m);
void ReDraw6MonthDateMarks(Store& s, frmMain& m);
void ReDraw1MonthDateMarks(Store& s, frmMain& m);

// Closes the planner and notes windows and hides the page scroll bar: a calendar view fills
// the child area alone.
void ClearChildAreaForView(Store& s, frmMain& m);

} // namespace orvelle
