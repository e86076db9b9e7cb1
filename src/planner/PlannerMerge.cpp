#include "planner/PlannerMerge.h"

#include "store/PlannerStore.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

namespace orvelle {

namespace {

// This year's lists read for the year of `date` (the selected date stays as it is).
void ReadYearOf(Store& s, Date date) {
    if (s.planner.thisYearsPlannerYear == YearOf(date)) return;
    Date before = s.dates.gSelectedDate;
    s.dates.gSelectedDate = date;
    ReadThisYearsPlanner(s);
    s.dates.gSelectedDate = before;
}

} // namespace

bool MergePlannerPage(Store& s, Date target) {
    Date before = s.dates.gSelectedDate;
    ReadYearOf(s, target);
    if (FindDay(s.planner.ThisYear(), FormatMmDdYy(target)) >= 0) {
        std::string text = "A record with this date (" + FormatMmDdYy(target) + ")already exists. Overwrite existing record?";
        if (s.ui->MsgBox(text, MsgButtons::YesNo, "A Planner Exists with the same Date") != MsgAnswer::Yes) {
            ReadYearOf(s, before);
            return false;
        }
    }
    // The merged page becomes the page of its own date.
    Date pageDate = s.planner.gPlannerPageDate;
    s.planner.gPlannerPageDate = target;
    SelectDate(s, target);
    if (!SavePlannerPageToYear(s)) {
        s.planner.gPlannerPageDate = pageDate;
        SelectDate(s, before);
        return false;
    }
    s.planner.gExternalPlanner = false;
    return true;
}

} // namespace orvelle
