#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"

#include "YearFilesFixture.h"

using namespace orvelle;

namespace {

class PlannerStoreTest : public YearFilesTest {
protected:
    // The planner window's Save for this year: record, file, read-back.
    void SavePage() {
        ASSERT_TRUE(SavePlannerRecord(*s));
        prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
        ASSERT_TRUE(SaveThisYearsPlannerFile(*s));
        ReadThisYearsPlanner(*s);
    }
    std::string Line(Date d, const PlannerPage& page) {
        return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + BuildPlannerRecord(page);
    }
    // A whole year of pages, each line "<date>:<stamp>:<record>" with CR LF.
    std::string FullYear(int year) {
        std::string out;
        PlannerPage page;
        for (Date d = DateSerial(year, 1, 1); d <= DateSerial(year, 12, 31); ++d) {
            page.SetLine(0, "day " + std::to_string(d));
            out += Line(d, page) + "\r\n";
        }
        return out;
    }
};

TEST_F(PlannerStoreTest, UntouchedPageIsWrittenAndEveryLineIs4116Bytes) {
    Select(2009, 3, 5);
    s->page.Reset();
    SavePage();
    Select(2009, 3, 7);
    s->page.SetLine(16, "to do");
    SavePage();
    std::string file = Read("2009/Planner.dat");
    auto lines = SplitLines(file);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(file.size(), 2 * (4116u + 2));
    for (const auto& l : lines) EXPECT_EQ(l.size(), 4116u);
    EXPECT_EQ(lines[0], Line(DateSerial(2009, 3, 5), PlannerPage()));
    EXPECT_EQ(lines[1].substr(0, 16), "03/07/09:020600:");
    EXPECT_EQ(s->planner.gThisYearsPlannerFlags[2][4][0], -1);
    EXPECT_EQ(s->planner.lstPlanner, (std::vector<std::string>{"03/05/09", "03/07/09"}));
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, 1);
}

TEST_F(PlannerStoreTest, Day367IsRefusedAndTheFileKept) {
    std::string year = FullYear(2008);
    Write("2008/Planner.dat", year);
    Select(2008, 6, 1);
    ReadThisYearsPlanner(*s);
    ASSERT_EQ(s->planner.gThisYearsPlannerCount(), 366);
    EXPECT_TRUE(ErrorLog().empty());

    // A 367th entry slipped into the list (say by a merge): the writer refuses it.
    s->planner.gThisYearsPlannerDates.push_back("12/31/08");
    s->planner.gThisYearsPlannerRecords.push_back(std::string(4100, 'x'));
    s->planner.gThisYearsPlannerStamps.push_back("110302");
    s->flags.gPlannerChanged = true;
    prompter.Expect(MsgAnswer::OK, "Bad Planner Count");
    EXPECT_FALSE(SaveThisYearsPlannerFile(*s));
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_EQ(Read("2008/Planner.dat"), year);

    // A full list takes no new day.
    ReadThisYearsPlanner(*s);
    s->planner.gThisYearsPlannerDates.back() = "12/31/07";
    EXPECT_EQ(s->planner.gThisYearsPlannerCount(), 366);
    Select(2008, 12, 31);
    prompter.Expect(MsgAnswer::OK, "Bad Planner Count");
    EXPECT_FALSE(SavePlannerRecord(*s));
    EXPECT_EQ(s->planner.gThisYearsPlannerCount(), 366);
}

TEST_F(PlannerStoreTest, FullYearRoundTripsByteForByte) {
    std::string year = FullYear(2009);
    Write("2009/Planner.dat", year);
    Select(2009, 1, 1);
    ReadThisYearsPlanner(*s);
    ASSERT_EQ(s->planner.gThisYearsPlannerCount(), 365);
    RemoveFile(dir + "2009/Planner.dat");
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    ASSERT_TRUE(SaveThisYearsPlannerFile(*s));
    EXPECT_EQ(Read("2009/Planner.dat"), year);
}

