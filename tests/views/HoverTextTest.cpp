#include "store/Store.h"
#include "views/HoverText.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvelle {
namespace {

// A month box seen as vertical stripes of colour over a white background.
struct Stripe {
    double from, to;
    VbColor colour;
};
ColourAt Stripes(std::vector<Stripe> stripes) {
    return [stripes](double x, double) {
        if (x < 0 || x >= 7) return VbColor(-1);
        for (const Stripe& s : stripes)
            if (x >= s.from && x <= s.to) return s.colour;
        return kVbWhite;
    };
}

constexpr VbColor kMeeting = 16711680, kTravel = 32768, kBirthday = 16711935, kHoliday = 33023;

class HoverText : public ::testing::Test {
protected:
    void SetUp() override {
        const char* captions[] = {"Appointment", "Meeting", "Deadline", "Travel", "Birthday", "Vacation", "Personal",
                                  "Payday", "Holiday", "Reminder", "Quick Mark", "Today's Date", "Training", "Other"};
        const VbColor colours[] = {255,     kMeeting, 128,      kTravel,  kBirthday, 65280,    8388736,
                                   8421376, kHoliday, 12632256, 65535,    16776960,  16512,    8421504};
        for (int i = 0; i < kMarkerCount; ++i) {
            s.markers.gMarkerCaptions[i] = captions[i];
            s.markers.gMarkerColors[i] = static_cast<Color>(colours[i]);
        }
        s.dates.gSelectedDate = DateSerial(2009, 1, 1);
        SetDateVariables(s);
        AssignThisYearsDateHolders(s);
        AssignNextYearsDateholders(s);
        s.flags.gViewYear = 2009;
        // The note and planner lists hold the years of the grids, as after a drawing.
        s.notes.thisYearsNotesYear = s.planner.thisYearsPlannerYear = 2009;
        s.notes.nextYearsNotesYear = s.planner.nextYearsPlannerYear = 2010;
    }

    void AddHoliday(Date d, const std::string& name) {
        Cell c = CellOf(d);
        s.holidays.gThisYearsHolidayNames.push_back(name);
        s.holidays.gThisYearsHolidayStamps.push_back(CellStampOf(d));
        s.holidays.gThisYearsHolidayCount++;
        s.holidays.gThisYearsHolidayFlags[c.month][c.column][c.row] = -1;
    }
    void AddBirthday(Date d, const std::string& name, bool hasCell = true) {
        Cell c = CellOf(d);
        s.birthdays.gBirthdays.push_back({FormatMmDd(d), "0", name, "****"});
        s.birthdays.gBirthdayCount++;
        s.birthdays.gThisYearsBirthdayStamps.push_back(hasCell ? CellStampOf(d) : std::string());
        if (hasCell) s.birthdays.gThisYearsBirthdayCounts[c.month][c.column][c.row] = -1;
    }

    // A move over the centre of the date's cell, the given colour painted around the pointer.
    HoverOutcome Over(Date d, VbColor painted = kVbWhite, HoverView view = HoverView::Year) {
        Cell c = CellOf(d);
        HoverRequest r;
        r.view = view;
        r.month = c.month;
        r.x = static_cast<float>(c.column + 0.5);
        r.y = static_cast<float>(c.row + 1.25);
        r.colourAt = Stripes({{c.column + 0.1, c.column + 0.9, painted}});
        return ComposeHover(s, r);
    }

