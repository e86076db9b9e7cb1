#include "store/DateTools.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(DateTools, CountsUnitBoundariesBetweenTwoDates) {
    Date a = DateSerial(2008, 12, 31), b = DateSerial(2009, 1, 1);
    const std::pair<const char*, const char*> expected[] = {{"yyyy", "1"}, {"q", "1"}, {"m", "1"}, {"w", ""},
                                                            {"d", "1"}, {"h", "24"}, {"n", "1,440"}, {"s", "86,400"}};
    for (auto [code, text] : expected) EXPECT_EQ(FormatDateDiff(DateDiff(code, a, b)), text) << code;
    EXPECT_EQ(FormatDateDiff(DateDiff("s", DateSerial(2008, 1, 1), DateSerial(2020, 1, 1))), "378,691,200");
    EXPECT_EQ(FormatDateDiff(DateDiff("d", DateSerial(2009, 3, 15), DateSerial(2009, 3, 5))), "-10");
    EXPECT_EQ(DateDiff("w", DateSerial(2009, 3, 1), DateSerial(2009, 3, 14)), 1);
    EXPECT_EQ(DateDiff("m", DateSerial(2009, 1, 31), DateSerial(2009, 2, 1)), 1);
    // Seconds across millennia need more than 32 bits.
    EXPECT_EQ(DateDiff("s", DateSerial(100, 1, 1), DateSerial(9999, 12, 31)), 312413673600LL);
}

TEST(DateTools, RecognizesTypedDatesInUsForms) {
    int now = 2026;
    Date july4 = DateSerial(1976, 7, 4);
    for (const char* text : {"7/4/1976", "07-04-1976", "Jul 04, 1976", "July 4 1976", "4 July 1976", "1976-07-04",
                             "7/4/1976 10:30 PM", "JULY 4, 1976"})
        EXPECT_EQ(RecognizeDate(text, now), july4) << text;
    EXPECT_EQ(RecognizeDate("7/4/76", now), july4);
    EXPECT_EQ(RecognizeDate("7/4/30", now), DateSerial(2030, 7, 4));
    EXPECT_EQ(RecognizeDate("3/5", now), DateSerial(2026, 3, 5));
    for (const char* text : {"", "tomorrow", "2/30/2009", "February 30, 2009", "13/1/2009", "7/4/1976 25:00",
                             "1/2/3/4", "March", "99999999999/1/2009"})
        EXPECT_FALSE(RecognizeDate(text, now)) << text;
    EXPECT_EQ(FormatMmmDdYyyy(DateSerial(2008, 10, 5)), "Oct 05, 2008");
}

TEST(DateTools, ListsEveryWeekdayOfAPeriodUpToTheCap) {
    // March 2009 has five Mondays; a Tuesday-to-Thursday period has no Saturday.
    WeekdayOccurrences mondays = FindWeekdays(DateSerial(2009, 3, 1), DateSerial(2009, 3, 31), 1);
    EXPECT_EQ(mondays.count, 5);
    EXPECT_EQ(mondays.dates.front(), DateSerial(2009, 3, 2));
    EXPECT_EQ(FindWeekdays(DateSerial(2009, 3, 3), DateSerial(2009, 3, 5), 6).count, 0);
    EXPECT_EQ(FindWeekdays(DateSerial(2009, 3, 9), DateSerial(2009, 3, 9), 1).count, 1);
    EXPECT_EQ(FindWeekdays(DateSerial(2009, 3, 9), DateSerial(2009, 3, 1), 1).count, 0);
    WeekdayOccurrences many = FindWeekdays(DateSerial(1000, 1, 1), DateSerial(9000, 1, 1), 0);
    EXPECT_TRUE(many.tooMany);
    EXPECT_EQ(many.count, kMaxWeekdayRows + 1);
    EXPECT_EQ(many.dates.size(), static_cast<size_t>(kMaxWeekdayRows));
}

} // namespace
} // namespace orvelle
