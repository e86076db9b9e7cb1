// The planner as the main window opens it: an MDI child in place of the calendar view.
#include "PlannerWindowFixture.h"
#include "common/Patience.h"

#include "mainwindow/frmMain.h"
#include "mainwindow/PlannerLauncher.h"
#include "platform/DataFolder.h"
#include "platform/MdiChildren.h"
#include "store/Clock.h"
#include "views/frmYear.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace orvelle {
namespace {

class PlannerInMainWindow : public PlannerWindowTest {
protected:
    void SetUp() override {
        PlannerWindowTest::SetUp();
        SeedDataFolder(dir, std::string(ORVELLE_DEFAULTS) + "/");
        Clock::Set({DateSerial(2009, 3, 5), 14 * 3600});
        main = new frmMain(*s);
        InstallPlannerWindow(*main);
        main->MDIForm_Load();
        main->show();
        Settle();
    }
    void TearDown() override {
        s->flags.gPlannerChanged = false;
        delete main;
        Settle();
        Clock::Reset();
        PlannerWindowTest::TearDown();
    }
    frmPlanner* Planner() const {
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            if (auto* p = qobject_cast<frmPlanner*>(sub->widget()); p && !p->IsUnloaded()) return p;
        return nullptr;
    }

    frmMain* main = nullptr;
};

TEST_F(PlannerInMainWindow, OpenPlannerCommandReplacesTheCalendar) {
    WriteYear(2009, {{DateSerial(2009, 3, 5), PageWith(0, "From the year file")}});
    main->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    w = Planner();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 0);
    EXPECT_EQ(main->yearView(), nullptr);
    EXPECT_EQ(main->windowTitle(), "Orvelle: Daily Planner - [Monthly Planner]");
    EXPECT_TRUE(MdiSubWindowOf(w)->isVisible());
    EXPECT_EQ(MdiSubWindowOf(w)->geometry(), main->mdiArea()->viewport()->rect());
    EXPECT_EQ(Box(0)->text(), "From the year file");

    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    EXPECT_EQ(main->cmbDay->currentText(), "06");

    Item("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(Planner(), nullptr);
    EXPECT_FALSE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_NE(main->yearView(), nullptr);
}

TEST_F(PlannerInMainWindow, TypingAfterOpeningGoesIntoTheFirstLine) {
    QApplication::setActiveWindow(main);
    main->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    w = Planner();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Box(0));
}

TEST_F(PlannerInMainWindow, CancelAtTheQuitQuestionKeepsTheProgram) {
    main->Menu("mnuOptDateOpenPlanner")->trigger();
    w = Planner();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(Box(0), "Unsaved thought");
    prompter.Expect(MsgAnswer::Cancel, "Planner has been changed. Do you want to save the changes?");
    Item("mnuFileQuit")->trigger();
    Settle();
    EXPECT_TRUE(main->isVisible());
    ASSERT_EQ(Planner(), w.data());
    EXPECT_EQ(Box(0)->text(), "Unsaved thought");
    EXPECT_TRUE(s->flags.gPlannerChanged);
}

TEST_F(PlannerInMainWindow, CaretShowsInTheStatusBarAndClosingLeavesTheBoxesAlone) {
    main->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    w = Planner();
    ASSERT_NE(w, nullptr);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main, test::kPatienceMs));
    Box(32)->setFocus();
    QTest::keyClicks(Box(32), "5");
    EXPECT_EQ(main->lblCurPos->text(), "Text Position = 1");
    // Closing is no leaving of the box: nothing is reformatted or counted as an edit then.
    prompter.Expect(MsgAnswer::No, "Planner has been changed. Do you want to save the changes?");
    Item("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(Planner(), nullptr);
    EXPECT_FALSE(s->flags.gPlannerChanged);
    EXPECT_EQ(s->page.gPlannerLines[38].substr(0, 4), "    ");
}

} // namespace
} // namespace orvelle
