#include "store/Dates.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace orvelle;

TEST(Dates, SerialsMatchKnownDays) {
    EXPECT_EQ(DateSerial(1899, 12, 30), 0);
    EXPECT_EQ(DateSerial(2026, 12, 15), 46371);
    EXPECT_EQ(Weekday(46371), 3); // a Tuesday
    EXPECT_EQ(DateSerial(2009, 1, 1), 39814);
    EXPECT_EQ(Weekday(DateSerial(2009, 1, 1)), 5); // Thursday
    Ymd y = SplitDate(DateSerial(2008, 2, 29));
    EXPECT_EQ(y.year, 2008);
    EXPECT_EQ(y.month, 2);
    EXPECT_EQ(y.day, 29);
    // Month and day overflow roll into the next month or year.
    EXPECT_EQ(DateSerial(2009, 13, 1), DateSerial(2010, 1, 1));
    EXPECT_EQ(DateSerial(2009, 3, 0), DateSerial(2009, 2, 28));
}

TEST(Dates, CellsAgreeWithTheCalendar) {
    using namespace std::chrono;
    for (int year = 2008; year <= 2040; ++year) {
        for (sys_days d = sys_days{std::chrono::year{year} / 1 / 1}; d <= sys_days{std::chrono::year{year} / 12 / 31};
             d += days{1}) {
            year_month_day ymd{d};
            Date serial = DateSerial(year, static_cast<int>(static_cast<unsigned>(ymd.month())),
                                     static_cast<int>(static_cast<unsigned>(ymd.day())));
            Cell c = CellOf(serial);
            weekday first{sys_days{ymd.year() / ymd.month() / 1}};
            int row = (static_cast<int>(first.c_encoding()) + static_cast<int>(static_cast<unsigned>(ymd.day())) - 1) / 7;
            ASSERT_EQ(c.column, static_cast<int>(weekday{d}.c_encoding()));
            ASSERT_EQ(c.row, row);
            ASSERT_EQ(c.month, static_cast<int>(static_cast<unsigned>(ymd.month())) - 1);
        }
    }
    EXPECT_EQ(CellStampOf(DateSerial(2009, 1, 1)), "000400");
}

TEST(Dates, TwoDigitYearsTakeTheirContext) {
    EXPECT_EQ(ParseMmDdYy("03/05/09", 2009), DateSerial(2009, 3, 5));
    EXPECT_EQ(ParseMmDdYy("03/05/31", 2031), DateSerial(2031, 3, 5)); // no 1930-2029 window
    EXPECT_EQ(ParseMmDdYy("02/29/09", 2009), std::nullopt);
    EXPECT_EQ(ParseMmDdYy("ab/05/09", 2009), std::nullopt);
    EXPECT_EQ(ParseMmDdYy("", 2009), std::nullopt);
    EXPECT_EQ(ExpandTwoDigitYear(45, 2026), 2045);
    EXPECT_EQ(ExpandTwoDigitYear(46, 2026), 1946);
    EXPECT_EQ(ExpandTwoDigitYear(30, 2026), 2030);
}

TEST(Dates, FixedEnglishFormats) {
    Date d = DateSerial(2009, 3, 5);
    EXPECT_EQ(FormatMmDdYy(d), "03/05/09");
    EXPECT_EQ(FormatShortDate(d), "3/5/2009");
    EXPECT_EQ(FormatLongDate(d), "Thursday, March 5, 2009");
    EXPECT_EQ(FormatGeneralDate(d, 14 * 3600 + 5 * 60 + 9), "3/5/2009 2:05:09 PM");
    EXPECT_EQ(FormatMediumTime(6 * 3600), "06:00 AM");
    EXPECT_EQ(FormatMediumTime(12 * 3600 + 30 * 60), "12:30 PM");
    EXPECT_EQ(FormatMediumTime(0), "12:00 AM");
    EXPECT_EQ(MonthFromName("october"), 10);
    EXPECT_EQ(MonthFromName("Sep"), 9);
    EXPECT_EQ(MonthFromName("Foo"), 0);
}
