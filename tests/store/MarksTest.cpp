#include "FileTestFolder.h"
#include "store/ErrorLog.h"
#include "store/Marks.h"

#include <filesystem>

using namespace orvelle;

namespace {

std::string Sample(const std::string& name) {
    return ReadWholeFile(std::string(ORVELLE_TEST_DATA) + "/marks/" + name).value_or("<missing sample>");
}

class MarksFiles : public FileTestFolder {
protected:
    // The year view of `year` as the drawing leaves it: date grid filled, this year set.
    void ShowYear(int year, int month = 6) {
        s().dates.gSelectedDate = DateSerial(year, month, 1);
        LoadThisYearsData(s());
        s().view.gThisYear = year;
        s().flags.gSpansNextYear = false;
    }
    // A six-month view from `month` of `year` running into the next year.
    void ShowSpan(int year, int month) {
        ShowYear(year, month);
        AssignNextYearsDateholders(s());
        s().flags.gSpansNextYear = true;
        s().flags.gSpannedYear = year + 1;
    }
    void Mark(YearGrid<std::int16_t>& flags, YearGrid<Color>& colors, Date d, Color color) {
        Cell c = CellOf(d);
        flags[c.month][c.column][c.row] = -1;
        colors[c.month][c.column][c.row] = color;
    }
    Marks& m() { return s().marks; }
};

} // namespace

TEST(MarkLines, FieldsColourAndNoteAreTakenByPosition) {
    auto l = ParseMarkLine("03:02:01:65535-Budget review: 9-10");
    ASSERT_TRUE(l);
    EXPECT_EQ(l->cell.month, 3);
    EXPECT_EQ(l->cell.column, 2);
    EXPECT_EQ(l->cell.row, 1);
    EXPECT_EQ(l->color, 65535);
    EXPECT_TRUE(l->hasHover);
    EXPECT_EQ(l->hover, "Budget review: 9-10");
    EXPECT_EQ(l->fields, "03:02:01:65535");

    auto plain = ParseMarkLine("11:06:05:16777215");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->hasHover);
    EXPECT_EQ(plain->fields, "11:06:05:16777215");

    for (const char* bad : {"", "03:02:01:", "03:02:01", "3:02:01:255", "12:00:00:255", "00:07:00:255",
                            "00:00:06:255", "00:00:00:16777216", "00:00:00:-5", "00;00:00:255", "00:00:00:2 5",
                            "00:00:00:255x", "0a:00:00:255"})
        EXPECT_FALSE(ParseMarkLine(bad)) << bad;

    EXPECT_EQ(MarkLineText({3, 2, 1}, 65535, ""), "03:02:01:65535");
    EXPECT_EQ(MarkLineText({0, 0, 0}, 255, "two\r\nlines"), "00:00:00:255-two  lines");
}

TEST(MarkLines, EveryDateHasTheCellItsGridGivesIt) {
    for (int year : {2008, 2009, 2010, 2011, 2012}) {
        int dated = 0;
        for (int m = 0; m < 12; ++m)
            for (int c = 0; c < 7; ++c)
                for (int r = 0; r < 6; ++r) {
                    auto d = DateOfCell(year, {m, c, r});
                    if (!d) continue;
                    ++dated;
                    Cell back = CellOf(*d);
                    EXPECT_TRUE(back.month == m && back.column == c && back.row == r) << FormatMmDdYy(*d);
                }
        EXPECT_EQ(dated, IsLeapYear(year) ? 366 : 365);
    }
}

TEST_F(MarksFiles, SavedBytesFollowMonthColumnRowWithoutAFinalLineBreak) {
    ShowYear(2009);
    ReadThisYearsMarks(s()); // no file yet: the grids now belong to 2009
    EXPECT_EQ(m().gThisYearsMarkLines, std::vector<std::string>{""});
    auto& f = m().gThisYearsMarkFlags;
    auto& k = m().gThisYearsMarkColors;
    // Marked out of order: Christmas, 7 April, 1 January, 4 January.
    Mark(f, k, DateSerial(2009, 12, 25), 16711680);
    Mark(f, k, DateSerial(2009, 4, 7), 65535);
    Mark(f, k, DateSerial(2009, 1, 1), 255);
    Mark(f, k, DateSerial(2009, 1, 4), 65280);
    m().gThisYearsHoverTexts[0][0][1] = "Dentist: 3:30 - bring card";
    m().gThisYearsHoverTexts[3][2][1] = "Caf\xe9 with Ann";
    // A note on an unmarked cell stays out of the file.
    m().gThisYearsHoverTexts[5][1][1] = "not marked";
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2009Marks.dat"), Sample("2009Marks.dat"));
}

