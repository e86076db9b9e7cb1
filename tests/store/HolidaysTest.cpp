#include "FileTestFolder.h"
#include "store/Holidays.h"

using namespace orvelle;

namespace {
class HolidayFiles : public FileTestFolder {
protected:
    void Select(int y, int m, int d) { s().dates.gSelectedDate = DateSerial(y, m, d); }
    static int FlagCount(const YearGrid<std::int16_t>& g) {
        int n = 0;
        for (auto& month : g)
            for (auto& col : month)
                for (auto v : col) n += v == -1;
        return n;
    }
};
} // namespace

TEST_F(HolidayFiles, StampsComeFromTheDatesCell) {
    // 1 January 2009 is a Thursday; 4 July a Saturday in the first week; 25 December a Friday in
    // the fourth week.
    Put("Holidays/2009Holidays.dat", "01/01/09:New Year's Day\r\n07/04/09:Independence Day: observed\r\n"
                                     "12/25/09:Christmas Day\r\n12/25/09:Family dinner\r\n");
    Select(2009, 3, 5);
    AssignThisYearsHolidays(s());
    const Holidays& h = s().holidays;
    ASSERT_EQ(h.gThisYearsHolidayCount, 4);
    EXPECT_EQ(h.gThisYearsHolidayNames,
              (std::vector<std::string>{"New Year's Day", "Independence Day: observed", "Christmas Day", "Family dinner"}));
    EXPECT_EQ(h.gThisYearsHolidayDates[1], "07/04/09");
    EXPECT_EQ(h.gThisYearsHolidayStamps, (std::vector<std::string>{"000400", "060600", "110503", "110503"}));
    EXPECT_EQ(h.gThisYearsHolidayFlags[0][4][0], -1);
    EXPECT_EQ(h.gThisYearsHolidayFlags[6][6][0], -1);
    EXPECT_EQ(h.gThisYearsHolidayFlags[11][5][3], -1);
    EXPECT_EQ(FlagCount(h.gThisYearsHolidayFlags), 3); // the shared date flags one cell
    EXPECT_EQ(h.gNextYearsHolidayCount, 0);
}

TEST_F(HolidayFiles, DatesOfNoCellKeepTheirNameWithoutAStamp) {
    Put("Holidays/2009Holidays.dat", "01/01/10:Next year's\r\n1/1/09::No leading zero\r\n02/29/09:No such day\r\n");
    Select(2009, 6, 1);
    AssignThisYearsHolidays(s());
    const Holidays& h = s().holidays;
    ASSERT_EQ(h.gThisYearsHolidayCount, 3);
    EXPECT_EQ(h.gThisYearsHolidayNames[0], "Next year's");
    EXPECT_EQ(h.gThisYearsHolidayStamps, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(FlagCount(h.gThisYearsHolidayFlags), 0);
}

TEST_F(HolidayFiles, ShortLinesAreSkippedAndTheRestStillStamped) {
    Put("Holidays/2009Holidays.dat", "01/01/09:New Year's Day\r\n12/31/09\r\n03/17/09:\r\n12/25/09:Christmas Day\r\n\r\n");
    Select(2009, 3, 5);
    AssignThisYearsHolidays(s());
    const Holidays& h = s().holidays;
    ASSERT_EQ(h.gThisYearsHolidayCount, 3);
    EXPECT_EQ(h.gThisYearsHolidayNames[1], ""); // exactly nine characters: an empty name
    EXPECT_EQ(h.gThisYearsHolidayStamps[2], "110503");
    EXPECT_EQ(FlagCount(h.gThisYearsHolidayFlags), 3);
    std::string log = ErrorLog();
    EXPECT_NE(log.find("Line 2 of 2009Holidays.dat was skipped"), std::string::npos);
    EXPECT_NE(log.find("AssignThisYearsHolidays"), std::string::npos);
    EXPECT_EQ(log.find("Line 5"), std::string::npos); // the trailing empty line is no fault
}

TEST_F(HolidayFiles, EachReadClearsTheFlagsOfTheYearBefore) {
    Put("Holidays/2009Holidays.dat", "01/01/09:New Year's Day\r\n");
    Put("Holidays/2010Holidays.dat", "07/04/10:Independence Day\r\n");
    Select(2009, 3, 5);
    AssignThisYearsHolidays(s());
    ASSERT_EQ(s().holidays.gThisYearsHolidayFlags[0][4][0], -1);

    Select(2010, 3, 5);
    AssignThisYearsHolidays(s());
    EXPECT_EQ(s().holidays.gThisYearsHolidayFlags[0][4][0], 0);
    EXPECT_EQ(s().holidays.gThisYearsHolidayFlags[6][0][1], -1);
    EXPECT_EQ(FlagCount(s().holidays.gThisYearsHolidayFlags), 1);

    Select(2011, 3, 5); // no file
    AssignThisYearsHolidays(s());
    EXPECT_EQ(s().holidays.gThisYearsHolidayCount, 0);
    EXPECT_TRUE(s().holidays.gThisYearsHolidayNames.empty());
    EXPECT_EQ(FlagCount(s().holidays.gThisYearsHolidayFlags), 0);
}

TEST_F(HolidayFiles, NextYearsReaderReadsTheFollowingYearsFile) {
    Put("Holidays/2009Holidays.dat", "12/25/09:Christmas Day\r\n");
    Put("Holidays/2010Holidays.dat", "01/01/10:New Year's Day\r\n");
    Select(2009, 12, 1);
    AssignThisYearsHolidays(s());
    AssignNextYearsHolidays(s());
    const Holidays& h = s().holidays;
    ASSERT_EQ(h.gNextYearsHolidayCount, 1);
    EXPECT_EQ(h.gNextYearsHolidayNames[0], "New Year's Day");
    EXPECT_EQ(h.gNextYearsHolidayStamps[0], "000500"); // a Friday
    EXPECT_EQ(h.gNextYearsHolidayFlags[0][5][0], -1);
    EXPECT_EQ(FlagCount(h.gNextYearsHolidayFlags), 1);
    EXPECT_EQ(h.gThisYearsHolidayStamps[0], "110503");
    EXPECT_EQ(FlagCount(h.gThisYearsHolidayFlags), 1);
}

TEST_F(HolidayFiles, TheManagersWriterKeepsTheLayout) {
    ASSERT_TRUE(WriteHolidayFile(s(), 2009, {"01/01/09:New Year's Day", "", "12/25/09: Christmas \xE9t\xE9 "}));
    EXPECT_EQ(Bytes("Holidays/2009Holidays.dat"), "01/01/09:New Year's Day\r\n12/25/09: Christmas \xE9t\xE9 \r\n");
    ASSERT_TRUE(WriteHolidayFile(s(), 2009, {""}));
    EXPECT_FALSE(Exists("Holidays/2009Holidays.dat"));
    EXPECT_TRUE(ui.SeenDialogs().empty());
}
