#include "FileTestFolder.h"
#include "store/Birthdays.h"

using namespace orvelle;

namespace {
class BirthdaysFile : public FileTestFolder {
protected:
    bool Pending(const std::string& line) {
        auto r = ParseBirthdayLine(line);
        EXPECT_TRUE(r) << line;
        return r && IsBirthdayPending(*r, Clock::Today());
    }
};
} // namespace

TEST_F(BirthdaysFile, NoticeWindowRunsFromTodayThroughTheDay) {
    Today(2009, 3, 5);
    EXPECT_TRUE(Pending("03/12:07:Seven ahead:1961"));
    EXPECT_FALSE(Pending("03/13:07:Eight ahead:1961"));
    EXPECT_TRUE(Pending("03/05:00:On the day:****"));
    EXPECT_FALSE(Pending("03/06:00:Tomorrow:****"));
    EXPECT_FALSE(Pending("03/04:10:Yesterday:****"));
    EXPECT_FALSE(Pending("03/05:-1:Never:****"));
    EXPECT_TRUE(Pending("03/06:01:One ahead:****"));
}

TEST_F(BirthdaysFile, NoticeCrossesTheYearEnd) {
    Today(2009, 12, 28);
    EXPECT_TRUE(Pending("01/05:10:Eight days into next year:1970"));
    EXPECT_TRUE(Pending("12/30:10:This year:1970"));
    EXPECT_FALSE(Pending("01/08:10:Eleven days ahead:1970"));
    Today(2009, 12, 31);
    EXPECT_FALSE(Pending("12/30:10:Just passed:1970")); // next comes in a year
}

TEST_F(BirthdaysFile, LeapDayCountsAsTheLastOfFebruaryInACommonYear) {
    Today(2009, 2, 21);
    EXPECT_TRUE(Pending("02/29:07:Leap:1980"));
    EXPECT_EQ(NextBirthdayOccurrence("02/29", Clock::Today()), DateSerial(2009, 2, 28));
    Today(2009, 3, 1);
    EXPECT_EQ(NextBirthdayOccurrence("02/29", Clock::Today()), DateSerial(2010, 2, 28));
    Today(2011, 3, 1);
    EXPECT_EQ(NextBirthdayOccurrence("02/29", Clock::Today()), DateSerial(2012, 2, 29));
    Today(2008, 2, 22);
    EXPECT_TRUE(Pending("02/29:07:Leap:1980"));
    EXPECT_FALSE(Pending("03/01:07:After:1980"));
}

TEST_F(BirthdaysFile, RecordsTakeTheirFieldsByPosition) {
    auto r = ParseBirthdayLine("03/14:01:Ann: the elder:1961");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->MonthDay, "03/14");
    EXPECT_EQ(r->Notice, "1");
    EXPECT_EQ(r->Name, "Ann: the elder"); // the name runs to the ':' before the year
    EXPECT_EQ(r->BirthYear, "1961");
    r = ParseBirthdayLine("12/01:00:Bo:****");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Notice, "0");
    EXPECT_EQ(r->BirthYear, "****");
    EXPECT_EQ(ParseBirthdayLine("12/01:-1:Cy:1950")->Notice, "-1");
    EXPECT_FALSE(ParseBirthdayLine(""));
    EXPECT_FALSE(ParseBirthdayLine("12/01:xx:Cy:1950"));
    EXPECT_FALSE(ParseBirthdayLine("02/30:07:Cy:1950"));
    EXPECT_FALSE(ParseBirthdayLine("13/01:07:Cy:1950"));
    EXPECT_FALSE(ParseBirthdayLine("1/5/0:07:Cy:1950"));
}

