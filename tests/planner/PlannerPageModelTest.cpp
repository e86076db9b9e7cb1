#include "planner/PlannerPageModel.h"
#include "store/PlannerRecord.h"
#include "store/Store.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

class PlannerPageModelTest : public ::testing::Test {
protected:
    Store store{"/nonexistent/orvelle-test/"};
    PlannerPageModel model{store};
};

TEST_F(PlannerPageModelTest, ResetGivesHourlyCaptionsAndAnEmptyPage) {
    model.TextChanged(3, "dentist");
    store.page.gTimeBold[2] = true;
    store.page.gPlannerToDoChecks[4] = true;
    store.flags.gPlannerChanged = false;

    model.InitializePage();
    const char* expected[16] = {"06:00 AM", "07:00 AM", "08:00 AM", "09:00 AM", "10:00 AM", "11:00 AM",
                                "12:00 PM", "01:00 PM", "02:00 PM", "03:00 PM", "04:00 PM", "05:00 PM",
                                "06:00 PM", "07:00 PM", "08:00 PM", "09:00 PM"};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(model.TimeCaption(i), expected[i]);
        EXPECT_FALSE(model.TimeBold(i));
        EXPECT_EQ(model.LineType(i), "Stop");
    }
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(model.BoxText(i), "");
        EXPECT_EQ(store.page.gPlannerLines[i], std::string(150, ' '));
    }
    for (int k = 0; k < 10; ++k) EXPECT_FALSE(model.IsDone(k));
    EXPECT_FALSE(store.flags.gPlannerChanged);
    EXPECT_FALSE(store.flags.gPlannerLoading);
}

TEST_F(PlannerPageModelTest, TypingFillsTheSlotAndMarksTheEditOnlyOutsideLoading) {
    model.TextChanged(16, "Call the bank");
    EXPECT_TRUE(store.flags.gPlannerChanged);
    EXPECT_EQ(store.page.gPlannerLines[16], "Call the bank" + std::string(150 - 13, ' '));
    model.TextChanged(0, std::string(200, 'x'));
    EXPECT_EQ(store.page.gPlannerLines[0], std::string(150, 'x'));

    store.flags.gPlannerChanged = false;
    store.flags.gPlannerLoading = true;
    model.TextChanged(17, "while loading");
    EXPECT_FALSE(store.flags.gPlannerChanged);
    EXPECT_EQ(store.page.gPlannerLines[17], std::string(150, ' '));
}

TEST_F(PlannerPageModelTest, PageSurvivesARoundTripThroughTheRecord) {
    model.TextChanged(0, "Breakfast with Ann");
    model.TextChanged(15, "Late call");
    model.TextChanged(25, "Last to-do \xE9t\xE9");  // Windows-1252 bytes pass untouched
    model.TextChanged(31, "Taxi");
    model.TextChanged(37, "12.50");
    model.TextChanged(38, "12.50");
    model.TextChanged(43, "Airport");
    model.TextChanged(59, "46");
    store.page.gTimeBold[2] = true;
    store.page.gTimeCaptions[5].clear();
    store.page.gPlannerToDoChecks[0] = true;
    store.page.gPlannerToDoChecks[9] = true;
    const std::string record = BuildPlannerRecord(store.page);
    ASSERT_EQ(record.size(), 4100u);

    Store other{"/nonexistent/orvelle-test-2/"};
    PlannerPageModel back{other};
    back.InitializePage();
    back.ParsePlannerRecord(record);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(back.BoxText(i), model.BoxText(i)) << i;
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(back.TimeCaption(i), model.TimeCaption(i)) << i;
        EXPECT_EQ(back.TimeBold(i), model.TimeBold(i)) << i;
    }
    for (int k = 0; k < 10; ++k) EXPECT_EQ(back.IsDone(k), k == 0 || k == 9) << k;
    EXPECT_EQ(BuildPlannerRecord(other.page), record);
    EXPECT_FALSE(other.flags.gPlannerChanged);
}

