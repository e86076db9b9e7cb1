#include "mainwindow/PickerDate.h"

#include <gtest/gtest.h>

using namespace orvelle;

TEST(PickerDate, ReadsWhatTheListsAndSetDateCombosWrite) {
    EXPECT_EQ(ReadPickerDate("March", "5", "2009", 2026), DateSerial(2009, 3, 5));
    EXPECT_EQ(ReadPickerDate("March", "05", "2009", 2026), DateSerial(2009, 3, 5));
    EXPECT_EQ(ReadPickerDate("october", " 16 ", "2009", 2026), DateSerial(2009, 10, 16));
    EXPECT_EQ(ReadPickerDate("Feb", "29", "2008", 2026), DateSerial(2008, 2, 29));
    EXPECT_EQ(ReadPickerDate("January", "1", "9", 2026), DateSerial(2009, 1, 1));
}

TEST(PickerDate, ImpossibleDatesAreRefused) {
    EXPECT_FALSE(ReadPickerDate("April", "31", "2009", 2026));
    EXPECT_FALSE(ReadPickerDate("February", "29", "2009", 2026));
    EXPECT_FALSE(ReadPickerDate("March", "5", "", 2026));
    EXPECT_FALSE(ReadPickerDate("March", "5", "20x9", 2026));
    EXPECT_FALSE(ReadPickerDate("March", "5", "209", 2026));
    EXPECT_FALSE(ReadPickerDate("Marchember", "5", "2009", 2026));
    EXPECT_FALSE(ReadPickerDate("March", "0", "2009", 2026));
    EXPECT_FALSE(ReadPickerDate("March", "-1", "2009", 2026));
    EXPECT_NE(InvalidPickerDateMessage("April", "31", "2009").find("April 31, 2009"), std::string::npos);
}

TEST(PickerDate, TidyingTheYear) {
    EXPECT_EQ(TidyYearText("9", 2026), "2009");
    EXPECT_EQ(TidyYearText("09", 2026), "2009");
    EXPECT_EQ(TidyYearText("2011", 2026), "2011");
    EXPECT_EQ(TidyYearText("abc", 2026), "abc");
    EXPECT_EQ(TidyYearText("", 2026), "");
}

TEST(PickerDate, Lists) {
    EXPECT_EQ(PickerMonthNames().front(), "January");
    EXPECT_EQ(PickerMonthNames().back(), "December");
    EXPECT_EQ(PickerDays().size(), 31u);
    EXPECT_EQ(PickerDays().front(), "1");
    auto years = PickerYears(2026);
    EXPECT_EQ(years.front(), "2008");
    EXPECT_EQ(years.back(), "2036");
}
