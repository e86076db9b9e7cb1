// Hover texts on the real view windows: the drawn year with holidays and birthdays from their
// files, marks recognised by the colours painted in the month boxes.
#include "common/MainWindowFixture.h"
#include "store/Holidays.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QPushButton>

namespace orvelle {
namespace {

constexpr VbColor kMeetingBlue = 16711680, kTravelGreen = 32768;

class ViewHover : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(WriteHolidayFile(*s, 2009, {"01/01/09:New Year", "07/04/09:Independence Day"}));
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(dir + "Birthdays.dat",
                                    "03/12:-1:Ann:****\r\n03/10:-1:Bob:1970\r\n03/10:-1:Cyd:1971\r\n", &error));
    }

    PictureBox* YearBox(int month) { return w->yearView()->picMonth[month]; }

};

TEST_F(ViewHover, TwelveMonthCaptionsFromPaintedColoursHolidaysAndBirthdays) {
    Start();
    HoverDate(YearBox(0), DateSerial(2009, 1, 1));
    EXPECT_EQ(YearBox(0)->toolTip(), "Holiday, Holiday: New Year");
    EXPECT_EQ(w->txtDate->text(), "01/01/09");
    EXPECT_EQ(s->view.gHoverDate, DateSerial(2009, 1, 1));
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateAttachHoverText"));
    EXPECT_EQ(w->lblMonth->text(), "0");
    EXPECT_EQ(w->lblX->text(), "4");
    EXPECT_EQ(w->lblY->text(), "0");
    EXPECT_EQ(s->view.gHoverCellMonth, 0);
    EXPECT_EQ(s->view.gHoverCellColumn, 4);
    EXPECT_EQ(s->view.gHoverCellRow, 0);

    HoverDate(YearBox(2), DateSerial(2009, 3, 10));
    EXPECT_EQ(YearBox(2)->toolTip(), "Birthday: Bob, Cyd");
    Cell ann = CellOf(DateSerial(2009, 3, 12));
    s->marks.gThisYearsHoverTexts[ann.month][ann.column][ann.row] = "Party";
    HoverDate(YearBox(2), DateSerial(2009, 3, 12));
    EXPECT_EQ(YearBox(2)->toolTip(), "Birthday: Party, Birthday: Ann");

    // An unmarked day: no caption, the date box follows, the note button shows the note.
    Cell june = CellOf(DateSerial(2009, 6, 17));
    s->notes.gThisYearsNoteFlags[june.month][june.column][june.row] = -1;
    HoverDate(YearBox(5), DateSerial(2009, 6, 17));
    EXPECT_EQ(YearBox(5)->toolTip(), "");
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateAttachHoverText"));
    EXPECT_EQ(w->txtDate->text(), "06/17/09");
    EXPECT_EQ(w->imgOpt[1]->Look(), ButtonLook::Exists);
    EXPECT_EQ(w->imgOpt[2]->Look(), ButtonLook::NoFocus);

    // The head band leaves the date box alone but puts the buttons back.
    Hover(YearBox(5), 3.5, 0.4);
    EXPECT_EQ(w->txtDate->text(), "06/17/09");
    EXPECT_EQ(w->imgOpt[1]->Look(), ButtonLook::NoFocus);
    EXPECT_EQ(w->lblY->text(), "-1");
}

TEST_F(ViewHover, LowerCategoryWinsAndTheSamePositionIsHandledOnce) {
    Start();
    PictureBox* box = YearBox(5);
    Cell c = CellOf(DateSerial(2009, 6, 17));
    // Meeting (category 1) a little left of the pointer, Travel (3) right under it.
    box->FilledBox(c.column + 0.27, c.row + 0.85, c.column + 0.36, c.row + 1.65, kMeetingBlue);
    box->FilledBox(c.column + 0.45, c.row + 0.85, c.column + 0.55, c.row + 1.65, kTravelGreen);
    const double x = c.column + 0.5, y = c.row + 1.0;
    Hover(box, x, y);
    EXPECT_EQ(box->toolTip(), "Meeting");

    s->markers.gMarkerCaptions[1] = "Staff meeting";
    Hover(box, x, y);
    EXPECT_EQ(box->toolTip(), "Meeting");
    Hover(box, x + 0.01, y);
    EXPECT_EQ(box->toolTip(), "Staff meeting");

    // With the notes window open nothing is touched.
    s->flags.gNotesOpen = true;
    HoverDate(YearBox(0), DateSerial(2009, 1, 1));
    EXPECT_EQ(YearBox(0)->toolTip(), "");
    EXPECT_EQ(w->txtDate->text(), "06/17/09");
    s->flags.gNotesOpen = false;
}

TEST_F(ViewHover, SixMonthBoxOfTheNextYearUsesNextYearsTables) {
    Start();
    SetPicker("September", "10", "2009");
    w->imgCal_MouseDown(1, Qt::LeftButton);
    Settle();
    frm6Months* six = w->sixMonthView();
    ASSERT_NE(six, nullptr);
    ASSERT_EQ(six->cmdView[4]->text(), "January, 2010");
    w->Wire("mnuOptDateQuickMark", [] {});
    w->Wire("mnuOptDateClearMark", [] {});
    Cell sep = CellOf(DateSerial(2009, 9, 10));
    ClickCell(six->picMonth[0], sep.column, sep.row);
    Cell c = CellOf(DateSerial(2010, 1, 6));
    s->marks.gNextYearsMarkFlags[c.month][c.column][c.row] = -1;
    HoverDate(six->picMonth[4], DateSerial(2010, 1, 6));
    EXPECT_EQ(s->view.gSixMonthPanelIsNextYear, 1);
    EXPECT_EQ(w->txtDate->text(), "01/06/10");
    // The mark items stay with the selected date, which the commands act on; a press selects.
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateQuickMark"));
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateClearMark"));
    ClickCell(six->picMonth[4], c.column, c.row);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 6));
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateQuickMark"));
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateClearMark"));
    // The head band of a box of this year empties the date box.
    Hover(six->picMonth[0], 3.5, 0.3);
    EXPECT_EQ(s->view.gSixMonthPanelIsNextYear, 0);
    EXPECT_EQ(w->txtDate->text(), "");
}

TEST_F(ViewHover, OneMonthKeepsTheDateOverCellsOutsideTheMonth) {
    Start();
    SetPicker("March", "05", "2009");
    w->imgCal_MouseDown(0, Qt::LeftButton);
    Settle();
    frmMonth* month = w->monthView();
    ASSERT_NE(month, nullptr);
    HoverDate(month->picMonth, DateSerial(2009, 3, 12));
    EXPECT_EQ(w->txtDate->text(), "03/12/09");
    EXPECT_TRUE(w->MenuEnabled("mnuDateOptions"));
    // The Saturday after 31 March lies outside the month.
    Hover(month->picMonth, 6.5, 5.25);
    EXPECT_EQ(w->txtDate->text(), "03/12/09");
    // Dragged out of the box below the grid.
    Hover(month->picMonth, 3.5, 7.2);
    EXPECT_EQ(w->txtDate->text(), "03/12/09");
}

} // namespace
} // namespace orvelle
