#include "StoreTestFolder.h"

#include "store/DateModel.h"

#include <chrono>
#include <filesystem>
#include <cstdio>

using namespace orvelle;
using namespace std::chrono;

namespace {

// Serial from the civil calendar without the program's own date helpers.
Date SerialOf(int y, unsigned m, unsigned d) {
    return static_cast<Date>(sys_days{year{y} / month{m} / day{d}}.time_since_epoch().count()) + 25569;
}

// The grid of a year worked out from weekday arithmetic, not by walking like the program does.
YearGrid<std::string> ExpectedGrid(int y) {
    YearGrid<std::string> g;
    for (auto& m : g)
        for (auto& c : m) c.fill(std::string(8, '\0'));
    for (sys_days d = year{y} / January / 1; d <= sys_days{year{y} / December / 31}; d += days{1}) {
        year_month_day ymd{d};
        unsigned m = static_cast<unsigned>(ymd.month()), dd = static_cast<unsigned>(ymd.day());
        unsigned firstCol = weekday{sys_days{ymd.year() / ymd.month() / 1}}.c_encoding();
        char text[16];
        std::snprintf(text, sizeof text, "%02u/%02u/%02d", m, dd, y % 100);
        g[m - 1][weekday{d}.c_encoding()][(firstCol + dd - 1) / 7] = std::string(text, 8);
    }
    return g;
}

class DateModelTest : public StoreTestFolder {
protected:
    void Select(Date d) {
        s->dates.gSelectedDate = d;
        SetDateVariables(*s);
    }
    const std::string& This(int m, int c, int r) const { return s->dates.gThisYearsDateHolders[m][c][r]; }
};

} // namespace

TEST_F(DateModelTest, EveryYearGridMatchesTheCalendar) {
    for (int y = 2008; y <= 2040; ++y) {
        Select(SerialOf(y, 6, 15));
        LoadThisYearsData(*s);
        AssignNextYearsDateholders(*s);
        ASSERT_EQ(s->dates.gThisYearsDateHolders, ExpectedGrid(y)) << "year " << y;
        ASSERT_EQ(s->dates.gNextYearsDateHolders, ExpectedGrid(y + 1)) << "next year of " << y;
        EXPECT_EQ(s->dates.gWeekCol, 0);
        EXPECT_EQ(s->dates.gWeekRow, 0);
    }
}

TEST_F(DateModelTest, LeapDayAndMonthEdges) {
    Select(SerialOf(2008, 1, 1));
    LoadThisYearsData(*s);
    // 1 Feb 2008 is a Friday: the 29th sits in column 5 of row 4.
    EXPECT_EQ(This(1, 5, 4), "02/29/08");
    // November 2008 starts on a Saturday.
    EXPECT_EQ(This(10, 6, 0), "11/01/08");
    EXPECT_EQ(This(10, 0, 1), "11/02/08");
    // August 2008 starts on a Friday: only the 31st reaches row 5.
    EXPECT_EQ(This(7, 0, 5), "08/31/08");
    EXPECT_EQ(This(7, 1, 5)[0], '\0');
    // March 2008 starts on a Saturday: the 30th and 31st reach row 5.
    EXPECT_EQ(This(2, 0, 5), "03/30/08");
    EXPECT_EQ(This(2, 1, 5), "03/31/08");
    EXPECT_EQ(This(11, 3, 4), "12/31/08");

    Select(SerialOf(2009, 1, 1));
    LoadThisYearsData(*s);
    EXPECT_EQ(This(1, 5, 4)[0], '\0') << "a common year has no 29 February";
    EXPECT_EQ(This(1, 6, 3), "02/28/09");
    EXPECT_EQ(This(11, 4, 4), "12/31/09");

    Select(SerialOf(2012, 7, 4)); // 1 January 2012 is a Sunday
    LoadThisYearsData(*s);
    EXPECT_EQ(This(0, 0, 0), "01/01/12");
}

TEST_F(DateModelTest, LoadClearsStaleCellsNextYearAndMarkFlags) {
    Select(SerialOf(2008, 5, 1));
    LoadThisYearsData(*s);
    AssignNextYearsDateholders(*s);
    s->marks.gThisYearsMarkFlags[3][2][1] = -1;
    s->marks.gNextYearsMarkFlags[0][4][0] = -1;

    // Filling over another year's dates without a clear keeps what the new year does not cover.
    Select(SerialOf(2009, 5, 1));
    AssignThisYearsDateHolders(*s);
    EXPECT_EQ(This(1, 5, 4), "02/29/08");

    LoadThisYearsData(*s);
    EXPECT_EQ(This(1, 5, 4)[0], '\0');
    EXPECT_EQ(s->marks.gThisYearsMarkFlags[3][2][1], 0);
    EXPECT_EQ(s->marks.gNextYearsMarkFlags[0][4][0], 0);
    for (auto& m : s->dates.gNextYearsDateHolders)
        for (auto& c : m)
            for (auto& cell : c) ASSERT_EQ(cell, std::string(8, '\0'));
}