TEST_F(PlannerPageModelTest, LineTypesFollowTheCaptionsOfEveryLoadedPage) {
    PlannerPage page;
    page.gTimeCaptions[5].clear();   // line 4 continues into line 5
    page.gTimeCaptions[15].clear();  // line 14 continues into line 15
    page.gTimeBold[5] = true;
    model.ParsePlannerRecord(BuildPlannerRecord(page));
    EXPECT_EQ(model.TimeCaption(5), "");
    EXPECT_TRUE(model.TimeBold(5));
    EXPECT_EQ(model.LineType(4), "Push");
    EXPECT_EQ(model.LineTag(4), "150.Push");
    EXPECT_EQ(model.LineType(14), "Push");
    EXPECT_EQ(model.LineType(15), "Stop");
    EXPECT_EQ(model.LineType(5), "Stop");

    // The next date's record has every caption: no line may stay a stale "Push".
    model.ParsePlannerRecord(BuildPlannerRecord(PlannerPage{}));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(model.LineType(i), "Stop") << i;

    model.ParsePlannerRecord(BuildPlannerRecord(page));
    model.InitializePage();
    EXPECT_EQ(model.LineType(4), "Stop");
    EXPECT_EQ(model.LineTag(16), "060.ToDo");
    EXPECT_EQ(model.LineType(16), "ToDO");
    EXPECT_EQ(model.LineTag(38), "010.ExpAmt");
    EXPECT_EQ(model.MaxChars(39), 80);
}

TEST_F(PlannerPageModelTest, ShortOrOddRecordsReadAsBlanks) {
    std::string record(2565, ' ');
    record.replace(0, 10, "B         ");           // bold, empty caption
    record.replace(160 + 10, 8, "  padded");         // leading blanks stay in the slot
    record.replace(2560, 5, "To do");
    model.ParsePlannerRecord(record);
    EXPECT_EQ(model.TimeCaption(0), "");
    EXPECT_TRUE(model.TimeBold(0));
    EXPECT_EQ(model.TimeCaption(1), "");
    EXPECT_EQ(model.BoxText(1), "padded");
    EXPECT_EQ(store.page.gPlannerLines[1].substr(0, 8), "  padded");
    EXPECT_EQ(model.BoxText(16), "To do");
    EXPECT_EQ(model.BoxText(59), "");
    for (int k = 0; k < 10; ++k) EXPECT_FALSE(model.IsDone(k));

    std::string marks = BuildPlannerRecord(PlannerPage{});
    marks[4090] = '\xF3';
    marks[4091] = ' ';
    marks[4092] = 'x';
    model.ParsePlannerRecord(marks);
    EXPECT_TRUE(model.IsDone(0));
    EXPECT_FALSE(model.IsDone(1));
    EXPECT_FALSE(model.IsDone(2));
}

TEST_F(PlannerPageModelTest, TotalsWriteTheComputedBoxes) {
    model.TextChanged(32, "10");
    model.TextChanged(34, "2.5");
    EXPECT_TRUE(model.AddTheAmounts());
    EXPECT_EQ(model.BoxText(38), "12.50");
    EXPECT_EQ(store.page.gPlannerLines[38].substr(0, 5), "12.50");
    EXPECT_FALSE(model.AddTheAmounts());
    model.TextChanged(32, "");
    model.TextChanged(34, "");
    EXPECT_TRUE(model.AddTheAmounts());
    EXPECT_EQ(model.BoxText(38), "");  // a zero sum empties the box

    model.TextChanged(44, "12000");
    model.TextChanged(49, "12045.5");
    EXPECT_EQ(model.AddTheMiles(49), 54);
    EXPECT_EQ(model.BoxText(54), "46");
    EXPECT_EQ(model.BoxText(59), "46");
    model.TextChanged(45, "100.5");
    model.TextChanged(50, "101");
    EXPECT_EQ(model.AddTheMiles(45), 55);
    EXPECT_EQ(model.BoxText(55), "");
    EXPECT_EQ(model.BoxText(59), "46");
    EXPECT_EQ(model.AddTheMiles(54), -1);
    model.TextChanged(49, "");
    model.AddTheMiles(44);
    EXPECT_EQ(model.BoxText(54), "");
    EXPECT_EQ(model.BoxText(59), "");
}

} // namespace
} // namespace orvelle
