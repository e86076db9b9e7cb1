#include "views/GridHitTest.h"
#include "views/ViewNavigation.h"

#include <gtest/gtest.h>

using namespace orvelle;

TEST(GridHitTest, GridLinesGoToTheEvenNeighbour) {
    EXPECT_EQ(HitTestCell(0.0f, 3.0f).column, 0);
    EXPECT_EQ(HitTestCell(1.0f, 3.0f).column, 0);
    EXPECT_EQ(HitTestCell(2.0f, 3.0f).column, 2);
    EXPECT_EQ(HitTestCell(3.0f, 3.0f).column, 2);
    EXPECT_EQ(HitTestCell(4.0f, 3.0f).column, 4);
    EXPECT_EQ(HitTestCell(6.99f, 3.0f).column, 6);
    EXPECT_EQ(HitTestCell(3.5f, 1.75f).row, 0);
    EXPECT_EQ(HitTestCell(3.5f, 2.75f).row, 2);
    EXPECT_EQ(HitTestCell(3.5f, 6.74f).row, 5);
    EXPECT_TRUE(HitTestCell(3.5f, 6.74f).InGrid());
}

TEST(GridHitTest, HeadBandSelectsNothing) {
    EXPECT_TRUE(HitTestCell(2.5f, 0.75f).inHeader);
    EXPECT_TRUE(HitTestCell(2.5f, 0.1f).inHeader);
    EXPECT_FALSE(HitTestCell(2.5f, 0.76f).inHeader);
    EXPECT_FALSE(HitTestCell(2.5f, 0.5f).InGrid());
    // Dragged out of the box: never a grid index.
    EXPECT_FALSE(HitTestCell(7.6f, 3.0f).InGrid());
    EXPECT_FALSE(HitTestCell(-0.6f, 3.0f).InGrid());
    EXPECT_FALSE(HitTestCell(3.0f, 7.3f).InGrid());
}

TEST(ViewNavigation, OneMonthCrossesTheYearEnd) {
    EXPECT_EQ(StepOneMonth(DateSerial(2009, 12, 17), +1), DateSerial(2010, 1, 1));
    EXPECT_EQ(StepOneMonth(DateSerial(2010, 1, 31), -1), DateSerial(2009, 12, 1));
    EXPECT_EQ(StepOneMonth(DateSerial(2009, 3, 31), +1), DateSerial(2009, 4, 1));
}

TEST(ViewNavigation, SixMonthsStepsHalfAYear) {
    EXPECT_EQ(StepSixMonths(DateSerial(2009, 6, 10), +1), DateSerial(2009, 12, 1));
    EXPECT_EQ(StepSixMonths(DateSerial(2009, 7, 10), +1), DateSerial(2010, 1, 1));
    EXPECT_EQ(StepSixMonths(DateSerial(2009, 6, 10), -1), DateSerial(2008, 12, 1));
    EXPECT_EQ(StepSixMonths(DateSerial(2009, 7, 10), -1), DateSerial(2009, 1, 1));
}

TEST(ViewNavigation, TwelveMonthsGoesToFirstOfJanuary) {
    EXPECT_EQ(StepOneYear(2009, +1), DateSerial(2010, 1, 1));
    EXPECT_EQ(StepOneYear(2009, -1), DateSerial(2008, 1, 1));
}
