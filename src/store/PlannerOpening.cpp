// Storing the open page as the selected date's record, and opening a date's page.
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

namespace orvelle {
namespace {

const std::string kPlannerFile = "Planner.dat";

// Stores the page as the selected date's record of `list`. The lists first follow the date's
// year, so that a page of another year than the shown one never lands in the wrong file.
bool StorePage(Store& s, DayListRef list, bool limited, const std::string& readProc) {
    Date date = s.dates.gSelectedDate;
    int year = YearOf(date);
    if (list.year != year) ReadDayFile(s, list, year, kPlannerFile, kPlannerRecordLength, readProc);
    if (limited && FindDay(list, FormatMmDdYy(date)) < 0 && static_cast<int>(list.dates.size()) >= kMaxPlannerDays) {
        s.ui->MsgBox("Bad Planner Count", MsgButtons::OK, "");
        return false;
    }
    int i = FindOrInsertDay(list, date);
    list.texts[i] = BuildPlannerRecord(s.page);
    list.stamps[i] = CellStampOf(date);
    list.index = i;
    Cell c = CellOf(date);
    list.flags[c.month][c.column][c.row] = -1;
    return true;
}

} // namespace

bool SavePlannerRecord(Store& s) {
    bool ok = StorePage(s, s.planner.ThisYear(), true, "ReadThisYearsPlanner");
    BuildPlannerExtracts(s.planner);
    return ok;
}

bool SavePlannerRecord2(Store& s) { return StorePage(s, s.planner.NextYear(), false, "ReadNextYearsPlanner"); }

void OpenPlannerRecord(Store& s) {
    s.exchange.gPlannerExportFileName.clear();
    s.exchange.gPlannerExportFolder.clear();
    s.planner.gExternalPlanner = false;
    s.planner.gExportingPlanner = false;

    Date date = s.dates.gSelectedDate;
    s.planner.gPlannerPageDate = date;
    DayListRef list = s.planner.ThisYear();
    if (list.year != YearOf(date)) ReadThisYearsPlanner(s);
    int i = FindDay(list, FormatMmDdYy(date));
    list.index = i;
    if (i >= 0) ReadPlannerRecord(list.texts[i], s.page);
}

void OpenThePlanner(Store& s) {
    s.flags.gCalendarView = 0;
    // The date's own cell, also for a date outside the shown year's grid.
    Cell c = CellOf(s.dates.gSelectedDate);
    s.dates.gCurrentCellMonth = c.month;
    s.dates.gCurrentCellColumn = c.column;
    s.dates.gCurrentCellRow = c.row;
    if (s.hooks.ReplaceViewWithPlanner) s.hooks.ReplaceViewWithPlanner();
    ReadThisYearsPlanner(s);
    OpenPlannerRecord(s);
    // The page now shows what is stored.
    s.flags.gPlannerChanged = false;
    s.flags.gPlannerLoading = true;
    if (s.hooks.ShowPlannerPage) s.hooks.ShowPlannerPage();
    s.flags.gPlannerLoading = false;
}

std::string PlannerDateCaption(Date d) {
    Ymd y = SplitDate(d);
    return DayName(Weekday(d)) + ", " + MonthName(y.month) + " " + std::to_string(y.day) + " " + std::to_string(y.year);
}

} // namespace orvelle
