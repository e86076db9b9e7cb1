#include "common/MainWindowFixture.h"
#include "notes/frmNotes.h"
#include "platform/Beep.h"
#include "platform/MdiChildren.h"
#include "store/SaveChangesPrompt.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>

namespace orvelle {
namespace {

class ViewWindows : public MainWindowTest {
protected:
    // Switches with the picker on the given date, as a view button does.
    void SwitchTo(int button, int year, int month, int day) {
        SetPicker(QString::fromStdString(MonthName(month)), QString::number(day), QString::number(year));
        w->imgCal_MouseDown(button, Qt::LeftButton);
        Settle();
    }
};

TEST_F(ViewWindows, TwelveMonthNextAndPrevGoToTheFirstOfJanuary) {
    Start();
    frmYear* y = w->yearView();
    y->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    EXPECT_EQ(Picker(), "January 01, 2010");
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2010 Calendar");
    EXPECT_EQ(w->yearView(), y); // redrawn in the same window
    QTest::keyClick(y->picMain, Qt::Key_Left);
    QTest::keyClick(y->picMain, Qt::Key_Left);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2008, 1, 1));
    QTest::keyClick(y->picMain, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 1, 1));
    EXPECT_EQ(y->cmdMonth[11]->text(), "December, 2009");
}

TEST_F(ViewWindows, ViewButtonsSwitchAndUnloadTheOtherViews) {
    Start();
    SwitchTo(0, 2009, 10, 16);
    EXPECT_EQ(s->flags.gCalendarView, 1);
    EXPECT_EQ(w->yearView(), nullptr);
    EXPECT_FALSE(s->flags.gYearViewOpen);
    EXPECT_FALSE(s->flags.gClosingYearView);
    ASSERT_NE(w->monthView(), nullptr);
    frmMonth* month = w->monthView();
    EXPECT_EQ(w->imgCal[0]->Look(), ButtonLook::Down);
    EXPECT_EQ(w->imgCal[2]->Look(), ButtonLook::NoFocus);
    // The same button again only redraws.
    SwitchTo(0, 2009, 11, 2);
    EXPECT_EQ(w->monthView(), month);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 11, 2));
    // A right press switches like a left one.
    SetPicker("June", "10", "2009");
    w->imgCal_MouseDown(1, Qt::RightButton);
    Settle();
    EXPECT_EQ(s->flags.gCalendarView, 6);
    EXPECT_EQ(w->monthView(), nullptr);
    ASSERT_NE(w->sixMonthView(), nullptr);
    w->Menu("mnuCalOneYear")->trigger();
    Settle();
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(w->sixMonthView(), nullptr);
    EXPECT_FALSE(s->flags.gSixMonthViewOpen);
    EXPECT_NE(w->yearView(), nullptr);
}

TEST_F(ViewWindows, CancelAtTheNotesQuestionLeavesTheViewAlone) {
    Start();
    s->flags.gNotesOpen = s->flags.gNotesChanged = true;
    SetPicker("June", "10", "2009");
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    w->imgCal_MouseDown(0, Qt::LeftButton);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_NE(w->yearView(), nullptr);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5));
    EXPECT_EQ(Picker(), "June 10, 2009");
    s->flags.gNotesOpen = s->flags.gNotesChanged = false;
}

TEST_F(ViewWindows, SixMonthStepsHalfAYearAcrossTheYearEnd) {
    Start();
    SwitchTo(1, 2009, 6, 20);
    frm6Months* v = w->sixMonthView();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->cmdView[0]->text(), "June, 2009");
    EXPECT_EQ(v->cmdView[5]->text(), "November, 2009");
    EXPECT_FALSE(s->flags.gSpansNextYear);
    v->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 12, 1));
    EXPECT_EQ(v->cmdView[5]->text(), "May, 2010");
    EXPECT_TRUE(s->flags.gSpansNextYear);
    EXPECT_EQ(s->flags.gSpannedYear, 2010);
    EXPECT_EQ(v->picMonth[5]->Tag(), "2010055");
    v->cmdPrev->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 6, 1));
    SwitchTo(1, 2009, 7, 3);
    v->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    v->cmdPrev->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 7, 1));
}