TEST_F(DateModelTest, NextYearGridOfDecemberHoldsTheFollowingYear) {
    Select(SerialOf(2009, 12, 20));
    LoadThisYearsData(*s);
    AssignNextYearsDateholders(*s);
    EXPECT_EQ(s->dates.gNextYearsDateHolders[0][5][0], "01/01/10");
    EXPECT_EQ(s->dates.gThisYearsDateHolders[0][4][0], "01/01/09");
}

TEST_F(DateModelTest, DateVariablesAndPickerTexts) {
    Select(SerialOf(2009, 3, 5));
    const DateModel& d = s->dates;
    EXPECT_EQ(d.gDD, "05");
    EXPECT_EQ(d.gMM, "03");
    EXPECT_EQ(d.gYY, "09");
    EXPECT_EQ(d.gDay, 5);
    EXPECT_EQ(d.gMonth, 3);
    EXPECT_EQ(d.gYear, 2009);
    EXPECT_EQ(d.gFirstOfYear, SerialOf(2009, 1, 1));
    EXPECT_EQ(d.gWeekCol, 5); // 1 January 2009 was a Thursday
    EXPECT_EQ(d.gWeekRow, 1);
    DateComboTexts t = SetDateCombos(*s);
    EXPECT_EQ(t.month, "March");
    EXPECT_EQ(t.day, "05");
    EXPECT_EQ(t.year, "2009");

    Select(SerialOf(2000, 11, 17));
    EXPECT_EQ(d.gDD, "17");
    EXPECT_EQ(d.gMM, "11");
    EXPECT_EQ(d.gYY, "00");
    EXPECT_EQ(SetDateCombos(*s).month, "November");
}

TEST_F(DateModelTest, LocateFindsOnlyDatesOfTheShownYear) {
    Select(SerialOf(2009, 10, 31)); // a Saturday in row 4
    LoadThisYearsData(*s);
    LocateCurrentDateCell(*s);
    EXPECT_EQ(s->dates.gCurrentCellMonth, 9);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 6);
    EXPECT_EQ(s->dates.gCurrentCellRow, 4);

    // Same day and month of another year: the grid still holds 2009, so nothing moves.
    Select(SerialOf(2010, 3, 5));
    LocateCurrentDateCell(*s);
    EXPECT_EQ(s->dates.gCurrentCellMonth, 9);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 6);
    EXPECT_EQ(s->dates.gCurrentCellRow, 4);

    ClearDateHolders(*s);
    Select(SerialOf(2009, 10, 31));
    LocateCurrentDateCell(*s);
    EXPECT_EQ(s->dates.gCurrentCellRow, 4);
    EXPECT_EQ(s->dates.gThisYearsDateHolders[9][6][4][0], '\0');

    Select(SerialOf(2010, 3, 5));
    LoadThisYearsData(*s);
    LocateCurrentDateCell(*s);
    EXPECT_EQ(s->dates.gCurrentCellMonth, 2);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 5);
    EXPECT_EQ(s->dates.gCurrentCellRow, 0);
}

TEST_F(DateModelTest, UnusableYearIsReportedNotFilled) {
    s->dates.gYear = 0;
    prompter.Expect(MsgAnswer::OK, "AssignThisYearsDateHolders");
    AssignThisYearsDateHolders(*s);
    EXPECT_EQ(s->dates.gThisYearsDateHolders[0][0][0][0], '\0');
    EXPECT_NE(Read("Error.log").find("An error occurred in AssignThisYearsDateHolders."), std::string::npos);
}

TEST_F(DateModelTest, LoadReadsTheShownYearsNotes) {
    std::filesystem::create_directory(dir + "2009");
    Write("2009/Notes.dat", "03/05/09:020400:dentist\r\n");
    Select(SerialOf(2009, 7, 1));
    LoadThisYearsData(*s);
    ASSERT_EQ(s->notes.gThisYearsNoteCount(), 1);
    EXPECT_EQ(s->notes.gThisYearsNoteFlags[2][4][0], -1);
    EXPECT_EQ(This(2, 4, 0), "03/05/09");
}