TEST_F(BirthdaysFile, BadLinesInTheMiddleAreSkippedAndTheRestCounts) {
    Today(2009, 3, 5);
    Put(kBirthdaysFile, "03/06:07:Ann:1961\r\n\r\n03/07:ab:Bad notice:1961\r\n02/30:07:No such day:1961\r\n"
                        "02/29:07:Leap:1980\r\n03/08:03:Cy:****\r\n03/09:-1:Di:1990\r\n");
    s().birthdays.gThisYearsBirthdayCounts[2][0][1] = -1;
    ReadBirthdays(s());
    const Birthdays& b = s().birthdays;
    ASSERT_EQ(b.gBirthdayCount, 4);
    ASSERT_EQ(b.gBirthdays.size(), 4u);
    ASSERT_EQ(b.gPendingBirthdayLines.size(), 4u);
    EXPECT_EQ(b.gBirthdays[1].Name, "Leap");
    EXPECT_EQ(b.gBirthdays[3].Name, "Di");
    EXPECT_EQ(b.gPendingBirthdayLines[0], "03/06:07:Ann:1961");
    EXPECT_EQ(b.gPendingBirthdayLines[1], ""); // 28 February has passed
    EXPECT_EQ(b.gPendingBirthdayLines[2], "03/08:03:Cy:****");
    EXPECT_EQ(b.gPendingBirthdayLines[3], "");
    EXPECT_EQ(b.gPendingBirthdayCount, 2);
    EXPECT_EQ(b.indicator.toolTip, "2 Birthdays are Pending");
    EXPECT_EQ(b.indicator.picture, IndicatorPicture::Pending);
    EXPECT_EQ(b.gThisYearsBirthdayCounts[2][0][1], 0);
    std::string log = ErrorLog();
    EXPECT_NE(log.find("Line 2 of Birthdays.dat was skipped (empty line)"), std::string::npos);
    EXPECT_NE(log.find("03/07:ab:Bad notice:1961"), std::string::npos);
    EXPECT_NE(log.find("02/30:07:No such day:1961"), std::string::npos);
}

TEST_F(BirthdaysFile, IndicatorFollowsTheFileAndResetsWithoutIt) {
    Today(2009, 3, 5);
    Put(kBirthdaysFile, "03/05:00:Ann:1961\r\n");
    ReadBirthdays(s());
    EXPECT_EQ(s().birthdays.indicator.toolTip, "1 Birthday is Pending");
    std::filesystem::remove(Path(kBirthdaysFile));
    s().birthdays.gNextYearsBirthdayCounts[0][0][0] = -1;
    s().birthdays.gThisYearsBirthdayStamps = {"020400"};
    ReadBirthdays(s());
    EXPECT_EQ(s().birthdays.gBirthdayCount, 0);
    EXPECT_EQ(s().birthdays.indicator.toolTip, "No Birthdays Pending");
    EXPECT_EQ(s().birthdays.indicator.picture, IndicatorPicture::NonePending);
    EXPECT_EQ(s().birthdays.gNextYearsBirthdayCounts[0][0][0], 0);
    EXPECT_TRUE(s().birthdays.gThisYearsBirthdayStamps.empty());
}

TEST_F(BirthdaysFile, SilentSaveThenAnnouncedSave) {
    s().birthdays.gBirthdaysSilentSave = true;
    ASSERT_TRUE(SaveBirthdays(s(), {"01/02:07:Ann:1961", "", "12/31:-1:Bo \xE9t\xE9:****"}));
    EXPECT_EQ(Bytes(kBirthdaysFile), "01/02:07:Ann:1961\r\n12/31:-1:Bo \xE9t\xE9:****\r\n");
    EXPECT_FALSE(s().birthdays.gBirthdaysSilentSave);
    EXPECT_TRUE(ui.SeenDialogs().empty());

    ui.Expect(MsgAnswer::OK, "Birthdays Updated.");
    ASSERT_TRUE(SaveBirthdays(s(), {"05/05:03:Cy:2000"}));
    EXPECT_EQ(Bytes(kBirthdaysFile), "05/05:03:Cy:2000\r\n");
    EXPECT_EQ(s().birthdays.gBirthdayLines, (std::vector<std::string>{"05/05:03:Cy:2000"}));
}

TEST_F(BirthdaysFile, SavingAnEmptyListRemovesTheFileQuietly) {
    Put(kBirthdaysFile, "05/05:03:Cy:2000\r\n");
    ASSERT_TRUE(SaveBirthdays(s(), {}));
    EXPECT_FALSE(Exists(kBirthdaysFile));
    ReadBirthdays(s());
    EXPECT_EQ(s().birthdays.gBirthdayCount, 0);
    EXPECT_EQ(s().birthdays.indicator.toolTip, "No Birthdays Pending");
}