// Dates run from the year 100 to 9999: a step past them is refused with a beep. A two-digit year
// in the date box takes the century of the period on show, and data folders carry four digits.
TEST_F(ViewWindows, TheViewsKeepWithinTheYears100To9999) {
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    Start();
    SwitchTo(2, 9999, 6, 1);
    w->yearView()->cmdNext->click();
    EXPECT_EQ(w->windowTitle(), "Orvelle: 9999 Calendar");
    SetPicker("June", "1", "0100");
    w->imgCal_MouseDown(2, Qt::LeftButton);
    w->yearView()->cmdPrev->click();
    EXPECT_EQ(w->windowTitle(), "Orvelle: 100 Calendar");
    w->yearView()->cmdMonth[2]->click(); // "March, 100"
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(100, 3, 1));
    SwitchTo(0, 9999, 12, 1);
    w->monthView()->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(9999, 12, 1));
    SwitchTo(1, 9999, 2, 1);
    w->sixMonthView()->cmdNext->click();
    EXPECT_EQ(beeps, 4);
    prompter.Expect(MsgAnswer::OK, "The 6 month calendar cannot show months past December 9999.");
    SwitchTo(1, 9999, 12, 1);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(9999, 2, 1));
    EXPECT_EQ(w->sixMonthView()->cmdView[0]->text(), "February, 9999");
    SetBeepHook({});

    SwitchTo(1, 2099, 8, 1);
    ASSERT_EQ(s->flags.gSpannedYear, 2100);
    DoubleClick(w->sixMonthView()->picMonth[5], 2.5, 2.25); // 5 January 2100
    Settle();
    ASSERT_NE(frmNotes::Find(w->mdiArea()), nullptr);
    EXPECT_EQ(frmNotes::Find(w->mdiArea())->windowTitle(), "Notes for January 05, 2100");

    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    SetPicker("March", "5", "0999");
    w->imgOpt_Click(1);
    Settle();
    QTest::keyClicks(frmNotes::Find(w->mdiArea())->txtNotes(), "old");
    frmNotes::Find(w->mdiArea())->mnuFileSave_Click();
    EXPECT_TRUE(std::filesystem::exists(dir + "0999/Notes.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir + "999"));
}

TEST_F(ViewWindows, AfterANoteOfAnotherYearTheViewsStepFromWhatTheyShow) {
    Start();
    frmYear* y = w->yearView();
    OpenAndCloseNote("May", "05", "2010");
    ASSERT_EQ(w->yearView(), y);
    ASSERT_EQ(y->cmdMonth[0]->text(), "January, 2009");
    y->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    EXPECT_EQ(y->cmdMonth[0]->text(), "January, 2010");

    SwitchTo(1, 2009, 3, 10);
    frm6Months* v = w->sixMonthView();
    ASSERT_NE(v, nullptr);
    OpenAndCloseNote("May", "05", "2010");
    ASSERT_EQ(v->cmdView[0]->text(), "March, 2009");
    v->cmdNext->click();
    EXPECT_EQ(v->cmdView[0]->text(), "September, 2009");
    // A date clicked in a later box still moves the start along.
    ClickCell(v->picMonth[2], 3, 2); // 18 November 2009
    ASSERT_EQ(s->dates.gSelectedDate, DateSerial(2009, 11, 18));
    v->cmdPrev->click();
    EXPECT_EQ(v->cmdView[0]->text(), "May, 2009");
}

TEST_F(ViewWindows, SixMonthArrowOnAMonthButtonStepsOnce) {
    Start();
    SwitchTo(1, 2009, 3, 1);
    frm6Months* v = w->sixMonthView();
    v->cmdView[2]->setFocus();
    QTest::keyClick(v->cmdView[2], Qt::Key_Right);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 9, 1));
    QTest::keyClick(v->cmdView[2], Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 1));
}

TEST_F(ViewWindows, SixMonthButtonTakesItsYearFromItsCaption) {
    Start();
    SwitchTo(1, 2009, 10, 1);
    frm6Months* v = w->sixMonthView();
    // The picker says 2009, but box 4 shows February 2010.
    v->cmdView[4]->click();
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 2, 1));
    EXPECT_EQ(s->flags.gCalendarView, 1);
    EXPECT_EQ(w->sixMonthView(), nullptr);
    EXPECT_FALSE(s->flags.gSixMonthViewOpen);
    EXPECT_NE(w->monthView(), nullptr);
}

TEST_F(ViewWindows, SixMonthClickOnANextYearBoxReadsNextYearsGrid) {
    Start();
    SwitchTo(1, 2009, 11, 1);
    frm6Months* v = w->sixMonthView();
    // Box 2 is January 2010, whose 1st is a Friday.
    ClickCell(v->picMonth[2], 5, 0);
    EXPECT_EQ(s->view.gSixMonthPanelIndex, 2);
    EXPECT_EQ(s->view.gSixMonthPanelIsNextYear, 1);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    EXPECT_EQ(s->dates.gYear, 2010);
    EXPECT_EQ(w->txtDate->text(), "01/01/10");
    EXPECT_EQ(Picker(), "January 01, 2010");
    ClickCell(v->picMonth[0], 0, 1);
    EXPECT_EQ(s->view.gSixMonthPanelIsNextYear, 0);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 11, 8));
}

