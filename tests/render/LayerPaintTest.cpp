// Holidays and birthdays painted on bare month boxes, read back pixel by pixel.
#include "LayerFixture.h"

#include "render/BirthdayMarking.h"
#include "render/CalendarSurfaces.h"
#include "render/HolidayDisplay.h"
#include "render/SixMonthLayout.h"

#include <filesystem>
#include <memory>

using namespace orvelle;

namespace {

bool BoxHasColour(const PictureBox& box, VbColor colour) {
    const QImage& img = box.Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (VbFromColor(img.pixelColor(x, y)) == colour) return true;
    return false;
}

// The six-month view's boxes, tagged as the drawing tags them.
class SixMonthLayers : public LayerFixture {
protected:
    void SetUp() override {
        LayerFixture::SetUp();
        s->flags.gCalendarView = 6;
        for (auto& b : boxes) {
            b = std::make_unique<PictureBox>();
            MakeMonthBox(*b);
        }
        for (int k = 0; k < 6; ++k) v.sixMonths[k] = boxes[k].get();
    }
    void Show(Date selected) {
        Select(selected, true);
        SixMonthLayout l = LayOutSixMonths(selected);
        for (int k = 0; k < 6; ++k) {
            boxes[k]->Cls();
            boxes[k]->SetTag(l.boxes[k].tag);
        }
    }
    void WriteNovemberToAprilData() {
        WriteHolidays(2009, {"01/01/09:New Year's Day", "11/26/09:Thanksgiving", "12/25/09:Christmas Day"});
        WriteHolidays(2010, {"01/01/10:New Year's Day", "02/15/10:Presidents' Day"});
        WriteBirthdays("12/10:07:Ann Smith:1961\r\n03/14:-1:Bob Jones:****\r\n");
    }
    void PaintThisYear() {
        AssignThisYearsHolidays(*s);
        DisplayThisYearsHolidays(*s, v);
        ReadAndMarkBirthdays(*s, v);
    }
    void PaintNextYear() {
        AssignNextYearsHolidays(*s);
        DisplayNextYearsHolidays(*s, v);
        ReadAndMarkNextYearsBirthdays(*s, v);
    }

    std::array<std::unique_ptr<PictureBox>, 6> boxes;
    CalendarSurfaces v;
};

} // namespace

TEST_F(SixMonthLayers, NovemberToAprilShowsEachYearInItsOwnBoxes) {
    WriteNovemberToAprilData();
    Show(DateSerial(2009, 11, 10));
    PaintThisYear();
    EXPECT_EQ(CellFill(*boxes[0], DateSerial(2009, 11, 26)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 10)), kBirthdayMagenta);
    // This year's lists leave next year's boxes alone (1 January 2009 included).
    for (int k = 2; k < 6; ++k) {
        EXPECT_FALSE(BoxHasColour(*boxes[k], kHolidayOrange)) << k;
        EXPECT_FALSE(BoxHasColour(*boxes[k], kBirthdayMagenta)) << k;
    }

    PaintNextYear();
    EXPECT_EQ(CellFill(*boxes[2], DateSerial(2010, 1, 1)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[3], DateSerial(2010, 2, 15)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[4], DateSerial(2010, 3, 14)), kBirthdayMagenta);
    EXPECT_FALSE(BoxHasColour(*boxes[5], kHolidayOrange));
    // The day number goes over the box in the contrasting colour (black on orange).
    EXPECT_TRUE(CellHasColour(*boxes[2], DateSerial(2010, 1, 1), kVbBlack));
    // Hover texts find the birthdays of each year through its own stamps.
    EXPECT_EQ(s->birthdays.gThisYearsBirthdayStamps[0], CellStampOf(DateSerial(2009, 12, 10)));
    EXPECT_EQ(s->birthdays.gNextYearsBirthdayStamps[1], CellStampOf(DateSerial(2010, 3, 14)));
}

