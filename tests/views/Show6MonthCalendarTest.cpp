// The six-month and twelve-month views drawn in the real windows, read back from their boxes.
#include "render/LayerFixture.h"

#include "mainwindow/frmMain.h"
#include "views/CalendarViews.h"
#include "views/frm6Months.h"
#include "views/frmYear.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace orvelle;

namespace {

class SixMonthView : public LayerFixture {
protected:
    void SetUp() override {
        LayerFixture::SetUp();
        main = std::make_unique<frmMain>(*s);
    }
    void TearDown() override {
        main.reset();
        LayerFixture::TearDown();
    }
    frm6Months& Draw(Date selected) {
        s->dates.gSelectedDate = selected;
        Show6MonthCalendar(*s, *main);
        return *main->sixMonthView();
    }
    std::string Caption(frm6Months& v, int k) { return v.cmdView[k]->text().toStdString(); }

    std::unique_ptr<frmMain> main;
};

} // namespace

TEST_F(SixMonthView, JulySpansNothing) {
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    frm6Months& v = Draw(DateSerial(2009, 7, 20));
    EXPECT_FALSE(s->flags.gSpansNextYear);
    EXPECT_EQ(s->flags.gSpannedYear, 0);
    EXPECT_EQ(s->flags.gCalendarView, 6);
    EXPECT_EQ(Caption(v, 0), "July, 2009");
    EXPECT_EQ(Caption(v, 5), "December, 2009");
    EXPECT_EQ(v.picMonth[5]->Tag(), "2009125");
    EXPECT_EQ(main->lblCurPos->text(), "False");
    // Nothing of the next year is loaded.
    EXPECT_EQ(s->dates.nextYearsGridYear, 0);
    EXPECT_EQ(s->holidays.gNextYearsHolidayCount, 0);
}

TEST_F(SixMonthView, AugustSpansIntoTheNextYear) {
    WriteHolidays(2009, {"12/25/09:Christmas Day"});
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    WriteBirthdays("01/20:-1:Ann Smith:1961\r\n");
    frm6Months& v = Draw(DateSerial(2009, 8, 14));
    EXPECT_TRUE(s->flags.gSpansNextYear);
    EXPECT_EQ(s->flags.gSpannedYear, 2010);
    EXPECT_EQ(v.picMonth[5]->Tag(), "2010015");
    EXPECT_EQ(Caption(v, 5), "January, 2010");
    EXPECT_EQ(Caption(v, 0), "August, 2009");
    EXPECT_EQ(main->windowTitle(), "Orvelle: 2009 Calendar");
    EXPECT_EQ(main->lblCurPos->text(), "True");
    EXPECT_EQ(s->dates.nextYearsGridYear, 2010);
    EXPECT_EQ(CellFill(*v.picMonth[4], DateSerial(2009, 12, 25)), kHolidayOrange);
    EXPECT_EQ(CellFill(*v.picMonth[5], DateSerial(2010, 1, 1)), kHolidayOrange);
    EXPECT_EQ(CellFill(*v.picMonth[5], DateSerial(2010, 1, 20)), kBirthdayMagenta);
    // The 20 January of 2009 is not on the view: the shown year's stamp points at no box.
    EXPECT_EQ(s->birthdays.gNextYearsBirthdayStamps[0], CellStampOf(DateSerial(2010, 1, 20)));
}

TEST_F(SixMonthView, MarksStayOnTopOfHolidaysInBothYears) {
    WriteHolidays(2009, {"12/25/09:Christmas Day"});
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    Write("2009Marks.dat", "11:05:03:255");  // 25 December 2009
    Write("2010Marks.dat", "00:05:00:255");  // 1 January 2010
    frm6Months& v = Draw(DateSerial(2009, 11, 2));
    EXPECT_EQ(CellFill(*v.picMonth[1], DateSerial(2009, 12, 25)), 255);
    EXPECT_EQ(CellFill(*v.picMonth[2], DateSerial(2010, 1, 1)), 255);
}

