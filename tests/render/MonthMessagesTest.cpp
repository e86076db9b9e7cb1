// The month's message list: day order, holiday before birthdays before marks, the categories
// that hide entries, and entries that name no day of the month.
#include "render/BirthdayMarking.h"
#include "render/MonthMessages.h"
#include "store/Holidays.h"
#include "store/Marks.h"
#include "store/StoreTestFolder.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

class MonthMessagesTest : public StoreTestFolder {
protected:
    void SetUp() override {
        StoreTestFolder::SetUp();
        Write("Marker Colors.dat", ReadWholeFile(std::string(ORVELLE_DEFAULTS) + "/Marker Colors.dat").value());
        ReadMarkerColors(*s);
        Select(DateSerial(2008, 3, 5));
    }
    void Select(Date d) {
        s->dates.gSelectedDate = d;
        LoadThisYearsData(*s);
        s->view.gThisYear = YearOf(d);
    }
    void Holidays(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteHolidayFile(*s, 2008, lines));
        AssignThisYearsHolidays(*s);
    }
    void Birthdays(const std::string& content) {
        Write(kBirthdaysFile, content);
        ReadBirthdays(*s);
        s->birthdays.gThisYearsBirthdayStamps = LocateBirthdays(
            s->dates.gThisYearsDateHolders, s->birthdays.gBirthdays, s->birthdays.gThisYearsBirthdayCounts);
    }
    void MarksFile(const std::string& content) {
        Write("2008Marks.dat", content);
        ReadThisYearsMarks(*s);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const auto& m : CollectMonthMessages(*s)) out.push_back(MonthMessageLine(m));
        return out;
    }
};

// 5 March 2008 is cell (month 2, column 3, row 1); 12 March is (2, 3, 2).
TEST_F(MonthMessagesTest, ListsByDayWithHolidayThenBirthdaysThenMarks) {
    Holidays({"03/12/08:Spring Fair", "03/05/08:Founders Day", "03/05/08:Second Holiday"});
    Birthdays("03/05:-1:Ann:1970\r\n03/12:-1:Cleo:****\r\n03/05:-1:Bob:1980\r\n04/05:-1:Dan:1990\r\n");
    MarksFile("02:03:01:255-Dentist at 9\r\n02:03:02:65535\r\n03:03:01:255-April\r\n");

    std::vector<std::string> expected = {"05: Holiday: Founders Day",     "05: Birthday: Ann",
                                         "05: Birthday: Bob",             "05: Appointment: Dentist at 9",
                                         "12: Holiday: Spring Fair",      "12: Birthday: Cleo",
                                         "12: Quick Mark"};
    EXPECT_EQ(Lines(), expected);

    auto messages = CollectMonthMessages(*s);
    ASSERT_EQ(messages.size(), expected.size());
    EXPECT_EQ(messages[0].color, 33023);
    EXPECT_EQ(messages[1].color, 16711935);
    EXPECT_EQ(messages[3].color, 255);
    EXPECT_EQ(messages[6].color, 65535);
}

TEST_F(MonthMessagesTest, HiddenCategoriesLeaveTheirEntriesOut) {
    Holidays({"03/05/08:Founders Day"});
    Birthdays("03/05:-1:Ann:1970\r\n");
    MarksFile("02:03:01:255-Dentist\r\n02:03:02:32768\r\n");
    s->markers.gMarkerHidden[kHolidayCategory] = -1;
    s->markers.gMarkerHidden[kBirthdayCategory] = -1;
    s->markers.gMarkerHidden[3] = -1; // Travel
    EXPECT_EQ(Lines(), std::vector<std::string>{"05: Appointment: Dentist"});
}

TEST_F(MonthMessagesTest, AMarkGoesUnderTheFirstShownCategoryOfItsColour) {
    MarksFile("02:03:01:255-Dentist\r\n");
    s->markers.gMarkerColors[12] = 255; // "Training" takes the Appointment colour
    EXPECT_EQ(Lines(), std::vector<std::string>{"05: Appointment: Dentist"});
    s->markers.gMarkerHidden[0] = -1;
    EXPECT_EQ(Lines(), std::vector<std::string>{"05: Training: Dentist"});
    s->markers.gMarkerHidden[12] = -1;
    EXPECT_TRUE(Lines().empty());
}

TEST_F(MonthMessagesTest, EntriesThatNameNoDayOfTheMonthAreSkippedAndTheRestListed) {
    // A hand-edited holiday of another year has no stamp; a birthday on 29 February has none in
    // a common year; mark lines may be cut short, hold letters or point at a blank cell.
    Holidays({"03/04/07:Last Year", "03/05/08:Founders Day"});
    Birthdays("03/05:-1:Ann:1970\r\n");
    s->birthdays.gThisYearsBirthdayStamps.clear(); // fewer stamps than birthdays
    s->marks.gThisYearsMarkLines = {"02:03", "02:0x:01:255", "02:00:00:255", "02:03:01:abc", "02:03:01:255"};
    s->marks.gThisYearsMarkLineCount = 9; // more than the lines held
    EXPECT_EQ(Lines(), (std::vector<std::string>{"05: Holiday: Founders Day", "05: Appointment"}));
}

TEST_F(MonthMessagesTest, OnlyTheSelectedMonthIsListed) {
    Holidays({"04/05/08:April Day", "03/31/08:Last Day"});
    EXPECT_EQ(Lines(), std::vector<std::string>{"31: Holiday: Last Day"});
    Select(DateSerial(2008, 4, 20));
    EXPECT_EQ(Lines(), std::vector<std::string>{"05: Holiday: April Day"});
}

} // namespace
} // namespace orvelle
