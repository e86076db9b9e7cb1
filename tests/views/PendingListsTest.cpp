#include "store/Alerts.h"
#include "store/Birthdays.h"
#include "views/PendingLists.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

Alerts EightAlerts() {
    Alerts a;
    const char* messages[] = {"zero", "one", "two", "Pay rent", "four", "apple pie", "six", "Call bank"};
    for (int i = 0; i < 8; ++i) {
        a.gAlertMessages.push_back(messages[i]);
        a.gAlertDates.push_back(DateSerial(2009, 3, 10 + i));
        a.gPendingAlertLines.push_back(i == 3 || i == 5 || i == 7 ? "line" : "");
    }
    a.gAlertCount = 8;
    return a;
}

TEST(PendingLists, AlertsSortWithoutCaseKeepTheirIndexAndStopAtTheArrays) {
    auto rows = PendingAlertRows(EightAlerts());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "apple pie");
    EXPECT_EQ(rows[0].index, 5);
    EXPECT_EQ(rows[1].text, "Call bank");
    EXPECT_EQ(rows[1].index, 7);
    EXPECT_EQ(rows[2].text, "Pay rent");
    EXPECT_EQ(rows[2].index, 3);
    EXPECT_EQ(AlertDateCaption(EightAlerts(), 3), "Alert Date = 03/13/09");

    Alerts a = EightAlerts();
    a.gAlertCount = 20;
    EXPECT_EQ(PendingAlertRows(a).size(), 3u);
    a.gAlertCount = 4;
    EXPECT_EQ(PendingAlertRows(a).size(), 1u);
    // A record that went away since the list was filled shows nothing.
    EXPECT_FALSE(AlertDateCaption(a, 7).has_value());
    EXPECT_FALSE(AlertDateCaption(a, -1).has_value());
}

TEST(PendingLists, IndexIsTheNumberAfterTheLastMark) {
    EXPECT_EQ(PendingItemText("Pay rent", 12), "Pay rent\t\t\t\t\xE0" "12");
    EXPECT_EQ(PendingItemIndex(PendingItemText("Pay rent", 12)), 12);
    // A message holding the mark itself.
    EXPECT_EQ(PendingItemIndex(PendingItemText("Caf\xE0 \xE0" "99 bill", 4)), 4);
    EXPECT_FALSE(PendingItemIndex("no mark").has_value());
    EXPECT_FALSE(PendingItemIndex("ends in mark\xE0").has_value());
    EXPECT_FALSE(PendingItemIndex("\xE0" "12a").has_value());
    EXPECT_FALSE(PendingItemIndex("\xE0" "99999").has_value());
}

TEST(PendingLists, BirthdaysShowThisYearsDateAndLeapDaysLiterally) {
    Birthdays b;
    b.gBirthdays = {{"03/15", "5", "zed", "****"}, {"02/29", "5", "Leap", "1980"}, {"12/01", "5", "Amy", "****"}};
    b.gPendingBirthdayLines = {"x", "x", ""};
    b.gBirthdayCount = 3;
    auto rows = PendingBirthdayRows(b);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "Leap");
    EXPECT_EQ(rows[1].text, "zed");
    EXPECT_EQ(BirthdayDateCaption(b, 0, 2012), "Date = 03/15/12");
    EXPECT_EQ(BirthdayDateCaption(b, 1, 2009), "Date = 02/29/09");
    EXPECT_EQ(BirthdayDateCaption(b, 1, 2012), "Date = 02/29/12");
    EXPECT_EQ(BirthdayDateCaption(b, 2, 2100), "Date = 12/01/00");
    EXPECT_FALSE(BirthdayDateCaption(b, 3, 2009).has_value());
}

} // namespace
} // namespace orvelle
