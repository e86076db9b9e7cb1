// Leaving a changed page: the close question, the day buttons' question, Exit and Quit, and an
// imported page that must not overwrite a stored day unasked.
#include "PlannerWindowFixture.h"

#include "notes/TermHooks.h"
#include "notes/frmFUT.h"

#include <QTest>

namespace orvelle {
namespace {

const Date kMar5 = DateSerial(2009, 3, 5);
const char* kCloseQuestion = "Planner has been changed. Do you want to save the changes?";
const char* kDayQuestion = "The Planner has been changed. Do you want to save those changes?";

TEST_F(PlannerWindowTest, ClosingAnUnchangedPageAsksNothing) {
    Open(kMar5);
    EXPECT_TRUE(w->close());
    Settle();
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(s->flags.gPlannerOpen);
    EXPECT_FALSE(static_cast<bool>(s->hooks.ShowPlannerPage));
}

TEST_F(PlannerWindowTest, CancelAtTheCloseQuestionKeepsPageAndEdits) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "Keep me");
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    EXPECT_FALSE(w->close());
    Settle();
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(Box(0)->text(), "Keep me");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Planner Has Been Changed.");
}

TEST_F(PlannerWindowTest, NoAtTheCloseQuestionDiscards) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "Drop me");
    prompter.Expect(MsgAnswer::No, kCloseQuestion);
    EXPECT_TRUE(w->close());
    Settle();
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(s->flags.gPlannerChanged);
    EXPECT_EQ(ReadYear(2009), "<missing>");
}

TEST_F(PlannerWindowTest, YesAtTheCloseQuestionSavesFirst) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "Save me");
    prompter.Expect(MsgAnswer::Yes, kCloseQuestion).Expect(MsgAnswer::OK, "Planner Records Updated");
    EXPECT_TRUE(w->close());
    Settle();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(ReadYear(2009).substr(16 + 10, 7), "Save me");
}

TEST_F(PlannerWindowTest, DayButtonNoDropsTheEditsAndShowsTheNewDay) {
    WriteYear(2009, {{DateSerial(2009, 3, 6), PageWith(0, "Friday page")}});
    Open(kMar5);
    QTest::keyClicks(Box(0), "Unsaved");
    prompter.Expect(MsgAnswer::No, kDayQuestion);
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    Settle();
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 6));
    EXPECT_EQ(Box(0)->text(), "Friday page");
    EXPECT_FALSE(s->flags.gPlannerChanged);
    EXPECT_EQ(ReadYear(2009).find("Unsaved"), std::string::npos);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Planner Has Changed");
}

TEST_F(PlannerWindowTest, DayButtonCancelKeepsDateAndPage) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "Stay");
    prompter.Expect(MsgAnswer::Cancel, kDayQuestion);
    QTest::mouseClick(DayButton(0), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_EQ(Box(0)->text(), "Stay");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
}

TEST_F(PlannerWindowTest, DayButtonYesSavesThenMoves) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "Thursday");
    prompter.Expect(MsgAnswer::Yes, kDayQuestion).Expect(MsgAnswer::OK, "Planner Records Updated");
    QTest::mouseClick(DayButton(0), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 4));
    EXPECT_EQ(Box(0)->text(), "");
    EXPECT_EQ(ReadYear(2009).substr(0, 8), "03/05/09");
}

TEST_F(PlannerWindowTest, ExitAndEscGoBackToTheCalendarUnlessCancelled) {
    Open(kMar5);
    int exits = 0;
    QObject::connect(w, &frmPlanner::exitedToCalendar, [&exits] { ++exits; });
    QTest::keyClicks(Box(0), "x");
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    QTest::keyClick(Box(0), Qt::Key_Escape);
    EXPECT_EQ(exits, 0);
    ASSERT_FALSE(w.isNull());
    prompter.Expect(MsgAnswer::No, kCloseQuestion);
    Item("mnuFileExit")->trigger();
    EXPECT_EQ(exits, 1);
    Settle();
    EXPECT_TRUE(w.isNull());
}

TEST_F(PlannerWindowTest, CancelAtQuitKeepsTheProgramOpen) {
    // The terms window beside the page, loaded after it.
    ASSERT_TRUE(WriteFileAtomic(dir + "Work.fut", "Meeting"));
    ASSERT_TRUE(WriteFileAtomic(dir + "Zoo.fut", "Lion"));
    s->prefs.gFUTFileName = "Work.fut";
    s->prefs.gShowFUT = true;
    InstallTermHooks(*s);
    Open(kMar5);
    w->show();
    ASSERT_NE(frmFUT::Find(), nullptr);
    QTest::keyClicks(Box(0), "Busy day");
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    Item("mnuFileQuit")->trigger();
    Settle();
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(Box(0)->text(), "Busy day");
    // Nothing closed before the answer: the terms window is there and F3 switches its list.
    frmFUT* terms = frmFUT::Find();
    ASSERT_NE(terms, nullptr);
    EXPECT_TRUE(terms->isVisible());
    QTest::keyClick(Box(0), Qt::Key_F3);
    EXPECT_EQ(terms->windowTitle(), "Zoo");
    delete terms;
}

// A page whose edits nobody has settled is never dropped by the unload: its question comes.
TEST_F(PlannerWindowTest, UnloadHookAsksAboutUnsettledEdits) {
    Open(kMar5);
    QTest::keyClicks(Box(0), "kept by Cancel");
    prompter.Expect(MsgAnswer::Cancel, kCloseQuestion);
    s->hooks.UnloadPlannerWindow();
    Settle();
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(Box(0)->text(), "kept by Cancel");

    // Settled by the save-changes prompt's No: the unload asks nothing more.
    s->flags.gPlannerChanged = false;
    s->hooks.UnloadPlannerWindow();
    Settle();
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(s->flags.gPlannerOpen);
}

// An imported page is saved only for its own date, and only over a stored day after Yes.
TEST_F(PlannerWindowTest, ImportedPageAsksBeforeOverwritingAStoredDay) {
    const Date fileDate = DateSerial(2009, 6, 1);
    WriteYear(2009, {{fileDate, PageWith(0, "Stored June page")}});
    const std::string before = ReadYear(2009);
    Open(kMar5);
    s->planner.gExternalPlanner = true;
    w->Model().gExternalFileDate = fileDate;
    QTest::keyClicks(Box(0), "Imported text");

    const std::string overwrite = "A record with this date (06/01/09)already exists. Overwrite existing record?";
    prompter.Expect(MsgAnswer::Yes, kCloseQuestion).Expect(MsgAnswer::No, overwrite);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(ReadYear(2009), before);
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "A Planner Exists with the same Date");

    prompter.Expect(MsgAnswer::Yes, kDayQuestion).Expect(MsgAnswer::No, overwrite);
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_EQ(ReadYear(2009), before);

    prompter.Expect(MsgAnswer::Yes, overwrite).Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    std::string file = ReadYear(2009);
    EXPECT_EQ(file.substr(0, 8), "06/01/09");
    EXPECT_EQ(file.substr(16 + 10, 13), "Imported text");
    EXPECT_EQ(file.find("03/05/09"), std::string::npos);
    EXPECT_FALSE(s->planner.gExternalPlanner);
    EXPECT_EQ(s->dates.gSelectedDate, fileDate);
    EXPECT_EQ(Label("lblMain")->text(), "Monday, June 1, 2009");
}

} // namespace
} // namespace orvelle