    Store s;
    const Date newYear = DateSerial(2009, 1, 1);
};

TEST_F(HoverText, CaptionTableOfTheCalendarViews) {
    Date meeting = DateSerial(2009, 3, 10), party = DateSerial(2009, 3, 12), both = DateSerial(2009, 1, 1);
    Cell pc = CellOf(party);
    s.marks.gThisYearsHoverTexts[pc.month][pc.column][pc.row] = "Party";
    EXPECT_EQ(Over(meeting, kMeeting).toolTip, "Meeting");
    Cell mc = CellOf(meeting);
    s.marks.gThisYearsHoverTexts[mc.month][mc.column][mc.row] = "Budget review";
    EXPECT_EQ(Over(meeting, kMeeting).toolTip, "Meeting: Budget review");

    AddHoliday(both, "New Year");
    EXPECT_EQ(Over(both, kHoliday).toolTip, "Holiday, Holiday: New Year");
    EXPECT_EQ(Over(both).toolTip, "Holiday: New Year");

    Date twins = DateSerial(2009, 4, 2);
    AddBirthday(twins, "Ann");
    AddBirthday(twins, "Bob");
    EXPECT_EQ(Over(twins, kBirthday).toolTip, "Birthday: Ann, Bob");
    AddBirthday(party, "Ann");
    EXPECT_EQ(Over(party, kBirthday).toolTip, "Birthday: Party, Birthday: Ann");
    AddBirthday(both, "Ann");
    EXPECT_EQ(Over(both, kTravel).toolTip, "Travel, Holiday: New Year, Birthday: Ann");
    EXPECT_EQ(Over(party).toolTip, "Birthday: Ann");
}

TEST_F(HoverText, LowerCategoryWinsWithinTwoTenthsOfThePointer) {
    HoverRequest r;
    r.month = 2;
    r.x = 3.5f;
    r.y = 2.25f;
    // Travel (3) right under the pointer, Meeting (1) 0.18 to its left.
    r.colourAt = Stripes({{3.3, 3.33, kMeeting}, {3.45, 3.55, kTravel}});
    EXPECT_EQ(ComposeHover(s, r).toolTip, "Meeting");
    EXPECT_EQ(FindMarkCategory(s.markers, r.colourAt, 3.5f, 2.25f), 1);
    // Exactly 0.2 away still counts, 0.25 does not; outside the box (-1) never matches.
    EXPECT_EQ(FindMarkCategory(s.markers, Stripes({{3.699, 3.71, kTravel}}), 3.5f, 2.25f), 3);
    EXPECT_EQ(FindMarkCategory(s.markers, Stripes({{3.74, 3.8, kTravel}}), 3.5f, 2.25f), -1);
    EXPECT_EQ(FindMarkCategory(s.markers, Stripes({}), 6.9f, 2.25f), -1);
}

TEST_F(HoverText, HeaderBandAndDragsOutOfTheGridIndexNothing) {
    AddHoliday(newYear, "New Year");
    HoverRequest r;
    r.month = 0;
    r.colourAt = Stripes({});
    r.x = 4.5f;
    r.y = 0.75f; // the band's edge belongs to the band
    HoverOutcome o = ComposeHover(s, r);
    EXPECT_EQ(o.toolTip, "");
    EXPECT_EQ(o.hit.row, -1);
    EXPECT_FALSE(o.dateBox.has_value());
    EXPECT_FALSE(o.noteExists.has_value());
    // A mark colour in the band still names its category, but no note of any cell.
    r.colourAt = Stripes({{4.4, 4.6, kMeeting}});
    EXPECT_EQ(ComposeHover(s, r).toolTip, "Meeting");

    for (auto [x, y] : {std::pair{7.6f, 2.0f}, {-0.7f, 2.0f}, {3.0f, 7.3f}}) {
        r.x = x;
        r.y = y;
        r.colourAt = Stripes({});
        r.view = HoverView::Year;
        EXPECT_EQ(ComposeHover(s, r).dateBox, std::string()) << x << "," << y;
        r.view = HoverView::OneMonth;
        HoverOutcome one = ComposeHover(s, r);
        EXPECT_FALSE(one.dateBox.has_value());
        EXPECT_FALSE(one.dateMenuEnabled);
        EXPECT_FALSE(one.noteExists.has_value());
    }
}

TEST_F(HoverText, DateBoxAndButtonsDifferByView) {
    Cell c = CellOf(newYear);
    s.notes.gThisYearsNoteFlags[c.month][c.column][c.row] = -1;
    HoverOutcome year = Over(newYear);
    EXPECT_EQ(year.dateBox, "01/01/09");
    EXPECT_EQ(year.noteExists, true);
    EXPECT_EQ(year.plannerExists, false);
    EXPECT_FALSE(year.dateMenuEnabled);
    EXPECT_TRUE(Over(newYear, kVbWhite, HoverView::OneMonth).dateMenuEnabled);

    // 28 December 2008 stands in January's first row but is no date of January.
    HoverRequest r;
    r.month = 0;
    r.x = 0.5f;
    r.y = 1.25f;
    r.colourAt = Stripes({});
    EXPECT_EQ(ComposeHover(s, r).dateBox, std::string());
    r.view = HoverView::OneMonth;
    EXPECT_FALSE(ComposeHover(s, r).dateBox.has_value());
    r.view = HoverView::SixMonths;
    EXPECT_EQ(ComposeHover(s, r).dateBox, std::string());
}

TEST_F(HoverText, HiddenCategoriesHideNamesExceptOnTheOneMonthView) {
    AddHoliday(newYear, "New Year");
    AddBirthday(newYear, "Ann");
    s.markers.gMarkerHidden[kHolidayCategory] = -1;
    EXPECT_EQ(Over(newYear).toolTip, "Birthday: Ann");
    s.markers.gMarkerHidden[kBirthdayCategory] = -1;
    EXPECT_EQ(Over(newYear, kVbWhite, HoverView::SixMonths).toolTip, "");
    EXPECT_EQ(Over(newYear, kVbWhite, HoverView::OneMonth).toolTip, "Holiday: New Year, Birthday: Ann");
}

TEST_F(HoverText, StaleFlagsAndEmptyStampsNameNobody) {
    Cell c = CellOf(newYear);
    // The flag outlived another year's list.
    s.holidays.gThisYearsHolidayFlags[c.month][c.column][c.row] = -1;
    s.holidays.gThisYearsHolidayNames = {"Elsewhere"};
    s.holidays.gThisYearsHolidayStamps = {"01x203"};
    s.holidays.gThisYearsHolidayCount = 5; // more than the list holds
    EXPECT_EQ(Over(newYear, kMeeting).toolTip, "Meeting");
    AddHoliday(newYear, "First");
    AddHoliday(newYear, "Second");
    EXPECT_EQ(Over(newYear).toolTip, "Holiday: First");

    Date d = DateSerial(2009, 2, 28);
    AddBirthday(d, "Leap", false); // 29 February has no cell in 2009
    AddBirthday(d, "Cyd");
    EXPECT_EQ(Over(d).toolTip, "Birthday: Cyd");
    EXPECT_FALSE(StampIsCell("", 0, 0, 0));
    EXPECT_FALSE(StampIsCell("0a0000", 0, 0, 0));
    EXPECT_TRUE(StampIsCell("110305", 11, 3, 5));
}

TEST_F(HoverText, SixMonthBoxOfNextYearReadsNextYearsTables) {
    Date d = DateSerial(2010, 1, 1);
    Cell c = CellOf(d);
    s.marks.gNextYearsHoverTexts[c.month][c.column][c.row] = "Fireworks";
    s.holidays.gNextYearsHolidayNames = {"New Year"};
    s.holidays.gNextYearsHolidayStamps = {CellStampOf(d)};
    s.holidays.gNextYearsHolidayCount = 1;
    s.holidays.gNextYearsHolidayFlags[c.month][c.column][c.row] = -1;
    s.planner.gNextYearsPlannerFlags[c.month][c.column][c.row] = -1;
    HoverRequest r;
    r.view = HoverView::SixMonths;
    r.month = c.month;
    r.nextYear = true;
    r.x = static_cast<float>(c.column + 0.5);
    r.y = static_cast<float>(c.row + 1.25);
    r.colourAt = Stripes({{0, 7, kTravel}});
    HoverOutcome o = ComposeHover(s, r);
    EXPECT_EQ(o.toolTip, "Travel: Fireworks, Holiday: New Year");
    EXPECT_EQ(o.dateBox, "01/01/10");
    EXPECT_EQ(o.plannerExists, true);
    EXPECT_EQ(o.noteExists, false);
}

TEST_F(HoverText, TemplateShowsItsHintsAndNothingElse) {
    s.flags.gTemplateMode = true;
    HoverRequest r;
    r.view = HoverView::OneMonth;
    r.x = 3.5f;
    r.y = 5.25f;
    r.colourAt = Stripes({{3.37, 3.41, kTemplateRed}});
    HoverOutcome o = ComposeHover(s, r);
    EXPECT_EQ(o.toolTip, "31 signifies the last day of any month.");
    EXPECT_TRUE(o.templateEnded);
    EXPECT_FALSE(o.dateBox.has_value());
    r.colourAt = Stripes({{3.3, 3.32, kTemplateGrey}, {3.6, 3.65, kTemplateRed}});
    EXPECT_EQ(ComposeHover(s, r).toolTip, "Icons cannot be saved to this day.");
    r.colourAt = Stripes({});
    EXPECT_EQ(ComposeHover(s, r).toolTip, "");
    // Outside template mode the same red is the Appointment category.
    s.flags.gTemplateMode = false;
    r.colourAt = Stripes({{3.37, 3.41, kTemplateRed}});
    EXPECT_EQ(ComposeHover(s, r).toolTip, "Appointment");
}

} // namespace
} // namespace orvelle
