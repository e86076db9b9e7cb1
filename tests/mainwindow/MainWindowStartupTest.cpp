#include "common/MainWindowFixture.h"
#include "mainwindow/PlannerLauncher.h"
#include "platform/SingleInstance.h"
#include "store/MarkerCategories.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QProcess>
#include <QPushButton>

namespace orvelle {
namespace {

class StartUp : public MainWindowTest {};

constexpr const char* kCloseQuestion = "Are you sure you want to close the program?";

TEST_F(StartUp, OpensTheTwelveMonthViewOfTodaysYear) {
    frmMain& m = Start();
    EXPECT_FALSE(s->flags.gMainWindowLoading);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    ASSERT_NE(m.yearView(), nullptr);
    EXPECT_TRUE(s->flags.gYearViewOpen);
    EXPECT_EQ(m.sixMonthView(), nullptr);
    EXPECT_EQ(m.monthView(), nullptr);
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");
    EXPECT_EQ(m.lblDate->text(), "Today is Thursday, March 5, 2009");
    EXPECT_EQ(Picker(), "March 5, 2009");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5));
    EXPECT_EQ(s->view.gToday, DateSerial(2009, 3, 5));
    EXPECT_EQ(s->flags.gViewYear, 2009);
    // Today's cell is the current cell: 5 March 2009 is a Thursday in the first week row.
    EXPECT_EQ(s->dates.gCurrentCellMonth, 2);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 4);
    EXPECT_EQ(s->dates.gCurrentCellRow, 0);
    EXPECT_EQ(s->view.gCurrentCellDD, "05");
    EXPECT_EQ(s->view.gDayNames[0], "Sun");
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, -1);
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, -1);
    EXPECT_EQ(m.imgCal[2]->Look(), ButtonLook::Down);
    EXPECT_EQ(m.imgCal[0]->Look(), ButtonLook::NoFocus);
    EXPECT_EQ(m.imgOpt[0]->Look(), ButtonLook::NoFocus);
    EXPECT_FALSE(m.lblTemplate->isVisible());
    for (const char* item : {"mnuFilePrintCalendar", "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon",
                             "mnuOptDateShowIcons", "mnuOptDateClearMark", "mnuOptDateRemoveAll"}) {
        ASSERT_NE(m.Menu(item), nullptr) << item;
        EXPECT_FALSE(m.MenuEnabled(item)) << item;
    }
    EXPECT_TRUE(m.MenuEnabled("mnuCalOneMonth"));
    // The picker's lists.
    EXPECT_EQ(m.cmbMonth->count(), 12);
    EXPECT_EQ(m.cmbDay->count(), 31);
    EXPECT_EQ(m.cmbYear->itemText(0), "2008");
    // The mark categories name the Edit menu's items.
    EXPECT_EQ(m.Menu("mnuEditMark_11")->text(), "Today's Date");
    EXPECT_EQ(m.Menu("mnuOptDateMarkAs_10")->text(), QString::fromStdString(s->markers.gMarkerCaptions[12]));
    // The help topics were read after the view and fill its panel when that is shown.
    EXPECT_GT(s->help.gHelpCount, 0);
}

// The picker's arrows step from the date it shows, and Enter there turns the calendar to it.
TEST_F(StartUp, PickerArrowsStepFromTheShownDate) {
    frmMain& m = Start();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    QTest::mouseClick(m.cmbYear->lineEdit(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), m.cmbYear);
    key(Qt::Key_Down);
    EXPECT_EQ(Picker(), "March 5, 2010");
    key(Qt::Key_Return);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 3, 5));
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar");
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(m.cmbYear->currentText(), "2008");
    QTest::mouseClick(m.cmbMonth->lineEdit(), Qt::LeftButton);
    key(Qt::Key_Up);
    QTest::mouseClick(m.cmbDay->lineEdit(), Qt::LeftButton);
    key(Qt::Key_Down);
    EXPECT_EQ(Picker(), "February 6, 2008");
    key(Qt::Key_Return);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2008, 2, 6));
    EXPECT_EQ(Picker(), "February 6, 2008");
}

