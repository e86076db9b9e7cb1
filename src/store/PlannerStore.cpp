#include "store/PlannerStore.h"

#include "store/PlannerRecord.h"
#include "store/Store.h"

namespace orvelle {
namespace {

const std::string kPlannerFile = "Planner.dat";

std::string Cut(const std::string& record, int pos, int width) {
    if (pos >= static_cast<int>(record.size())) return std::string(width, ' ');
    std::string f = record.substr(pos, width);
    f.resize(width, ' ');
    return f;
}

bool HasText(const std::string& record, int pos, int width) {
    if (pos >= static_cast<int>(record.size())) return false;
    return !IsBlankText(std::string_view(record).substr(pos, width));
}

int ViewYear(const Store& s) { return s.flags.gViewYear != 0 ? s.flags.gViewYear : YearOf(s.dates.gSelectedDate); }

bool WritePlannerFile(Store& s, DayListRef list, bool limited, const std::string& proc, const std::string& done,
                      bool* dropped = nullptr) {
    size_t n = DropBlankDays(list);
    if (dropped) *dropped = n > 0;
    if (list.year == 0) list.year = YearOf(s.dates.gSelectedDate);
    if (limited && static_cast<int>(list.dates.size()) > kMaxPlannerDays) {
        s.ui->MsgBox("Bad Planner Count", MsgButtons::OK, "");
        return false;
    }
    if (!WriteDayFile(s, list, kPlannerFile, proc)) return false;
    s.ui->MsgBox(done, MsgButtons::OK, "");
    s.flags.gPlannerChanged = false;
    return true;
}

} // namespace

void BuildPlannerExtracts(PlannerStore& p) {
    size_t n = p.gThisYearsPlannerRecords.size();
    p.gPlannerExpenseTexts.assign(n, {});
    p.gPlannerExpenseAmounts.assign(n, {});
    p.gPlannerHasExpenses.assign(n, false);
    p.gPlannerMileageDests.assign(n, {});
    p.gPlannerMileageBegins.assign(n, {});
    p.gPlannerMileageEnds.assign(n, {});
    p.gPlannerMileageTotals.assign(n, {});
    p.gPlannerHasMileage.assign(n, false);
    for (size_t i = 0; i < n; ++i) {
        const std::string& r = p.gThisYearsPlannerRecords[i];
        if (HasText(r, kExpenseTextPos, kExpenseAreaLength)) {
            p.gPlannerHasExpenses[i] = true;
            for (int k = 0; k < 6; ++k) {
                p.gPlannerExpenseTexts[i][k] = Cut(r, kExpenseTextPos + 50 * k, 50);
                p.gPlannerExpenseAmounts[i][k] = Cut(r, kExpenseAmountPos + 10 * k, 10);
            }
        }
        if (HasText(r, kMileageDestPos, kMileageAreaLength)) {
            p.gPlannerHasMileage[i] = true;
            for (int k = 0; k < 5; ++k) {
                p.gPlannerMileageDests[i][k] = Cut(r, kMileageDestPos + 80 * k, 80);
                p.gPlannerMileageBegins[i][k] = Cut(r, kMileageBeginPos + 10 * k, 10);
                p.gPlannerMileageEnds[i][k] = Cut(r, kMileageEndPos + 10 * k, 10);
                p.gPlannerMileageTotals[i][k] = Cut(r, kMileageTotalPos + 10 * k, 10);
            }
        }
    }
}

void ReadPlannerAhead(const Store& s, int year) { ReadDayFileAhead(s, year, kPlannerFile, kPlannerRecordLength); }

void ReadThisYearsPlanner(Store& s) {
    ReadDayFile(s, s.planner.ThisYear(), YearOf(s.dates.gSelectedDate), kPlannerFile, kPlannerRecordLength,
                "ReadThisYearsPlanner");
    BuildPlannerExtracts(s.planner);
}

void ReadNextYearsPlanner(Store& s) {
    ReadDayFile(s, s.planner.NextYear(), ViewYear(s) + 1, kPlannerFile, kPlannerRecordLength, "ReadNextYearsPlanner");
}

bool SaveThisYearsPlannerFile(Store& s) {
    // The flag only describes this one call.
    s.planner.gSavingAfterListDelete = false;
    bool dropped = false;
    bool ok = WritePlannerFile(s, s.planner.ThisYear(), true, "SaveThisYearsPlannerFile", "Planner Records Updated",
                               &dropped);
    // The extracts go by list position.
    if (dropped) BuildPlannerExtracts(s.planner);
    return ok;
}

bool SaveNextYearsPlannerFile(Store& s) {
    return WritePlannerFile(s, s.planner.NextYear(), false, "SaveNextYearsPlannerFile", "Planner Saved");
}

} // namespace orvelle
