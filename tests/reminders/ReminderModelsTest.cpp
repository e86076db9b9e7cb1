#include "ReminderTestSupport.h"

#include "reminders/AlarmTime.h"
#include "store/AlertBook.h"
#include "store/BirthdayBook.h"
#include "store/HolidayBook.h"

using namespace orvelle;
using orvelle::test::ReminderTest;

TEST(AlertRecord, PeriodAndDateAreCheckedAndTheMessageIsOneLine) {
    AlertCheck c = BuildAlertRecord("03/10/09", "0", "Dentist\r\nat 9", 2009);
    EXPECT_EQ(c.line, "39882:0000:Dentist  at 9");
    EXPECT_EQ(BuildAlertRecord("Mar 10, 2009", "7", "x", 2009).line, "39882:0007:x");
    EXPECT_EQ(BuildAlertRecord("03/10/09", "", "x", 2009).error, kAlertPeriodEmpty);
    // Past the box's own check (the save shortcut, pasted text): still four digits at most.
    EXPECT_EQ(BuildAlertRecord("03/10/09", "12345", "x", 2009).error, kAlertPeriodTooLong);
    EXPECT_EQ(BuildAlertRecord("03/10/09", "1x", "x", 2009).error, kAlertPeriodTooLong);
    EXPECT_EQ(BuildAlertRecord("02/30/09", "1", "x", 2009).field, AlertCheck::Field::Date);
    EXPECT_EQ(BuildAlertRecord("1/1/1920", "1", "x", 2009).field, AlertCheck::Field::Date); // four-digit serial
    EXPECT_EQ(BuildAlertRecord("10/14/2173", "1", "x", 2009).field, AlertCheck::Field::Date); // six digits
    EXPECT_EQ(BuildAlertRecord("05/18/1927", "1", "x", 2009).line.substr(0, 5), "10000");
}

TEST_F(ReminderTest, AlertBookSortsByLineAndKeepsEachAlertsOwnPendingState) {
    // Written by another tool in no order: the pending alert must stay pending after sorting.
    Write("Alerts.dat", "39900:0000:late\r\n39878:0003:soon\r\n39878:0003:Alpha\r\n39876:0001:gone\r\n");
    ReadAlerts(*s);
    AlertBook b = AlertBook::From(s->alerts);
    ASSERT_EQ(b.entries.size(), 4u);
    EXPECT_EQ(b.Lines(), (std::vector<std::string>{"39876:0001:gone", "39878:0003:Alpha", "39878:0003:soon",
                                                   "39900:0000:late"}));
    EXPECT_EQ(b.Listed(true), (std::vector<int>{1, 2}));
    b.Add("39877:0002:today");
    EXPECT_EQ(b.entries[1].line, "39877:0002:today");
    // Whole days: yesterday goes, today stays, also late in the evening.
    SetToday(2009, 3, 5, 23 * 3600 + 59 * 60);
    EXPECT_EQ(b.RemoveExpired(Clock::Today()), 1);
    EXPECT_EQ(b.entries.front().line, "39877:0002:today");
}

TEST_F(ReminderTest, HolidayKeysAndFilesAreByteExact) {
    EXPECT_EQ(HolidayKeyFor("7/4", 2009, 2009), "07/04/09");
    EXPECT_EQ(HolidayKeyFor("12/25/2012", 2009, 2009), "12/25/09");
    EXPECT_EQ(HolidayKeyFor("Jul 04, 2010", 2010, 2009), "07/04/10");
    EXPECT_FALSE(HolidayKeyFor("2/29", 2009, 2008)); // no such day in the list's year
    EXPECT_FALSE(HolidayKeyFor("2/29/2008", 2009, 2009));
    EXPECT_EQ(HolidayKeyFor("2/29", 2012, 2009), "02/29/12");
    EXPECT_FALSE(HolidayKeyFor("13/1", 2009, 2009));

    HolidayBook b = HolidayBook::Read(*s, 2009);
    EXPECT_FALSE(b.fileExists);
    b.Put("12/25/09", "Christmas");
    b.Put("07/04/09", " Independence Day");
    b.Put("01/01/09", "New Year");
    b.Put("12/25/09", "Christmas Day"); // one holiday a date
    ASSERT_TRUE(b.Save(*s));            // the folder is made when missing
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"),
              "01/01/09:New Year\r\n07/04/09: Independence Day\r\n12/25/09:Christmas Day\r\n");
    HolidayBook again = HolidayBook::Read(*s, 2009);
    EXPECT_EQ(again.lines, b.lines);
    EXPECT_EQ(HolidayDateShown(again.lines[1], 2009), "Jul 04, 2009");
    for (const std::string& l : b.lines) again.Remove(l);
    ASSERT_TRUE(again.Save(*s));
    EXPECT_FALSE(PathIsFile(dir + "Holidays/2009Holidays.dat"));
}

