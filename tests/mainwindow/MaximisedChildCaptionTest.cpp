// A child window that fills the main window's child area has no title bar of its own: its caption
// shows in the main window's title, as long as it is the current child.
#include "common/MainWindowFixture.h"
#include "mainwindow/ReportMenus.h"
#include "notes/frmNotes.h"
#include "planner/frmPlanner.h"
#include "platform/MdiCaption.h"
#include "platform/MdiChildren.h"
#include "reports/frmReport.h"
#include "views/frmYear.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace orvelle {
namespace {

class MaximisedChildCaption : public MainWindowTest {
protected:
    frmNotes* Notes() const { return frmNotes::Find(w->mdiArea()); }
    frmNotes& OpenNote(const QString& month, const QString& day) {
        SetPicker(month, day, "2009");
        w->Menu("mnuOptDateOpenNotes")->trigger();
        Settle();
        EXPECT_NE(Notes(), nullptr);
        return *Notes();
    }
};

TEST_F(MaximisedChildCaption, TheNotesCaptionFollowsInTheTitleUntilTheNotesAreLeftOrClosed) {
    frmMain& m = Start();
    frmNotes& notes = OpenNote("December", "9");
    ASSERT_TRUE(FillsTheArea(MdiSubWindowOf(&notes)));
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar - [Notes for December 09, 2009]");
    EXPECT_EQ(FrameCaption(&m), "Orvelle: 2009 Calendar");
    EXPECT_EQ(notes.windowTitle(), "Notes for December 09, 2009");

    // The main window's caption and the note's both change under it.
    m.SetCaption("Orvelle: 2010 Calendar");
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar - [Notes for December 09, 2009]");
    OpenNote("December", "10");
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar - [Notes for December 10, 2009]");

    // Another child made current shows the frame's own caption; the note's comes back with it.
    m.mdiArea()->setActiveSubWindow(MdiSubWindowOf(m.yearView()));
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar");
    m.mdiArea()->setActiveSubWindow(MdiSubWindowOf(Notes()));
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar - [Notes for December 10, 2009]");

    ASSERT_TRUE(CloseMdiChild(Notes()));
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2010 Calendar");
}

TEST_F(MaximisedChildCaption, ThePlannerAndTheReportsNameThemselvesAndGiveTheTitleBack) {
    frmMain& m = StartWithPlanner();
    m.imgOpt_Click(2);
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: Daily Planner - [Monthly Planner]");
    auto* planner = m.findChild<frmPlanner*>();
    ASSERT_NE(planner, nullptr);
    planner->findChild<QAction*>("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");

    // The expense report lies over the year view: closed alone, it leaves the view's caption.
    frmReport& expenses = GenerateReportInto(m, ReportKind::Expense);
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: Expense Report - [Expenses]");
    QTest::keyClick(&expenses, Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(s->flags.gExpenseReportOpen);
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");

    frmReport& miles = GenerateReportInto(m, ReportKind::Mileage);
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: Mileage Report - [Mileage Report]");
    miles.findChild<QAction*>("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");
}

// On a smaller screen the note opens in a frame of its own, within the child area; maximised by
// the user it keeps its title bar, nothing moves into the menu bar, and the title names it until
// it is restored.
TEST_F(MaximisedChildCaption, ANoteMaximisedByTheUserIsNamedUntilRestored) {
    SetScreenPixelsForTests(QSize(1023, 768));
    frmMain& m = Start();
    frmNotes& notes = OpenNote("March", "5");
    QMdiSubWindow* sub = MdiSubWindowOf(&notes);
    ASSERT_FALSE(FillsTheArea(sub));
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");
    // All of it within reach in the child area, which has no scroll bars.
    EXPECT_TRUE(m.mdiArea()->viewport()->rect().contains(sub->geometry()));

    sub->showMaximized();
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar - [Notes for March 05, 2009]");
    EXPECT_EQ(m.menuBar()->cornerWidget(Qt::TopLeftCorner), nullptr);
    EXPECT_EQ(m.menuBar()->cornerWidget(Qt::TopRightCorner), nullptr);
    sub->showNormal();
    Settle();
    EXPECT_EQ(m.windowTitle(), "Orvelle: 2009 Calendar");
}

} // namespace
} // namespace orvelle
