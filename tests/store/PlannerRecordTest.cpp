#include "store/PlannerRecord.h"

#include <gtest/gtest.h>

using namespace orvelle;

namespace {
std::string At(const std::string& record, int pos1, int width) { return record.substr(pos1 - 1, width); }
} // namespace

TEST(PlannerRecord, UntouchedDefaultPageIsTheExactRecord) {
    PlannerPage page;
    std::string expected;
    for (int h = 6; h < 22; ++h) {
        int h12 = h > 12 ? h - 12 : h;
        std::string hh = (h12 < 10 ? "0" : "") + std::to_string(h12);
        expected += hh + ":00 " + (h < 12 ? "AM" : "PM") + "  " + std::string(150, ' ');
    }
    expected += std::string(4090 - 2560, ' ') + std::string(10, '\xF5');
    std::string record = BuildPlannerRecord(page);
    ASSERT_EQ(record.size(), 4100u);
    EXPECT_EQ(record, expected);
    EXPECT_EQ(At(record, 1 + 160 * 15, 10), "09:00 PM  ");
    EXPECT_FALSE(IsBlankText(record));
}

TEST(PlannerRecord, LabelFieldsAreTenBytes) {
    EXPECT_EQ(PlannerLabelField("08:00 AM", true), "B08:00 AM ");
    EXPECT_EQ(PlannerLabelField("08:00 AM", false), "08:00 AM  ");
    EXPECT_EQ(PlannerLabelField("", false), std::string(10, ' '));
    EXPECT_EQ(PlannerLabelField("", true), "B         ");
    // A long caption is cut instead of pushing the line text out of place.
    EXPECT_EQ(PlannerLabelField("10:00:00 AM", false), "10:00:00  ");
    EXPECT_EQ(PlannerLabelField("10:00:00 AM", true), "B10:00:00 ");

    PlannerPage page;
    page.gTimeCaptions[2] = "08:00 AM";
    page.gTimeBold[2] = true;
    page.gTimeCaptions[3] = "a very long caption";
    page.SetLine(3, "text");
    std::string record = BuildPlannerRecord(page);
    EXPECT_EQ(At(record, 1 + 320, 10), "B08:00 AM ");
    EXPECT_EQ(At(record, 1 + 480, 14), "a very l  text");
}

TEST(PlannerRecord, DoneMarksAtTheEnd) {
    PlannerPage page;
    page.gPlannerToDoChecks[0] = true;
    page.gPlannerToDoChecks[9] = true;
    std::string record = BuildPlannerRecord(page);
    EXPECT_EQ(record[4090], '\xF3');
    EXPECT_EQ(record[4099], '\xF3');
    for (int k = 1; k < 9; ++k) EXPECT_EQ(record[4090 + k], '\xF5') << k;
}

TEST(PlannerRecord, FieldsSitAtTheirPositionsAndAreCut) {
    PlannerPage page;
    for (int line = 0; line < 60; ++line) page.SetLine(line, std::string(150, char('A' + line % 26)));
    std::string record = BuildPlannerRecord(page);
    EXPECT_EQ(At(record, 11, 150), std::string(150, 'A'));
    EXPECT_EQ(At(record, 2561, 60), std::string(60, 'Q'));          // line 16
    EXPECT_EQ(At(record, 3101, 60), std::string(60, 'Z'));          // line 25
    EXPECT_EQ(At(record, 3161, 50), std::string(50, 'A'));          // line 26
    EXPECT_EQ(At(record, 3461, 10), std::string(10, 'G'));          // line 32
    EXPECT_EQ(At(record, 3521, 10), std::string(10, 'M'));          // line 38, expense total
    EXPECT_EQ(At(record, 3531, 80), std::string(80, 'N'));          // line 39
    EXPECT_EQ(At(record, 3931, 10), std::string(10, 'S'));          // line 44
    EXPECT_EQ(At(record, 4081, 10), std::string(10, 'H'));          // line 59, total miles
    EXPECT_EQ(PlannerLineField(43).pos + PlannerLineField(43).width, 3930);
}

TEST(PlannerRecord, LineBreaksAndNulInFieldsBecomeBlanks) {
    PlannerPage page;
    page.SetLine(0, std::string("a\r\nb\0c", 6));
    page.gTimeCaptions[1] = "7\r\n";
    std::string record = BuildPlannerRecord(page);
    EXPECT_EQ(At(record, 11, 6), "a  b c");
    EXPECT_EQ(At(record, 161, 10), "7         ");
    EXPECT_EQ(record.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
}

TEST(PlannerRecord, ParsesBackWhatWasBuilt) {
    PlannerPage page;
    page.gTimeCaptions[4] = "";  // continuation line
    page.gTimeBold[5] = true;
    page.SetLine(4, "carried over");
    page.SetLine(20, "call the bank");
    page.SetLine(32, "     12.50");
    page.SetLine(40, "Depot");
    page.gPlannerToDoChecks[3] = true;

    PlannerPage back;
    back.gTimeCaptions.fill("stale");
    ReadPlannerRecord(BuildPlannerRecord(page), back);
    EXPECT_EQ(back.gTimeCaptions, page.gTimeCaptions);
    EXPECT_EQ(back.gTimeBold, page.gTimeBold);
    EXPECT_EQ(back.gPlannerLines, page.gPlannerLines);
    EXPECT_EQ(back.gPlannerToDoChecks, page.gPlannerToDoChecks);
    EXPECT_EQ(back.gTimeCaptions[4], "");
    EXPECT_EQ(back.gPlannerLines[32].substr(0, 10), "     12.50");
}

TEST(PlannerRecord, ShortOrOddRecordsReadSafely) {
    PlannerPage page;
    page.gPlannerToDoChecks.fill(true);
    ReadPlannerRecord("B", page);
    EXPECT_TRUE(page.gTimeBold[0]);
    EXPECT_EQ(page.gTimeCaptions[0], "");
    EXPECT_EQ(page.gTimeCaptions[1], "");
    EXPECT_EQ(page.gPlannerLines[59], std::string(150, ' '));
    for (bool done : page.gPlannerToDoChecks) EXPECT_FALSE(done);
}
