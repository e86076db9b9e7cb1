#include "render/CalendarSurfaces.h"
#include "render/SixMonthLayout.h"

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

const SixMonthDay* Find(const SixMonthLayout& l, Date d) {
    for (const auto& day : l.days)
        if (day.date == d) return &day;
    return nullptr;
}

} // namespace

TEST(SixMonthLayout, JulyStaysInItsYear) {
    SixMonthLayout l = LayOutSixMonths(DateSerial(2009, 7, 20));
    EXPECT_FALSE(l.spansNextYear);
    EXPECT_EQ(l.spannedYear, 0);
    EXPECT_EQ(l.boxes[0].caption, "July, 2009");
    EXPECT_EQ(l.boxes[0].tag, "2009070");
    EXPECT_EQ(l.boxes[5].caption, "December, 2009");
    EXPECT_EQ(l.boxes[5].tag, "2009125");
    // Every day from 1 July to 31 December, once, in date order.
    ASSERT_EQ(l.days.size(), 184u);
    EXPECT_EQ(l.days.front().date, DateSerial(2009, 7, 1));
    EXPECT_EQ(l.days.back().date, DateSerial(2009, 12, 31));
    for (size_t i = 1; i < l.days.size(); ++i) EXPECT_EQ(l.days[i].date, l.days[i - 1].date + 1);
}

TEST(SixMonthLayout, AugustRunsIntoTheNextYear) {
    SixMonthLayout l = LayOutSixMonths(DateSerial(2009, 8, 31));
    EXPECT_TRUE(l.spansNextYear);
    EXPECT_EQ(l.spannedYear, 2010);
    EXPECT_EQ(l.boxes[5].year, 2010);
    EXPECT_EQ(l.boxes[5].month, 1);
    EXPECT_EQ(l.boxes[5].tag, "2010015");
    EXPECT_EQ(l.boxes[5].caption, "January, 2010");
    EXPECT_EQ(l.boxes[4].tag, "2009124");
    EXPECT_EQ(l.days.back().date, DateSerial(2010, 1, 31));
    EXPECT_EQ(Find(l, DateSerial(2010, 1, 1))->box, 5);
}

TEST(SixMonthLayout, CellsFollowTheYearGrid) {
    // August 2009 starts on a Saturday: the 1st alone in row 0, the 30th and 31st in row 5.
    SixMonthLayout l = LayOutSixMonths(DateSerial(2009, 8, 1));
    const SixMonthDay* first = Find(l, DateSerial(2009, 8, 1));
    EXPECT_EQ(first->column, 6);
    EXPECT_EQ(first->row, 0);
    const SixMonthDay* second = Find(l, DateSerial(2009, 8, 2));
    EXPECT_EQ(second->column, 0);
    EXPECT_EQ(second->row, 1);
    EXPECT_EQ(Find(l, DateSerial(2009, 8, 31))->row, 5);
    // The same cell every other store addresses the date by, in both years.
    for (const auto& d : l.days) {
        Cell c = CellOf(d.date);
        EXPECT_EQ(c.column, d.column);
        EXPECT_EQ(c.row, d.row);
        EXPECT_EQ(c.month + 1, l.boxes[d.box].month);
    }
}

TEST(SixMonthTag, ReadsBackWhatIsWritten) {
    auto t = ParseSixMonthTag(SixMonthTag(2010, 1, 5));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->year, 2010);
    EXPECT_EQ(t->month, 1);
    EXPECT_EQ(t->index, 5);
    EXPECT_FALSE(ParseSixMonthTag(""));
    EXPECT_FALSE(ParseSixMonthTag("201001"));
    EXPECT_FALSE(ParseSixMonthTag("2010135"));
    EXPECT_FALSE(ParseSixMonthTag("2010006"));
    EXPECT_FALSE(ParseSixMonthTag("20x0015"));
}