TEST_F(SixMonthLayers, ClickedDateOfTheNextYearDoesNotMoveThisYearsLayers) {
    WriteNovemberToAprilData();
    Show(DateSerial(2009, 11, 10));
    AssignThisYearsHolidays(*s);
    // A click in the January box selects a 2010 date; the marker dialog then repaints the layers.
    s->dates.gSelectedDate = DateSerial(2010, 1, 14);
    SetDateVariables(*s);
    DisplayThisYearsHolidays(*s, v);
    ReadAndMarkBirthdays(*s, v);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 10)), kBirthdayMagenta);
    for (int k = 2; k < 6; ++k) {
        EXPECT_FALSE(BoxHasColour(*boxes[k], kHolidayOrange)) << k;
        EXPECT_FALSE(BoxHasColour(*boxes[k], kBirthdayMagenta)) << k;
    }
}

TEST_F(SixMonthLayers, HiddenCategoriesPaintPlainCells) {
    WriteNovemberToAprilData();
    Show(DateSerial(2009, 11, 10));
    PaintThisYear();
    PaintNextYear();
    ASSERT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kHolidayOrange);
    // Hiding from the menu repaints the layers before the view is drawn again.
    s->markers.gMarkerHidden[kHolidayCategory] = -1;
    s->markers.gMarkerHidden[kBirthdayCategory] = -1;
    DisplayThisYearsHolidays(*s, v);
    DisplayNextYearsHolidays(*s, v);
    ReadAndMarkBirthdays(*s, v);
    ReadAndMarkNextYearsBirthdays(*s, v);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(BoxHasColour(*boxes[k], kHolidayOrange)) << k;
        EXPECT_FALSE(BoxHasColour(*boxes[k], kBirthdayMagenta)) << k;
    }
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kVbWhite);
    EXPECT_EQ(CellFill(*boxes[2], DateSerial(2010, 1, 1)), kVbWhite);
    EXPECT_TRUE(CellHasColour(*boxes[2], DateSerial(2010, 1, 1), kVbBlack));
}

TEST_F(SixMonthLayers, BlackCategoryColourIsPaintedInBothYearsAlike) {
    WriteNovemberToAprilData();
    s->markers.gMarkerColors[kHolidayCategory] = kVbBlack;
    Show(DateSerial(2009, 11, 10));
    PaintThisYear();
    PaintNextYear();
    // Black is no colour: a plain white box with a black number, in both years.
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kVbWhite);
    EXPECT_EQ(CellFill(*boxes[2], DateSerial(2010, 1, 1)), kVbWhite);
    EXPECT_TRUE(CellHasColour(*boxes[1], DateSerial(2009, 12, 25), kVbBlack));
    EXPECT_EQ(s->markers.gMarkTextColor, kVbBlack);
}

TEST_F(SixMonthLayers, HolidaysWithoutACellAreSkippedAndTheRestPainted) {
    // Hand-edited lines: a 29 February in a common year, a date without leading zeros, a date of
    // another year; then two good ones.
    WriteHolidays(2009, {"02/29/09:Leap", "1/5/09:Short", "01/01/10:Next", "11/26/09:Thanksgiving",
                         "12/25/09:Christmas Day"});
    Show(DateSerial(2009, 11, 10));
    AssignThisYearsHolidays(*s);
    ASSERT_EQ(s->holidays.gThisYearsHolidayCount, 5);
    DisplayThisYearsHolidays(*s, v);
    EXPECT_EQ(CellFill(*boxes[0], DateSerial(2009, 11, 26)), kHolidayOrange);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 25)), kHolidayOrange);
    EXPECT_FALSE(BoxHasColour(*boxes[2], kHolidayOrange));
    // Kept by name, but not silently.
    std::string log = orvelle::ReadWholeFile(dir + "Error.log").value_or("");
    EXPECT_NE(log.find("Line 1 of 2009Holidays.dat was kept, but it is no date of 2009"), std::string::npos);
    EXPECT_NE(log.find("Line 3 of 2009Holidays.dat was kept"), std::string::npos);
}