TEST_F(MarksFiles, ASampleFileReadsBackAndSavesToTheSameBytes) {
    Put("2009Marks.dat", Sample("2009Marks.dat"));
    ShowYear(2009);
    auto paints = ReadThisYearsMarks(s());
    ASSERT_EQ(paints.size(), 4u);
    EXPECT_EQ(paints[0].day, 4);
    EXPECT_EQ(paints[0].paintColor, 65280);
    EXPECT_EQ(paints[3].day, 25);
    EXPECT_EQ(m().gThisYearsMarkLineCount, 4);
    EXPECT_EQ(m().gThisYearsMarkLines[0], "00:00:01:65280");
    EXPECT_EQ(m().gThisYearsHoverTexts[0][0][1], "Dentist: 3:30 - bring card");
    EXPECT_EQ(m().gThisYearsHoverTexts[3][2][1], "Caf\xe9 with Ann");
    EXPECT_EQ(m().gThisYearsMarkFlags[11][5][3], -1);
    EXPECT_EQ(m().gThisYearsMarkColors[0][4][0], 255);
    std::filesystem::remove(Path("2009Marks.dat"));
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2009Marks.dat"), Sample("2009Marks.dat"));
}

TEST_F(MarksFiles, LineBreakStylesReadAlike) {
    for (const char* content : {"00:04:00:255-a-b:c\r\n03:02:01:65535", "00:04:00:255-a-b:c\r\n03:02:01:65535\r\n",
                                "00:04:00:255-a-b:c\n03:02:01:65535\n"}) {
        Put("2009Marks.dat", content);
        ShowYear(2009);
        ReadThisYearsMarks(s());
        EXPECT_EQ(m().gThisYearsMarkLineCount, 2) << content;
        EXPECT_EQ(m().gThisYearsHoverTexts[0][4][0], "a-b:c");
        ASSERT_TRUE(SaveThisYearsMarks(s()));
        EXPECT_EQ(Bytes("2009Marks.dat"), "00:04:00:255-a-b:c\r\n03:02:01:65535");
    }
}

TEST_F(MarksFiles, ClearingTheLastMarkRemovesTheFile) {
    Put("2009Marks.dat", "00:04:00:255-note");
    ShowYear(2009);
    ReadThisYearsMarks(s());
    m().gThisYearsMarkFlags[0][4][0] = 0;
    m().gThisYearsMarkColors[0][4][0] = 0;
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_FALSE(Exists("2009Marks.dat"));
    // Saving an empty year again writes nothing either.
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_FALSE(Exists("2009Marks.dat"));
    // The note stays in memory for the same cell.
    ReadThisYearsMarks(s());
    EXPECT_EQ(m().gThisYearsHoverTexts[0][4][0], "note");
}

TEST_F(MarksFiles, BadLinesAreSkippedAndLoggedAndTheRestSurvivesASave) {
    Put("2010Marks.dat", Sample("2010Marks-corrupt.dat"));
    ShowYear(2010);
    auto paints = ReadThisYearsMarks(s());
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].day, 1);
    EXPECT_EQ(paints[1].day, 31);
    EXPECT_EQ(m().gThisYearsMarkLines, (std::vector<std::string>{"00:05:00:255", "11:05:04:32768"}));
    EXPECT_EQ(m().gThisYearsMarkLineCount, 2);
    std::string log = ErrorLog();
    for (const char* lineNo : {"Line 2 ", "Line 3 ", "Line 4 ", "Line 5 ", "Line 6 "})
        EXPECT_NE(log.find(lineNo), std::string::npos) << lineNo;
    EXPECT_EQ(log.find("Line 1 "), std::string::npos);
    EXPECT_EQ(log.find("Line 7 "), std::string::npos);
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:255\r\n11:05:04:32768-Last one");
}

TEST_F(MarksFiles, AnotherYearStartsWithCleanColoursAndNotes) {
    Put("2009Marks.dat", "00:04:00:255-New Year 2009");
    ShowYear(2009);
    ReadThisYearsMarks(s());
    // 2015 has a date in the same cell (1 January 2015 is also a Thursday) but no note of its own.
    Put("2015Marks.dat", "00:04:00:65280");
    ShowYear(2015);
    ReadThisYearsMarks(s());
    EXPECT_EQ(m().gThisYearsHoverTexts[0][4][0], "");
    m().gThisYearsHoverTexts[3][3][0] = "typed but unmarked";
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2015Marks.dat"), "00:04:00:65280");
    // A cell marked by another year's file is not marked in this one.
    Put("2016Marks.dat", "");
    ShowYear(2016);
    ReadThisYearsMarks(s());
    EXPECT_EQ(m().gThisYearsMarkFlags[0][4][0], 0);
    EXPECT_EQ(m().gThisYearsMarkColors[0][4][0], 0);
}

TEST_F(MarksFiles, GridsOfAnotherYearAreNeverSaved) {
    Put("2009Marks.dat", "00:04:00:255");
    Put("2010Marks.dat", "00:05:00:255");
    ShowYear(2009);
    ReadThisYearsMarks(s());
    // The view moved on to 2010 without reading its marks.
    s().view.gThisYear = 2010;
    ui.Expect(MsgAnswer::OK, "not those of 2010");
    EXPECT_FALSE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:255");
    // Next year's grids were never read.
    ui.Expect(MsgAnswer::OK, "not those of 2011");
    EXPECT_FALSE(SaveNextYearsMarks(s()));
    EXPECT_FALSE(Exists("2011Marks.dat"));
}