TEST_F(StartUp, WindowSizeFollowsTheScreen) {
    SetScreenPixelsForTests(QSize(1024, 768)); // 15360 x 11520 twips
    frmMain& m = Start();
    EXPECT_TRUE(m.isMaximized());
    delete w;
    w = nullptr;
    SetScreenPixelsForTests(QSize(1023, 768));
    frmMain& small = Start();
    EXPECT_FALSE(small.isMaximized());
    EXPECT_EQ(small.size(), QSize(TwipsToPixelsX(12000), TwipsToPixelsY(9000)));
}

TEST_F(StartUp, ClosingWithNothingOpenAsksNothing) {
    frmMain& m = Start();
    EXPECT_TRUE(m.close());
    EXPECT_TRUE(s->flags.gMainWindowClosing);
    Settle();
    EXPECT_FALSE(s->flags.gYearViewOpen);
}

TEST_F(StartUp, CancelAtTheSaveQuestionKeepsTheProgramOpen) {
    frmMain& m = Start();
    s->flags.gNotesOpen = true;
    s->flags.gNotesChanged = true;
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    EXPECT_FALSE(m.close());
    EXPECT_TRUE(m.isVisible());
    EXPECT_FALSE(s->flags.gMainWindowClosing);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_TRUE(s->flags.gNotesChanged);
    s->flags.gNotesOpen = s->flags.gNotesChanged = false;
}

// The planner window stands in for the view; its unload is the store's hook.
class CloseWithPlanner : public MainWindowTest {
protected:
    void OpenPlanner() {
        s->flags.gPlannerOpen = true;
        s->hooks.UnloadPlannerWindow = [this] {
            ++plannerUnloads;
            s->flags.gPlannerOpen = false;
        };
    }
    int plannerUnloads = 0;
};

TEST_F(CloseWithPlanner, YesEndsTheProgram) {
    frmMain& m = Start();
    OpenPlanner();
    prompter.Expect(MsgAnswer::Yes, kCloseQuestion);
    EXPECT_TRUE(m.close());
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Preparing to Close the Application");
}

TEST_F(CloseWithPlanner, NoKeepsEverything) {
    frmMain& m = Start();
    OpenPlanner();
    prompter.Expect(MsgAnswer::No, kCloseQuestion);
    EXPECT_FALSE(m.close());
    EXPECT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(plannerUnloads, 0);
    EXPECT_FALSE(s->flags.gMainWindowClosing);
    // A second try asks again.
    prompter.Expect(MsgAnswer::No, kCloseQuestion);
    EXPECT_FALSE(m.close());
}

TEST_F(CloseWithPlanner, CancelClosesThePlannerAndShowsTheYear) {
    frmMain& m = Start();
    s->flags.gCalendarView = 0;
    m.UnloadYearView();
    Settle();
    OpenPlanner();
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    EXPECT_FALSE(m.close());
    EXPECT_EQ(plannerUnloads, 1);
    EXPECT_FALSE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_NE(m.yearView(), nullptr);
    EXPECT_TRUE(m.isVisible());
}

TEST_F(StartUp, PlannerButtonOpensTheRealPlannerAndCancelAtCloseReturnsToTheYear) {
    frmMain& m = Start();
    InstallPlannerWindow(m);
    SetPicker("March", "5", "2009");
    m.imgOpt_Click(2);
    Settle();
    ASSERT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->flags.gCalendarView, 0);
    EXPECT_EQ(m.yearView(), nullptr);
    EXPECT_EQ(m.imgCal[2]->Look(), ButtonLook::NoFocus);
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    EXPECT_FALSE(m.close());
    Settle();
    EXPECT_FALSE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_NE(m.yearView(), nullptr);
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");
}

TEST_F(StartUp, ASecondCopyOnTheSameFolderIsRefused) {
    SingleInstance first(dir);
    ASSERT_TRUE(first.Acquired());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVELLE_HOME", QString::fromStdString(dir));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(ORVELLE_BINARY, {});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains(kAnotherInstanceText));
}

} // namespace
} // namespace orvelle