TEST_F(SixMonthLayers, NoHolidayFileNoHolidays) {
    WriteNovemberToAprilData();
    Show(DateSerial(2009, 11, 10));
    AssignThisYearsHolidays(*s);
    // The manager removed the year's last holiday after the list was read.
    ASSERT_TRUE(WriteHolidayFile(*s, 2009, {}));
    DisplayThisYearsHolidays(*s, v);
    for (int k = 0; k < 6; ++k) EXPECT_FALSE(BoxHasColour(*boxes[k], kHolidayOrange)) << k;
}

TEST_F(SixMonthLayers, TwoBirthdaysOnOneDateShareCellAndStamp) {
    WriteBirthdays("12/10:07:Ann Smith:1961\r\n12/10:-1:Carl Berg:****\r\n");
    Show(DateSerial(2009, 11, 10));
    ReadAndMarkBirthdays(*s, v);
    const auto& stamps = s->birthdays.gThisYearsBirthdayStamps;
    ASSERT_EQ(stamps.size(), 2u);
    EXPECT_EQ(stamps[0], CellStampOf(DateSerial(2009, 12, 10)));
    EXPECT_EQ(stamps[1], stamps[0]);
    int flagged = 0;
    for (const auto& month : s->birthdays.gThisYearsBirthdayCounts)
        for (const auto& column : month)
            for (auto flag : column) flagged += flag != 0;
    EXPECT_EQ(flagged, 1);
    EXPECT_EQ(CellFill(*boxes[1], DateSerial(2009, 12, 10)), kBirthdayMagenta);
}

namespace {

// The twelve-month view's boxes.
class YearLayers : public LayerFixture {
protected:
    void SetUp() override {
        LayerFixture::SetUp();
        s->flags.gCalendarView = 12;
        for (int m = 0; m < 12; ++m) {
            boxes[m] = std::make_unique<PictureBox>();
            MakeMonthBox(*boxes[m], 180, 128);
            v.year[m] = boxes[m].get();
        }
    }
    PictureBox& Box(Date d) { return *boxes[MonthOf(d) - 1]; }
    std::array<std::unique_ptr<PictureBox>, 12> boxes;
    CalendarSurfaces v;
};

void SetBirthdays(Store& s, const std::vector<std::string>& monthDays) {
    s.birthdays.gBirthdays.clear();
    for (const auto& md : monthDays) s.birthdays.gBirthdays.push_back({md, "-1", "Someone", "****"});
    s.birthdays.gBirthdayCount = static_cast<int>(monthDays.size());
}

} // namespace

TEST_F(YearLayers, LeapDayBirthdayInACommonYearIsSkippedAndLaterOnesPainted) {
    // Only a hand-edited file holds 02/29; it comes first here.
    SetBirthdays(*s, {"02/29", "03/14", "07/04"});
    Select(DateSerial(2009, 3, 5));
    ReadAndMarkBirthdays(*s, v);
    EXPECT_EQ(s->birthdays.gThisYearsBirthdayStamps[0], "");
    EXPECT_EQ(CellFill(Box(DateSerial(2009, 3, 14)), DateSerial(2009, 3, 14)), kBirthdayMagenta);
    EXPECT_EQ(CellFill(Box(DateSerial(2009, 7, 4)), DateSerial(2009, 7, 4)), kBirthdayMagenta);
    EXPECT_FALSE(BoxHasColour(*boxes[1], kBirthdayMagenta));
    EXPECT_FALSE(std::filesystem::exists(dir + "Error.log"));

    // A leap year has the day.
    for (auto& b : boxes) b->Cls();
    Select(DateSerial(2008, 3, 5));
    ReadAndMarkBirthdays(*s, v);
    EXPECT_EQ(CellFill(Box(DateSerial(2008, 2, 29)), DateSerial(2008, 2, 29)), kBirthdayMagenta);
}