TEST_F(MarksFiles, AHiddenCategoryKeepsItsColourAndPaintsAsItsStandIn) {
    MarkerCategories& k = s().markers;
    k.gMarkerColors[2] = 0x0080FF;
    k.gMarkerColors[kHolidayCategory] = 0xFF0000;
    k.gMarkerColors[kBirthdayCategory] = 0xFF00FF;
    k.gMarkerHidden[2] = -1;
    // 1 January (holiday), 4 January (birthday) and 7 April (neither), all of the hidden category.
    Put("2009Marks.dat", "00:00:01:33023\r\n00:04:00:33023\r\n03:02:01:33023");
    ShowYear(2009);
    s().holidays.gThisYearsHolidayDates = {"01/01/09"};
    s().holidays.gThisYearsHolidayCount = 1;
    s().birthdays.gBirthdays = {BirthdayRecord{"01/04", "0", "Ann", "****"}};
    s().birthdays.gBirthdayCount = 1;
    auto paints = ReadThisYearsMarks(s());
    ASSERT_EQ(paints.size(), 3u);
    EXPECT_EQ(paints[0].paintColor, 0xFF00FF);
    EXPECT_EQ(paints[1].paintColor, 0xFF0000);
    EXPECT_EQ(paints[2].paintColor, 0);
    EXPECT_EQ(paints[1].textColor, 0xFFFFFF);
    EXPECT_EQ(m().gThisYearsMarkColors[3][2][1], 0x0080FF);
    // Hidden holidays give no stand-in.
    k.gMarkerHidden[kHolidayCategory] = -1;
    paints = ReadThisYearsMarks(s());
    EXPECT_EQ(paints[1].paintColor, 0);
    ASSERT_TRUE(SaveThisYearsMarks(s()));
    EXPECT_EQ(Bytes("2009Marks.dat"), "00:00:01:33023\r\n00:04:00:33023\r\n03:02:01:33023");
}

TEST_F(MarksFiles, NextYearsMarksHaveTheirOwnFileAndHolidays) {
    s().markers.gMarkerColors[kHolidayCategory] = 0xFF0000;
    s().markers.gMarkerColors[1] = 255;
    s().markers.gMarkerHidden[1] = -1;
    // This year's list holds the same text, but only next year's holidays stand in.
    s().holidays.gThisYearsHolidayDates = {"01/01/10", "01/02/10"};
    s().holidays.gThisYearsHolidayCount = 2;
    s().holidays.gNextYearsHolidayDates = {"01/01/10"};
    s().holidays.gNextYearsHolidayCount = 1;
    Put("2010Marks.dat", "00:05:00:255-New Year\r\n00:06:00:255");
    ShowSpan(2009, 8);
    auto paints = ReadNextYearsMarks(s());
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].paintColor, 0xFF0000);
    EXPECT_EQ(paints[1].paintColor, 0);
    EXPECT_EQ(m().gNextYearsMarkFlags[0][5][0], -1);
    EXPECT_EQ(m().gNextYearsHoverTexts[0][5][0], "New Year");
    EXPECT_EQ(m().gThisYearsMarkFlags[0][5][0], 0);
    m().gNextYearsHoverTexts[0][5][0] = "New Year's Day";
    ASSERT_TRUE(SaveNextYearsMarks(s()));
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:255-New Year's Day\r\n00:06:00:255");
    EXPECT_FALSE(Exists("2009Marks.dat"));
}

TEST_F(MarksFiles, TheSelectedDatesYearPicksTheGrids) {
    ShowSpan(2009, 8);
    s().dates.gSelectedDate = DateSerial(2009, 9, 3);
    EXPECT_EQ(MarkYearOfSelectedDate(s()), MarkYear::This);
    s().dates.gSelectedDate = DateSerial(2010, 1, 3);
    EXPECT_EQ(MarkYearOfSelectedDate(s()), MarkYear::Next);
    EXPECT_EQ(MarkYearNumber(s(), MarkYear::Next), 2010);
    // A twelve-month view of 2010 after that span: 2010 is now the shown year, and the spanned
    // year left behind by the six-month view means nothing.
    ShowYear(2010);
    s().dates.gSelectedDate = DateSerial(2010, 1, 3);
    EXPECT_EQ(MarkYearOfSelectedDate(s()), MarkYear::This);
    s().dates.gSelectedDate = DateSerial(2011, 1, 3);
    EXPECT_EQ(MarkYearOfSelectedDate(s()), MarkYear::None);
    s().dates.gSelectedDate = DateSerial(2009, 12, 3);
    EXPECT_EQ(MarkYearOfSelectedDate(s()), MarkYear::None);
}