TEST(BirthdayNames, SuffixesCountAsTheWholeLastWordOnly) {
    EXPECT_EQ(BirthdayDisplayName("Alan Reed Jr."), "Reed Jr., Alan");
    EXPECT_EQ(BirthdayDisplayName("Alan Reed, Jr."), "Reed, Jr., Alan");
    EXPECT_EQ(BirthdayDisplayName("Alan Reed III"), "Reed III, Alan");
    EXPECT_EQ(BirthdayDisplayName("Ruth Ann Cole"), "Cole, Ruth Ann");
    EXPECT_EQ(BirthdayDisplayName("Bo"), "Bo");
    EXPECT_EQ(BirthdayDisplayName("Nina Irwin"), "Irwin, Nina");
    EXPECT_EQ(BirthdayDisplayName("Ivan Srinivasan"), "Srinivasan, Ivan");
    EXPECT_EQ(BirthdayDisplayName("Tom Sr"), "Tom");
}

TEST(BirthdayAges, CountWholeYearsAcrossLeapDays) {
    BirthdayRecord r{"03/15", "7", "Kim", "2000"};
    EXPECT_EQ(BirthdayAge(r, {DateSerial(2009, 3, 14), 0}), 8);
    EXPECT_EQ(BirthdayAge(r, {DateSerial(2009, 3, 15), 0}), 9);
    r.BirthYear = "****";
    EXPECT_FALSE(BirthdayAge(r, {DateSerial(2009, 3, 15), 0}));
}

TEST(BirthdayRecords, TheBirthYearKeepsItsFourDigits) {
    const Date kToday = DateSerial(2009, 3, 5);
    EXPECT_EQ(BuildBirthdayRecord(" Ann Lee ", "03/15/1925", true, 5, kToday).line, "03/15:07:Ann Lee:1925");
    // Without a year: the last 15 March not after today.
    EXPECT_EQ(BuildBirthdayRecord("Ann", "3/15", true, 1, kToday).line, "03/15:00:Ann:2008");
    EXPECT_EQ(BuildBirthdayRecord("Ann", "3/5", true, 1, kToday).line, "03/05:00:Ann:2009");
    EXPECT_EQ(BuildBirthdayRecord("Ann", "3/15/62", false, 0, kToday).line, "03/15:-1:Ann:****");
    EXPECT_EQ(BuildBirthdayRecord("  ", "3/15", true, 5, kToday).error, "Please enter a name in the box provided.");
    EXPECT_EQ(BuildBirthdayRecord("Ann", "03/15/**", true, 5, kToday).error, "Please enter a date.");
    // "2/29" without a year is read in this year: no date in 2009, 29 February in 2012.
    EXPECT_EQ(BuildBirthdayRecord("Ann", "2/29", true, 5, kToday).error, "Please enter a date.");
    EXPECT_EQ(BuildBirthdayRecord("Ann", "2/29", true, 5, DateSerial(2012, 2, 1)).error, kFebruary29Refused);
    EXPECT_EQ(BuildBirthdayRecord("Ann", "2/29/09", true, 5, kToday).error, "Please enter a date.");
    EXPECT_EQ(BuildBirthdayRecord("Ann", "2/29/2008", true, 5, kToday).error, kFebruary29Refused);
    // A name holding ":" reads back whole.
    auto r = ParseBirthdayLine(BuildBirthdayRecord("Dr: Who", "1/2/1950", true, 5, kToday).line);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Name, "Dr: Who");
    EXPECT_EQ(r->BirthYear, "1950");
}

TEST_F(ReminderTest, BirthdaysArePendingFromTheirNoticeThroughTheDay) {
    Write("Birthdays.dat", "12/31:01:Eve:****\r\n01/02:07:Jan:****\r\n03/05:00:Day:****\r\n03/05:-1:Never:****\r\n");
    auto pending = [&](int y, int m, int d) {
        SetToday(y, m, d);
        ReadBirthdays(*s);
        std::string names;
        for (int i = 0; i < s->birthdays.gBirthdayCount; ++i)
            if (!s->birthdays.gPendingBirthdayLines[i].empty()) names += s->birthdays.gBirthdays[i].Name + " ";
        return names;
    };
    EXPECT_EQ(pending(2009, 12, 29), "Jan ");
    EXPECT_EQ(pending(2009, 12, 30), "Eve Jan ");
    EXPECT_EQ(pending(2009, 12, 31), "Eve Jan ");
    EXPECT_EQ(pending(2009, 12, 25), "");
    EXPECT_EQ(pending(2009, 12, 26), "Jan ");
    EXPECT_EQ(pending(2010, 1, 2), "Jan ");
    EXPECT_EQ(pending(2010, 1, 3), "");
    EXPECT_EQ(pending(2009, 3, 4), "");
    EXPECT_EQ(pending(2009, 3, 5), "Day ");
}

TEST(AlarmTimes, MidnightSecondsAndBareHours) {
    EXPECT_EQ(ParseAlarmTime("12:00 AM"), 0);
    EXPECT_EQ(ParseAlarmTime("12:30 PM"), 12 * 60 + 30);
    EXPECT_EQ(ParseAlarmTime("7 AM"), 7 * 60);
    EXPECT_EQ(ParseAlarmTime("7:30:15 AM"), 7 * 60 + 30);
    EXPECT_EQ(ParseAlarmTime("7:30 PM"), 19 * 60 + 30);
    EXPECT_FALSE(ParseAlarmTime(":30 AM"));
    EXPECT_FALSE(ParseAlarmTime("7:61 AM"));
    EXPECT_FALSE(ParseAlarmTime(" AM"));
    EXPECT_EQ(AlarmTimeText(7 * 60 + 30), "07:30 AM");
    EXPECT_EQ(AlarmTimeText(0), "12:00 AM");
}