TEST_F(SixMonthView, DayNumbersAndTodaysCell) {
    frm6Months& v = Draw(DateSerial(2009, 3, 1));
    // Today (5 March 2009) is boxed in the today colour with its number in the contrast colour.
    EXPECT_EQ(CellFill(*v.picMonth[0], DateSerial(2009, 3, 5)), kTodayCyan);
    EXPECT_TRUE(CellHasColour(*v.picMonth[0], DateSerial(2009, 3, 5), kVbBlack));
    // Other days are printed in black on the plain cell.
    EXPECT_TRUE(CellHasColour(*v.picMonth[2], DateSerial(2009, 5, 31), kVbBlack));
    EXPECT_FALSE(CellHasColour(*v.picMonth[2], DateSerial(2009, 5, 30), kTodayCyan));
    // A cell outside the month stays blank: May 2009 starts on a Friday.
    PictureBox& may = *v.picMonth[2];
    EXPECT_FALSE(CellHasColour(may, DateSerial(2009, 1, 1) /* column 4, row 0 */, kVbBlack));

    s->flags.gHighlightToday = false;
    Draw(DateSerial(2009, 3, 1));
    EXPECT_FALSE(CellHasColour(*v.picMonth[0], DateSerial(2009, 3, 5), kTodayCyan));
}

TEST_F(SixMonthView, HiddenCategoriesLeavePlainCells) {
    WriteHolidays(2009, {"12/25/09:Christmas Day"});
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    WriteBirthdays("12/10:-1:Ann Smith:1961\r\n01/20:-1:Bob Jones:****\r\n");
    s->markers.gMarkerHidden[kHolidayCategory] = -1;
    s->markers.gMarkerHidden[kBirthdayCategory] = -1;
    frm6Months& v = Draw(DateSerial(2009, 11, 2));
    VbColor plain = v.picMonth[0]->BackColor();
    EXPECT_EQ(CellFill(*v.picMonth[1], DateSerial(2009, 12, 25)), plain);
    EXPECT_EQ(CellFill(*v.picMonth[1], DateSerial(2009, 12, 10)), plain);
    EXPECT_EQ(CellFill(*v.picMonth[2], DateSerial(2010, 1, 1)), plain);
    EXPECT_EQ(CellFill(*v.picMonth[2], DateSerial(2010, 1, 20)), plain);
    // No holiday file is read for a hidden category.
    EXPECT_EQ(s->holidays.gThisYearsHolidayCount, 0);
    EXPECT_EQ(s->holidays.gNextYearsHolidayCount, 0);
}

TEST_F(SixMonthView, TwelveMonthViewShowsHolidaysAndBirthdays) {
    WriteHolidays(2009, {"07/04/09:Independence Day"});
    WriteBirthdays("03/14:-1:Bob Jones:****\r\n");
    s->dates.gSelectedDate = DateSerial(2009, 3, 5);
    Show1YearCalendar(*s, *main);
    frmYear& y = *main->yearView();
    EXPECT_EQ(CellFill(*y.picMonth[6], DateSerial(2009, 7, 4)), kHolidayOrange);
    EXPECT_EQ(CellFill(*y.picMonth[2], DateSerial(2009, 3, 14)), kBirthdayMagenta);
}

TEST_F(SixMonthView, BlackHolidayAndBirthdayColoursPaintPlainBoxesInEveryView) {
    WriteHolidays(2009, {"12/25/09:Christmas Day"});
    WriteHolidays(2010, {"01/01/10:New Year's Day"});
    WriteBirthdays("12/10:-1:Ann Smith:1961\r\n01/20:-1:Bob Jones:****\r\n");
    s->markers.gMarkerColors[kHolidayCategory] = kVbBlack;
    s->markers.gMarkerColors[kBirthdayCategory] = kVbBlack;
    frm6Months& v = Draw(DateSerial(2009, 11, 2));
    for (auto [box, date] : {std::pair{1, DateSerial(2009, 12, 25)}, {1, DateSerial(2009, 12, 10)},
                             {2, DateSerial(2010, 1, 1)}, {2, DateSerial(2010, 1, 20)}}) {
        EXPECT_EQ(CellFill(*v.picMonth[box], date), kVbWhite) << date;
        EXPECT_TRUE(CellHasColour(*v.picMonth[box], date, kVbBlack)) << date;
    }
    s->dates.gSelectedDate = DateSerial(2009, 3, 5);
    Show1YearCalendar(*s, *main);
    frmYear& y = *main->yearView();
    EXPECT_EQ(CellFill(*y.picMonth[11], DateSerial(2009, 12, 25)), kVbWhite);
    EXPECT_TRUE(CellHasColour(*y.picMonth[11], DateSerial(2009, 12, 25), kVbBlack));
}