TEST_F(PlannerStoreTest, ExtractsFollowTheExpenseAndMileageAreas) {
    PlannerPage plain, spent, drove;
    spent.SetLine(34, "     12.50");  // third expense amount only
    drove.SetLine(39, "Depot");
    drove.SetLine(59, "        42");  // the total alone does not count
    PlannerPage onlyTotal;
    onlyTotal.SetLine(59, "        42");
    Write("2009/Planner.dat", Line(DateSerial(2009, 2, 1), plain) + "\r\n" + Line(DateSerial(2009, 2, 2), spent) +
                                  "\r\n" + Line(DateSerial(2009, 2, 3), drove) + "\r\n" +
                                  Line(DateSerial(2009, 2, 4), onlyTotal) + "\r\n");
    Select(2009, 2, 1);
    ReadThisYearsPlanner(*s);
    const PlannerStore& p = s->planner;
    ASSERT_EQ(p.gThisYearsPlannerCount(), 4);
    EXPECT_FALSE(p.gPlannerHasExpenses[0]);
    EXPECT_EQ(p.gPlannerExpenseTexts[0][0], "");
    EXPECT_TRUE(p.gPlannerHasExpenses[1]);
    EXPECT_EQ(p.gPlannerExpenseAmounts[1][2], "     12.50");
    EXPECT_EQ(p.gPlannerExpenseAmounts[1][0], std::string(10, ' '));
    EXPECT_EQ(p.gPlannerExpenseTexts[1][5], std::string(50, ' '));
    EXPECT_FALSE(p.gPlannerHasMileage[1]);
    EXPECT_TRUE(p.gPlannerHasMileage[2]);
    EXPECT_EQ(p.gPlannerMileageDests[2][0], "Depot" + std::string(75, ' '));
    EXPECT_EQ(p.gPlannerMileageTotals[2][4], std::string(10, ' '));
    EXPECT_FALSE(p.gPlannerHasMileage[3]);
}

TEST_F(PlannerStoreTest, PageOfAnotherYearGoesToItsOwnFileWithItsOwnStamp) {
    Write("2009/Planner.dat", Line(DateSerial(2009, 3, 5), PlannerPage()) + "\r\n");
    Select(2009, 3, 5);
    ReadThisYearsPlanner(*s);
    s->dates.gCurrentCellMonth = 2;  // the cell last clicked in 2009
    s->dates.gCurrentCellColumn = 4;
    Select(2010, 1, 9);  // the planner's day buttons crossed the year end
    SavePage();
    EXPECT_EQ(Read("2010/Planner.dat"), Line(DateSerial(2010, 1, 9), PlannerPage()) + "\r\n");
    EXPECT_EQ(SplitLines(Read("2009/Planner.dat")).size(), 1u);

    // The next-year twins for a six-month view spanning into 2011.
    s->flags.gSpansNextYear = true;
    s->flags.gSpannedYear = 2011;
    s->flags.gViewYear = 2010;
    ReadNextYearsPlanner(*s);
    Select(2011, 2, 28);
    ASSERT_TRUE(SavePlannerRecord2(*s));
    prompter.Expect(MsgAnswer::OK, "Planner Saved");
    ASSERT_TRUE(SaveNextYearsPlannerFile(*s));
    EXPECT_EQ(Read("2011/Planner.dat").substr(0, 16), "02/28/11:010104:");
    EXPECT_EQ(CellStampOf(DateSerial(2011, 2, 28)), "010104");
}

TEST_F(PlannerStoreTest, MissingFileClearsAndBadLinesAreSkipped) {
    PlannerPage page;
    std::string good = Line(DateSerial(2009, 4, 1), page);
    Write("2009/Planner.dat", good.substr(0, 9) + "120000" + good.substr(15) + "\r\n" +  // bad stamp
                                  good + "\r\n" + "04/31/09" + good.substr(8) + "\r\n");
    Select(2009, 4, 1);
    ReadThisYearsPlanner(*s);
    EXPECT_EQ(s->planner.lstPlanner, (std::vector<std::string>{"04/01/09"}));
    // The line with the spoilt stamp is read; the same date again on line 2 is the one left out.
    EXPECT_NE(ErrorLog().find("Line 2 of 2009/Planner.dat was skipped (a second entry for 04/01/09)"),
              std::string::npos);
    EXPECT_NE(ErrorLog().find("Line 3 of 2009/Planner.dat was skipped (bad date)"), std::string::npos);
    s->planner.gThisYearsPlannerIndex = 0;

    Select(2013, 4, 1);
    ReadThisYearsPlanner(*s);
    EXPECT_EQ(s->planner.gThisYearsPlannerCount(), 0);
    EXPECT_TRUE(s->planner.lstPlanner.empty());
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, -1);
    EXPECT_EQ(s->planner.gThisYearsPlannerFlags[3][3][0], 0);
    EXPECT_TRUE(s->planner.gPlannerHasExpenses.empty());
}

