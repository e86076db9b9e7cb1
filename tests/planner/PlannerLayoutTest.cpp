#include "planner/PlannerLayout.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

struct BoxRow {
    int box, left, top, width;
    const char* tag;
    int maxChars;
    const char* type;
};

// Spot checks of every section, first and last rows included.
TEST(PlannerLayout, BoxesStandWhereThePageTableSays) {
    const BoxRow rows[] = {
        {0, 1800, 1620, 9495, "150.Stop", 150, "Stop"},     {15, 1800, 7020, 9495, "150.Stop", 150, "Stop"},
        {16, 1185, 8160, 4695, "060.ToDo", 60, "ToDO"},     {20, 1185, 9600, 4695, "060.ToDo", 60, "ToDO"},
        {21, 6585, 8160, 4695, "060.ToDo", 60, "ToDO"},     {25, 6585, 9600, 4695, "060.ToDo", 60, "ToDO"},
        {26, 840, 10540, 3780, "050.Expense", 50, "Expense"}, {27, 6240, 10540, 3780, "050.Expense", 50, "Expense"},
        {31, 6240, 11260, 3780, "050.Expense", 50, "Expense"}, {32, 4860, 10540, 1020, "010.ExpAmt", 10, "ExpAmt"},
        {37, 10260, 11260, 1020, "010.ExpAmt", 10, "ExpAmt"}, {38, 10260, 11620, 1020, "010.ExpAmt", 10, "ExpAmt"},
        {39, 840, 12750, 6255, "080.Dest", 80, "Dest"},     {43, 840, 14190, 6255, "080.Dest", 80, "Dest"},
        {44, 7320, 12750, 1215, "010.Begin", 10, "Begin"},  {48, 7320, 14190, 1215, "010.Begin", 10, "Begin"},
        {49, 8700, 12750, 1215, "010.End", 10, "End"},      {53, 8700, 14190, 1215, "010.End", 10, "End"},
        {54, 10080, 12750, 1215, "010.Total", 10, "Total"}, {58, 10080, 14190, 1215, "010.Total", 10, "Total"},
        {59, 10080, 14550, 1215, "010.Total", 10, "Total"},
    };
    const PlannerLayout& p = StandardPlannerLayout();
    for (const BoxRow& r : rows) {
        SCOPED_TRACE(r.box);
        const PlannerBoxSpec& b = p.boxes[r.box];
        EXPECT_EQ(b.left, r.left);
        EXPECT_EQ(b.top, r.top);
        EXPECT_EQ(b.width, r.width);
        EXPECT_EQ(b.tag, r.tag);
        EXPECT_EQ(b.maxChars, r.maxChars);
        EXPECT_EQ(b.type, r.type);
    }
}

TEST(PlannerLayout, RowsKeepTheLinePitchAndColumnsPairUp) {
    const PlannerLayout& p = StandardPlannerLayout();
    for (int i = 1; i < 16; ++i) EXPECT_EQ(p.boxes[i].top - p.boxes[i - 1].top, 360) << i;
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(p.boxes[26 + 2 * r].top, p.boxes[27 + 2 * r].top);
        EXPECT_EQ(p.boxes[32 + 2 * r].top, p.boxes[26 + 2 * r].top);
        EXPECT_EQ(p.boxes[33 + 2 * r].top, p.boxes[26 + 2 * r].top);
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(p.boxes[44 + r].top, p.boxes[39 + r].top);
        EXPECT_EQ(p.boxes[54 + r].top, p.boxes[39 + r].top);
    }
    // Nothing leaves the page.
    for (const auto& b : p.boxes) {
        EXPECT_LE(b.left + b.width, PlannerLayout::kPageWidth);
        EXPECT_LE(b.top + PlannerLayout::kBoxHeight, PlannerLayout::kPageHeight);
    }
}