TEST_F(ViewWindows, TwelveMonthButtonOpensThatMonth) {
    Start();
    w->yearView()->cmdMonth[9]->click();
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 10, 1));
    EXPECT_EQ(s->dates.gCurrentCellMonth, 9);
    EXPECT_EQ(s->flags.gCalendarView, 1);
    EXPECT_EQ(w->yearView(), nullptr);
    EXPECT_EQ(Picker(), "October 01, 2009");
}

TEST_F(ViewWindows, OneMonthStepsAcrossTheYearEndAndEscReturnsToTheYear) {
    Start();
    SwitchTo(0, 2009, 12, 17);
    frmMonth* v = w->monthView();
    v->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    QTest::keyClick(v->picMonth, Qt::Key_Left);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 12, 1));
    v->cmdPrev->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 11, 1));
    // A cancelled save question keeps the month.
    s->flags.gMonthIconsChanged = true;
    prompter.Expect(MsgAnswer::Cancel, "Monthly Icons have been changed.");
    v->cmdNext->click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 11, 1));
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    // Esc asks about the changed icons too, then shows the twelve months of the same year.
    prompter.Expect(MsgAnswer::No, "Monthly Icons have been changed.");
    QTest::keyClick(v->picMonth, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(w->monthView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2009 Calendar");
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
}

TEST_F(ViewWindows, OneMonthClickSelectsAndRightClickOffersNoIconRemoval) {
    Start();
    SwitchTo(0, 2009, 3, 5);
    frmMonth* v = w->monthView();
    ClickCell(v->picMonth, 1, 4, Qt::RightButton); // Monday 30 March 2009
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 30));
    EXPECT_EQ(w->lblHoliday->text(), "No Holiday Assigned");
    EXPECT_TRUE(w->mnuDateOptions->isVisible());
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateRemoveIcon"));
    w->mnuDateOptions->hide();
    // Head band: the date box keeps its text.
    Click(v->picMonth, 2.5, 0.5);
    EXPECT_EQ(w->txtDate->text(), "03/30/09");
    EXPECT_EQ(s->view.gCurrentCellText, "");
}

TEST_F(ViewWindows, LayoutThresholds) {
    Start();
    frmYear* y = w->yearView();
    // 15 twips per pixel: 1000 pixels are exactly 15000 twips.
    y->resize(1000, 633);
    EXPECT_FALSE(s->view.gRightPanelsShown[0]);
    EXPECT_FALSE(y->framRight->isVisible());
    EXPECT_FALSE(y->picToDo->isVisible());
    y->resize(1001, 634);
    EXPECT_TRUE(s->view.gRightPanelsShown[0]);
    EXPECT_TRUE(y->framRight->isVisible());
    EXPECT_TRUE(y->picToDo->isVisible());
    EXPECT_EQ(y->framRight->x(), TwipsToPixelsX(11790));
    // The grid: box 5 at 3075, 2790; box 1 15 twips left of box 5; the bar over box 11's corner.
    EXPECT_EQ(y->picMonth[5]->pos(), QPoint(TwipsToPixelsX(3075), TwipsToPixelsY(2790)));
    EXPECT_EQ(y->picMonth[1]->pos(), QPoint(TwipsToPixelsX(3060), TwipsToPixelsY(450)));
    EXPECT_EQ(y->picNav->pos(), QPoint(TwipsToPixelsX(9930), TwipsToPixelsY(6765)));
    // While the window is being closed its layout stays put.
    s->flags.gClosingYearView = true;
    y->resize(900, 500);
    EXPECT_TRUE(s->view.gRightPanelsShown[0]);
    s->flags.gClosingYearView = false;
}

TEST_F(ViewWindows, MonthButtonToolTipAndBackgroundResetTheButtons) {
    Start();
    frmYear* y = w->yearView();
    QTest::mouseMove(y->cmdMonth[2]);
    y->cmdMonth_MouseMove(2);
    EXPECT_EQ(y->cmdMonth[2]->toolTip(), "Go to March, 2009's Calendar");
    w->SetOptLook(1, ButtonLook::Exists);
    y->picMain_MouseMove();
    EXPECT_EQ(w->imgOpt[1]->Look(), ButtonLook::NoFocus);
}

} // namespace
} // namespace orvelle
