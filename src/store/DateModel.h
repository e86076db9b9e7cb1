#pragma once
// The shown year and the next laid out as month x weekday column x week row, the selected
// date with the values derived from it, and the selected date's cell. Every per-year store
// addresses its dates through these grids.
#include "store/Dates.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvelle {

struct Store;

// [month 0-11][column 0-6, Sunday = 0][row 0-5]; parallel grids (marks, notes, planner,
// holidays, birthdays) use the same shape.
template <class T>
using YearGrid = std::array<std::array<std::array<T, 6>, 7>, 12>;

// A blank cell is 8 NUL characters; a filled one holds "mm/dd/yy".
constexpr int kDateCellLength = 8;
inline const std::string kBlankDateCell(kDateCellLength, '\0');

inline bool IsBlankDateCell(const std::string& cell) { return cell.empty() || cell[0] == '\0'; }

struct DateModel {
    YearGrid<std::string> gThisYearsDateHolders;
    YearGrid<std::string> gNextYearsDateHolders;

    // Walk cursor shared with every procedure that steps through the days of a month or year;
    // meaningless outside a walk. gWeekCol 1-7 (Sunday = 1), gWeekRow 1-6.
    Date gWalkDate = 0;
    int gWeekCol = 0;
    int gWeekRow = 0;

    Date gSelectedDate = 0;
    int gDay = 0;
    int gMonth = 0;
    int gYear = 0;
    std::string gDD; // "05"
    std::string gMM; // "03"
    std::string gYY; // "09"
    Date gFirstOfYear = 0;

    // The selected date's cell.
    int gCurrentCellMonth = 0;
    int gCurrentCellColumn = 0;
    int gCurrentCellRow = 0;

    // The year each grid was last filled with; 0 while it holds no dates.
    int thisYearsGridYear = 0;
    int nextYearsGridYear = 0;

    DateModel();
};

// The picker's three texts for the selected date: "March", "05", "2009".
struct DateComboTexts {
    std::string month;
    std::string day;
    std::string year;
};

void SetDateVariables(Store& s);
// The one way the selected date moves: `d` becomes the selected date, its values are derived and
// the windows that follow it are told (s.hooks.SelectedDateChanged). Code that only lends the
// selected date to a reader and gives it straight back assigns it directly.
void SelectDate(Store& s, Date d);
// Blanks both date grids and both mark-flag grids.
void ClearDateHolders(Store& s);
void AssignThisYearsDateHolders(Store& s);
void AssignNextYearsDateholders(Store& s);
// Clears the grids, derives the date values, reads the year's notes and planner records and
// fills the shown year's grid; every view calls it before it draws.
void LoadThisYearsData(Store& s);
// The files LoadThisYearsData reads for `year`, read ahead on threads of their own: at start the
// first view's year is known before the main window is made.
void LoadYearsDataAhead(const Store& s, int year);
// True when the selected date lies in the next year a year-spanning six-month view shows: its
// notes and planner page then belong to next year's lists and file.
bool SelectedDateInSpannedYear(const Store& s);
// Leaves the current cell alone when the selected date is not in the shown year's grid.
void LocateCurrentDateCell(Store& s);
DateComboTexts SetDateCombos(const Store& s);

// Fills one grid with the dates of `year` through the walk cursor, writing only the cells of
// existing dates.
void FillYearGrid(YearGrid<std::string>& grid, int year, DateModel& walk);

} // namespace orvelle
