#pragma once
// One planner day record per date, kept per year in "<yyyy>/Planner.dat" for the shown year and
// the next, with the expense and mileage extracts of this year's days that the reports read.
#include "store/DateModel.h"
#include "store/DayFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvelle {

struct Store;

constexpr int kMaxPlannerDays = 366;

struct PlannerStore {
    // This year's records, parallel and in date order; position i is also lstPlanner entry i.
    std::vector<std::string> gThisYearsPlannerRecords;  // 4100 bytes each
    std::vector<std::string> gThisYearsPlannerDates;    // "mm/dd/yy"
    std::vector<std::string> gThisYearsPlannerStamps;   // "MMCCRR"
    std::vector<std::string> lstPlanner;                // the sorted date list
    YearGrid<std::int16_t> gThisYearsPlannerFlags{};
    int gThisYearsPlannerIndex = -1;
    int thisYearsPlannerYear = 0;  // the year the lists hold; 0 before the first read

    std::vector<std::string> gNextYearsPlannerRecords;
    std::vector<std::string> gNextYearsPlannerDates;
    std::vector<std::string> gNextYearsPlannerStamps;
    std::vector<std::string> lstPlanner2;
    YearGrid<std::int16_t> gNextYearsPlannerFlags{};
    int gNextYearsPlannerIndex = -1;
    int nextYearsPlannerYear = 0;

    int gThisYearsPlannerCount() const { return static_cast<int>(gThisYearsPlannerDates.size()); }
    int gNextYearsPlannerCount() const { return static_cast<int>(gNextYearsPlannerDates.size()); }

    // Per day of this year's list (same index): the raw expense and mileage fields, full width
    // with their blanks; empty for a day whose flag is false.
    std::vector<std::array<std::string, 6>> gPlannerExpenseTexts;
    std::vector<std::array<std::string, 6>> gPlannerExpenseAmounts;
    std::vector<bool> gPlannerHasExpenses;
    std::vector<std::array<std::string, 5>> gPlannerMileageDests;
    std::vector<std::array<std::string, 5>> gPlannerMileageBegins;
    std::vector<std::array<std::string, 5>> gPlannerMileageEnds;
    std::vector<std::array<std::string, 5>> gPlannerMileageTotals;
    std::vector<bool> gPlannerHasMileage;

    // Set by the note list window before it saves a year whose record it has blanked.
    bool gSavingAfterListDelete = false;
    // The date whose page is in the planner window (0 before the first); the page is saved
    // under it, whatever date has been selected since.
    Date gPlannerPageDate = 0;
    // Exchange state of an exported or imported planner day; reset when a date's page opens.
    bool gExternalPlanner = false;
    bool gExportingPlanner = false;

    DayListRef ThisYear() {
        return {gThisYearsPlannerRecords, gThisYearsPlannerDates, gThisYearsPlannerStamps, lstPlanner,
                gThisYearsPlannerFlags, gThisYearsPlannerIndex, thisYearsPlannerYear};
    }
    DayListRef NextYear() {
        return {gNextYearsPlannerRecords, gNextYearsPlannerDates, gNextYearsPlannerStamps, lstPlanner2,
                gNextYearsPlannerFlags, gNextYearsPlannerIndex, nextYearsPlannerYear};
    }
};

// Rebuilds the extracts from this year's records.
void BuildPlannerExtracts(PlannerStore& p);

// This year = the selected date's year; next year = the year after the shown view's.
void ReadThisYearsPlanner(Store& s);
// The year's planner file read ahead for the next read of that year (ReadDayFileAhead).
void ReadPlannerAhead(const Store& s, int year);
void ReadNextYearsPlanner(Store& s);
// Rewrite the year file from the lists; "Planner Records Updated" / "Planner Saved". This
// year's writer refuses more than 366 days ("Bad Planner Count"). False, with gPlannerChanged
// left set, when nothing was written.
bool SaveThisYearsPlannerFile(Store& s);
bool SaveNextYearsPlannerFile(Store& s);

// Build the selected date's record from the page into this year's (next year's) list, adding
// the date when it has none. False when this year's list is full.
bool SavePlannerRecord(Store& s);
bool SavePlannerRecord2(Store& s);
// Finds the selected date's record and reads it into the page; without one the page stays as
// it is and the index is -1.
void OpenPlannerRecord(Store& s);
// Replaces the calendar view with the planner page of the selected date.
void OpenThePlanner(Store& s);

// The planner's date caption: "Thursday, March 5 2009".
std::string PlannerDateCaption(Date d);

} // namespace orvelle