TEST(PlannerLayout, TimeLabelsAndCheckImagesSitBesideTheirLines) {
    const PlannerLayout& p = StandardPlannerLayout();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(p.timeLabels[i].left, 840);
        EXPECT_EQ(p.timeLabels[i].top, p.boxes[i].top);
    }
    EXPECT_EQ(p.checkImages[0].left, 840);
    EXPECT_EQ(p.checkImages[0].top, 8190);
    EXPECT_EQ(p.checkImages[4].top, 8190 + 4 * 360);
    EXPECT_EQ(p.checkImages[5].left, 6240);
    EXPECT_EQ(p.checkImages[5].top, 8190);
    EXPECT_EQ(p.checkImages[9].top, 9630);
    EXPECT_EQ(p.dayButtons[0].left, 1800);
    EXPECT_EQ(p.dayButtons[1].left, 9840);
    EXPECT_EQ(p.dayButtons[1].top, 1320);
}

// Where a pixel is not 15 twips the image changes width and the to-do text follows it.
TEST(PlannerLayout, ToDoTextFollowsTheCheckImageWidth) {
    PlannerLayout p = BuildPlannerLayout(272);
    EXPECT_EQ(p.checkImages[0].left, 840);
    EXPECT_EQ(p.boxes[16].left, 840 + 272 + 90);
    EXPECT_EQ(p.boxes[21].left, 6240 + 272 + 90);
}

TEST(PlannerLayout, SectionLabelsFollowTheirOwnWidth) {
    const auto& lbl = StandardPlannerLayout().sectionLabels;
    EXPECT_EQ(lbl[0].caption, "Appointments - Events - Meetings");
    EXPECT_EQ(lbl[0].top, 1200);
    EXPECT_DOUBLE_EQ(lbl[0].LeftFor(3000), PlannerLayout::kFormCenterX - 1500);
    EXPECT_EQ(lbl[1].top, 7740);
    // Both expense columns carry the same heading pair.
    EXPECT_EQ(lbl[2].caption, "Expenditures");
    EXPECT_EQ(lbl[4].caption, "Expenditures");
    EXPECT_EQ(lbl[3].caption, "Amount");
    EXPECT_EQ(lbl[5].caption, "Amount");
    EXPECT_DOUBLE_EQ(lbl[2].LeftFor(1000), 2730 - 500);
    EXPECT_DOUBLE_EQ(lbl[3].LeftFor(1000), 5370 - 500);
    EXPECT_DOUBLE_EQ(lbl[4].LeftFor(1000), 8130 - 500);
    EXPECT_DOUBLE_EQ(lbl[5].LeftFor(1000), 10770 - 500);
    const int dollars[7][2] = {{4740, 10600}, {10140, 10600}, {4740, 10960}, {10140, 10960},
                               {4740, 11320}, {10140, 11320}, {10140, 11680}};
    for (int k = 6; k <= 12; ++k) {
        EXPECT_EQ(lbl[k].caption, "$");
        EXPECT_DOUBLE_EQ(lbl[k].LeftFor(90), dollars[k - 6][0]) << k;
        EXPECT_EQ(lbl[k].top, dollars[k - 6][1]) << k;
    }
    EXPECT_EQ(lbl[13].top, 11680);
    EXPECT_DOUBLE_EQ(lbl[13].LeftFor(1500), 9900 - 1500);
    EXPECT_EQ(lbl[14].top, 12150);
    EXPECT_DOUBLE_EQ(lbl[15].LeftFor(0), 3967.5);
    EXPECT_DOUBLE_EQ(lbl[16].LeftFor(0), 7927.5);
    EXPECT_DOUBLE_EQ(lbl[17].LeftFor(0), 9307.5);
    EXPECT_DOUBLE_EQ(lbl[18].LeftFor(0), 10687.5);
    EXPECT_EQ(lbl[18].top, 12450);
    EXPECT_EQ(lbl[19].caption, "Total Mileage");
    EXPECT_EQ(lbl[19].top, 14640);
    EXPECT_DOUBLE_EQ(lbl[19].LeftFor(1200), 9840 - 1200);
}

} // namespace
} // namespace orvelle
