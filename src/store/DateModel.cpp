#include "store/DateModel.h"

#include "store/ErrorLog.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

namespace orvelle {
namespace {

constexpr long kErrInvalidCall = 5;

void BlankGrid(YearGrid<std::string>& grid) {
    for (auto& month : grid)
        for (auto& column : month)
            for (auto& cell : column) cell = kBlankDateCell;
}

template <class T>
void ZeroGrid(YearGrid<T>& grid) {
    for (auto& month : grid)
        for (auto& column : month) column.fill(T{});
}

// "mm/dd/yy" without going through a string stream: the grids are refilled on every redraw.
void WriteCellText(std::string& cell, int month, int day, int year) {
    int yy = year % 100;
    char text[kDateCellLength] = {char('0' + month / 10), char('0' + month % 10), '/',
                                  char('0' + day / 10),   char('0' + day % 10),   '/',
                                  char('0' + yy / 10),    char('0' + yy % 10)};
    cell.assign(text, kDateCellLength);
}

// Years whose every day has a valid cell text.
bool FillableYear(int year) { return year >= 100 && year <= 9999; }

} // namespace

DateModel::DateModel() {
    BlankGrid(gThisYearsDateHolders);
    BlankGrid(gNextYearsDateHolders);
}

void FillYearGrid(YearGrid<std::string>& grid, int year, DateModel& w) {
    Date start = DateSerial(year, 1, 1);
    Date end = DateSerial(year, 12, 31);
    int dayCount = end - start + 1;

    w.gWalkDate = start;
    int currentMonth = 1;
    w.gWeekCol = Weekday(start);
    w.gWeekRow = 1;
    Ymd ymd{year, 1, 1};
    for (int i = 0; i < dayCount; ++i) {
        if (ymd.month > currentMonth) {
            currentMonth = ymd.month;
            w.gWeekCol = Weekday(w.gWalkDate);
            w.gWeekRow = 1;
        }
        if (w.gWeekRow >= 1 && w.gWeekRow <= 6)
            WriteCellText(grid[ymd.month - 1][w.gWeekCol - 1][w.gWeekRow - 1], ymd.month, ymd.day, ymd.year);
        if (++w.gWeekCol > 7) {
            w.gWeekCol = 1;
            ++w.gWeekRow;
        }
        ++w.gWalkDate;
        if (++ymd.day > DaysInMonth(ymd.year, ymd.month)) {
            ymd.day = 1;
            ++ymd.month;
        }
    }
    w.gWeekCol = 0;
    w.gWeekRow = 0;
}

void SetDateVariables(Store& s) {
    DateModel& d = s.dates;
    Ymd ymd = SplitDate(d.gSelectedDate);
    d.gDay = ymd.day;
    d.gMonth = ymd.month;
    d.gYear = ymd.year;
    d.gFirstOfYear = DateSerial(ymd.year, 1, 1);
    d.gWeekCol = Weekday(d.gFirstOfYear);
    d.gWeekRow = 1;
    d.gDD = TwoDigits(ymd.day);
    d.gMM = TwoDigits(ymd.month);
    d.gYY = TwoDigits(ymd.year % 100);
}

void SelectDate(Store& s, Date d) {
    s.dates.gSelectedDate = d;
    SetDateVariables(s);
    if (s.hooks.SelectedDateChanged) s.hooks.SelectedDateChanged();
}

void ClearDateHolders(Store& s) {
    BlankGrid(s.dates.gThisYearsDateHolders);
    BlankGrid(s.dates.gNextYearsDateHolders);
    s.dates.thisYearsGridYear = 0;
    s.dates.nextYearsGridYear = 0;
    ZeroGrid(s.marks.gThisYearsMarkFlags);
    ZeroGrid(s.marks.gNextYearsMarkFlags);
}

void AssignThisYearsDateHolders(Store& s) {
    DateModel& d = s.dates;
    if (!FillableYear(d.gYear)) {
        LogError(s, "AssignThisYearsDateHolders", kErrInvalidCall, "Invalid procedure call or argument");
        return;
    }
    FillYearGrid(d.gThisYearsDateHolders, d.gYear, d);
    d.thisYearsGridYear = d.gYear;
}

void AssignNextYearsDateholders(Store& s) {
    DateModel& d = s.dates;
    if (!FillableYear(d.gYear + 1)) {
        LogError(s, "AssignNextYearsDateholders", kErrInvalidCall, "Invalid procedure call or argument");
        return;
    }
    FillYearGrid(d.gNextYearsDateHolders, d.gYear + 1, d);
    d.nextYearsGridYear = d.gYear + 1;
}

void LoadYearsDataAhead(const Store& s, int year) {
    ReadNotesAhead(s, year);
    ReadPlannerAhead(s, year);
}

void LoadThisYearsData(Store& s) {
    ClearDateHolders(s);
    SetDateVariables(s);
    ReadThisYearsNotes(s);
    ReadThisYearsPlanner(s);
    AssignThisYearsDateHolders(s);
}

bool SelectedDateInSpannedYear(const Store& s) {
    return s.flags.gSpansNextYear && YearOf(s.dates.gSelectedDate) == s.flags.gSpannedYear;
}

void LocateCurrentDateCell(Store& s) {
    DateModel& d = s.dates;
    if (d.thisYearsGridYear == 0) return;
    for (int m = 0; m < 12; ++m) {
        for (int c = 0; c < 7; ++c) {
            for (int r = 0; r < 6; ++r) {
                const std::string& cell = d.gThisYearsDateHolders[m][c][r];
                if (IsBlankDateCell(cell)) continue;
                auto date = ParseMmDdYy(cell, d.thisYearsGridYear);
                if (date && *date == d.gSelectedDate) {
                    d.gCurrentCellMonth = m;
                    d.gCurrentCellColumn = c;
                    d.gCurrentCellRow = r;
                    return;
                }
            }
        }
    }
}

DateComboTexts SetDateCombos(const Store& s) {
    Ymd ymd = SplitDate(s.dates.gSelectedDate);
    std::string year = std::to_string(ymd.year);
    if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
    return {MonthName(ymd.month), TwoDigits(ymd.day), year};
}

} // namespace orvelle