TEST_F(YearLayers, HolidaysAndBirthdaysOfTheShownYear) {
    WriteHolidays(2009, {"07/04/09:Independence Day", "12/25/09:Christmas Day"});
    SetBirthdays(*s, {"12/25"});
    Select(DateSerial(2009, 6, 1));
    AssignThisYearsHolidays(*s);
    DisplayThisYearsHolidays(*s, v);
    EXPECT_EQ(CellFill(Box(DateSerial(2009, 7, 4)), DateSerial(2009, 7, 4)), kHolidayOrange);
    // The birthday layer goes over the holiday layer on a shared day.
    ReadAndMarkBirthdays(*s, v);
    EXPECT_EQ(CellFill(Box(DateSerial(2009, 12, 25)), DateSerial(2009, 12, 25)), kBirthdayMagenta);
    // Next year's lists never reach the twelve-month view.
    AssignNextYearsDateholders(*s);
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    AssignNextYearsHolidays(*s);
    DisplayNextYearsHolidays(*s, v);
    ReadAndMarkNextYearsBirthdays(*s, v);
    EXPECT_FALSE(BoxHasColour(*boxes[0], kHolidayOrange));
    EXPECT_FALSE(BoxHasColour(*boxes[11], kHolidayOrange));
}

TEST_F(YearLayers, EmptyBirthdayListPaintsNothingAndLeavesNoStaleFlags) {
    SetBirthdays(*s, {"03/14"});
    Select(DateSerial(2009, 3, 5));
    ReadAndMarkBirthdays(*s, v);
    SetBirthdays(*s, {});
    for (auto& b : boxes) b->Cls();
    ReadAndMarkBirthdays(*s, v);
    EXPECT_FALSE(BoxHasColour(*boxes[2], kBirthdayMagenta));
    EXPECT_TRUE(s->birthdays.gThisYearsBirthdayStamps.empty());
    Cell c = CellOf(DateSerial(2009, 3, 14));
    EXPECT_EQ(s->birthdays.gThisYearsBirthdayCounts[c.month][c.column][c.row], 0);
}

TEST_F(YearLayers, PlannerInPlaceOfTheViewPaintsNothingButStillStamps) {
    SetBirthdays(*s, {"03/14"});
    Select(DateSerial(2009, 3, 5));
    s->flags.gCalendarView = 0;
    ReadAndMarkBirthdays(*s, v);
    EXPECT_EQ(s->birthdays.gThisYearsBirthdayStamps[0], CellStampOf(DateSerial(2009, 3, 14)));
    EXPECT_FALSE(BoxHasColour(*boxes[2], kBirthdayMagenta));
}

namespace {

class MonthLayers : public LayerFixture {
protected:
    void SetUp() override {
        LayerFixture::SetUp();
        s->flags.gCalendarView = 1;
        MakeMonthBox(box, 600, 480);
        box.SetTextAntialiasing(false);
        v.month = &box;
    }
    PictureBox box;
    CalendarSurfaces v;
};

} // namespace

TEST_F(MonthLayers, NumbersInTheCategoryColourForTheShownMonthOnly) {
    WriteHolidays(2009, {"11/26/09:Thanksgiving", "12/25/09:Christmas Day"});
    SetBirthdays(*s, {"12/10"});
    Select(DateSerial(2009, 12, 5));
    AssignThisYearsHolidays(*s);
    DisplayThisYearsHolidays(*s, v);
    ReadAndMarkBirthdays(*s, v);
    EXPECT_TRUE(CellHasColour(box, DateSerial(2009, 12, 25), kHolidayOrange));
    EXPECT_TRUE(CellHasColour(box, DateSerial(2009, 12, 10), kBirthdayMagenta));
    // No box on this view; 26 November's cell position is 24 December's here and stays plain.
    EXPECT_EQ(CellFill(box, DateSerial(2009, 12, 25)), kVbWhite);
    EXPECT_FALSE(CellHasColour(box, DateSerial(2009, 11, 26), kHolidayOrange));
    EXPECT_DOUBLE_EQ(box.FontSize(), 18);
    EXPECT_TRUE(box.FontBold());
    EXPECT_EQ(box.ForeColor(), kVbBlack);

    s->view.gShowNumbersOffset = true;
    DisplayThisYearsHolidays(*s, v);
    EXPECT_DOUBLE_EQ(box.FontSize(), 10);
}
