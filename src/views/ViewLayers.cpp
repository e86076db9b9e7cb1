#include "views/ViewLayers.h"

#include "views/MainShell.h"
#include "render/BirthdayMarking.h"
#include "render/CalendarSurfaces.h"
#include "render/HolidayDisplay.h"
#include "render/MarkPainting.h"
#include "store/Store.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

namespace orvelle {

CalendarSurfaces SurfacesOf(const MainShell& m) {
    CalendarSurfaces v;
    if (frmMonth* w = m.monthView()) v.month = w->picMonth;
    if (frm6Months* w = m.sixMonthView()) v.sixMonths = w->picMonth;
    if (frmYear* w = m.yearView()) v.year = w->picMonth;
    return v;
}

void DisplayThisYearsHolidays(Store& s, MainShell& m) { DisplayThisYearsHolidays(s, SurfacesOf(m)); }
void DisplayNextYearsHolidays(Store& s, MainShell& m) { DisplayNextYearsHolidays(s, SurfacesOf(m)); }
void ReadAndMarkBirthdays(Store& s, MainShell& m) { ReadAndMarkBirthdays(s, SurfacesOf(m)); }
void ReadAndMarkNextYearsBirthdays(Store& s, MainShell& m) { ReadAndMarkNextYearsBirthdays(s, SurfacesOf(m)); }
void ReadAndDisplayThisYearsMarks(Store& s, MainShell& m) { ReadAndDisplayThisYearsMarks(s, SurfacesOf(m)); }
void ReadAndDisplayNextYearsMarks(Store& s, MainShell& m) { ReadAndDisplayNextYearsMarks(s, SurfacesOf(m)); }
void ReDrawDateMarks(Store& s, MainShell& m) { ReDrawDateMarks(s, SurfacesOf(m)); }
void ReDraw6MonthDateMarks(Store& s, MainShell& m) { ReDraw6MonthDateMarks(s, SurfacesOf(m)); }
void ReDraw1MonthDateMarks(Store& s, MainShell& m) { ReDraw1MonthDateMarks(s, SurfacesOf(m)); }

bool ClearChildAreaForView(Store& s) {
    if (s.flags.gPlannerOpen && s.hooks.UnloadPlannerWindow) s.hooks.UnloadPlannerWindow();
    if (s.flags.gNotesOpen && s.hooks.UnloadNotesWindow) s.hooks.UnloadNotesWindow();
    // A window that is still there refused to close.
    return !(s.flags.gPlannerOpen && s.hooks.UnloadPlannerWindow) && !(s.flags.gNotesOpen && s.hooks.UnloadNotesWindow);
}

} // namespace orvelle