TEST_F(PlannerStoreTest, ListDeleteLeavesTheBlankedDayOut) {
    PlannerPage page;
    Write("2009/Planner.dat",
          Line(DateSerial(2009, 4, 1), page) + "\r\n" + Line(DateSerial(2009, 4, 2), page) + "\r\n");
    Select(2009, 4, 1);
    ReadThisYearsPlanner(*s);
    s->planner.gThisYearsPlannerRecords[0] = "";
    s->planner.gSavingAfterListDelete = true;
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    ASSERT_TRUE(SaveThisYearsPlannerFile(*s));
    // The extracts follow the shorter list at once.
    EXPECT_EQ(s->planner.gPlannerHasMileage.size(), 1u);
    ReadThisYearsPlanner(*s);
    EXPECT_EQ(s->planner.lstPlanner, (std::vector<std::string>{"04/02/09"}));
    EXPECT_EQ(s->planner.gThisYearsPlannerFlags[3][3][0], 0);
    EXPECT_FALSE(s->planner.gSavingAfterListDelete);
}

TEST_F(PlannerStoreTest, OpeningADateLoadsItsPageOrLeavesTheBlankOne) {
    PlannerPage stored;
    stored.gTimeBold[1] = true;
    stored.SetLine(1, "dentist");
    stored.gPlannerToDoChecks[2] = true;
    Write("2009/Planner.dat", Line(DateSerial(2009, 4, 1), stored) + "\r\n");

    int replaced = 0, shown = 0;
    s->hooks.ReplaceViewWithPlanner = [&] { ++replaced; };
    s->hooks.ShowPlannerPage = [&] {
        EXPECT_TRUE(s->flags.gPlannerLoading);
        ++shown;
    };
    s->exchange.gPlannerExportFileName = "x.pln";
    s->planner.gExternalPlanner = true;
    Select(2009, 4, 1);
    s->page.Reset();
    OpenThePlanner(*s);
    EXPECT_EQ(s->flags.gCalendarView, 0);
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, 0);
    EXPECT_EQ(s->page.gPlannerLines, stored.gPlannerLines);
    EXPECT_EQ(s->page.gTimeBold, stored.gTimeBold);
    EXPECT_EQ(s->page.gPlannerToDoChecks, stored.gPlannerToDoChecks);
    EXPECT_EQ(s->exchange.gPlannerExportFileName, "");
    EXPECT_FALSE(s->planner.gExternalPlanner);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(shown, 1);

    // A date of the next year without a page: index -1, the reset page stays, the cell is its own.
    Select(2010, 4, 1);
    s->page.Reset();
    OpenThePlanner(*s);
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, -1);
    EXPECT_EQ(s->page.gPlannerLines, PlannerPage().gPlannerLines);
    EXPECT_EQ(s->page.gTimeCaptions[0], "06:00 AM");
    EXPECT_EQ(s->dates.gCurrentCellMonth, 3);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 4);
    EXPECT_EQ(s->dates.gCurrentCellRow, 0);
    EXPECT_EQ(PlannerDateCaption(DateSerial(2010, 4, 1)), "Thursday, April 1 2010");
}

TEST_F(PlannerStoreTest, FailedSaveKeepsTheChangedFlag) {
    Write("2010", "in the way");
    Select(2010, 5, 5);
    s->flags.gPlannerChanged = true;
    ASSERT_TRUE(SavePlannerRecord(*s));
    prompter.Expect(MsgAnswer::OK, "An error occurred in SaveThisYearsPlannerFile.");
    EXPECT_FALSE(SaveThisYearsPlannerFile(*s));
    EXPECT_TRUE(s->flags.gPlannerChanged);
}

} // namespace
