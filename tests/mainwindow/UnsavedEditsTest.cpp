// Edits in the notes and planner windows are never dropped or stored under another date when the
// calendar moves on around them.
#include "common/MainWindowFixture.h"
#include "mainwindow/MarkCommands.h"
#include "notes/frmFUT.h"
#include "notes/frmNotes.h"
#include "notes/frmToDo.h"
#include "mainwindow/ReportMenus.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"
#include "store/PlannerRecord.h"
#include "views/frm6Months.h"
#include "views/frmMarkers.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QMdiArea>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <filesystem>

namespace orvelle {
namespace {

constexpr const char* kNoteQuestion = "Text has been changed. Do you want to save the changes?";

class UnsavedEdits : public MainWindowTest {
protected:
    frmNotes* Notes() const { return frmNotes::Find(w->mdiArea()); }
    frmPlanner* Planner() const {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
            if (auto* p = qobject_cast<frmPlanner*>(sub->widget()); p && !p->IsUnloaded()) return p;
        return nullptr;
    }
    std::string YearFile(int year, const char* name) const {
        return ReadWholeFile(dir + std::to_string(year) + "/" + name).value_or("");
    }
    // The page of 1 May 2009 with "Lunch" typed, and its note over it with "call Ann".
    frmPlanner* TypeIntoPageAndNoteOfMay1() {
        SetPicker("May", "1", "2009");
        w->Menu("mnuOptDateOpenPlanner")->trigger();
        Settle();
        frmPlanner* planner = Planner();
        EXPECT_NE(planner, nullptr);
        if (!planner) return nullptr;
        w->imgOpt_Click(1);
        Settle();
        EXPECT_NE(Notes(), nullptr);
        if (!Notes()) return nullptr;
        QTest::keyClicks(planner->Page()->txt(0), "Lunch");
        QTest::keyClicks(Notes()->txtNotes(), "call Ann");
        return planner;
    }
    // Double-clicks 14 January 2009 (a Wednesday in the third week row) and types into its note.
    void TypeNoteOfJanuary14(const char* text) {
        DoubleClick(w->yearView()->picMonth[0], 3.5, 3.25);
        Settle();
        ASSERT_NE(Notes(), nullptr);
        ASSERT_EQ(s->notes.gLoadedNoteDate, DateSerial(2009, 1, 14));
        QTest::keyClicks(Notes()->txtNotes(), text);
        ASSERT_TRUE(s->flags.gNotesChanged);
    }
    QString NoteText() const { return Notes() ? Notes()->txtNotes()->toPlainText() : QString("<closed>"); }
};

TEST_F(UnsavedEdits, TheYearViewAsksAboutTheChangedNoteBeforeMovingOn) {
    frmMain& m = Start();
    TypeNoteOfJanuary14("Do not lose me");

    // Cancel: the view stays on 2009 and the note stays open with its text.
    prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
    m.yearView()->cmdNext->click();
    Settle();
    EXPECT_EQ(m.yearView()->cmdMonth[0]->text(), "January, 2009");
    EXPECT_EQ(YearOf(s->dates.gSelectedDate), 2009);
    EXPECT_EQ(NoteText(), "Do not lose me");

    // Yes: the note is stored under 14 January 2009, then the view moves to 2010.
    prompter.Expect(MsgAnswer::Yes, kNoteQuestion).Expect(MsgAnswer::OK, "Notes Saved");
    m.yearView()->cmdNext->click();
    Settle();
    EXPECT_EQ(m.yearView()->cmdMonth[0]->text(), "January, 2010");
    EXPECT_EQ(Notes(), nullptr);
    std::string stored = YearFile(2009, "Notes.dat");
    EXPECT_NE(stored.find("01/14/09"), std::string::npos) << stored;
    EXPECT_NE(stored.find("Do not lose me"), std::string::npos) << stored;
    EXPECT_FALSE(std::filesystem::exists(dir + "2010/Notes.dat"));
}

TEST_F(UnsavedEdits, EveryRedrawOfTheViewAsksFirstAndCancelStopsIt) {
    frmMain& m = Start();
    TypeNoteOfJanuary14("kept words");

    // Each of these would draw the view again and close the notes window.
    auto cancelled = [&](const char* what, const std::function<void()>& command) {
        prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
        command();
        Settle();
        EXPECT_EQ(NoteText(), "kept words") << what;
        EXPECT_TRUE(prompter.Finished()) << what;
    };
    cancelled("< Prev.", [&] { m.yearView()->cmdPrev->click(); });
    cancelled("right arrow", [&] { m.yearView()->Form_KeyDown(39, 0); });
    cancelled("month button", [&] { m.yearView()->cmdMonth[4]->click(); });
    cancelled("Hide/Show All", [&] { m.Menu("mnuEditMarksHideAll")->trigger(); });
    ASSERT_TRUE(m.Menu("mnuEditMark_8")->isChecked());
    cancelled("hide holidays", [&] { m.Menu("mnuEditMark_8")->trigger(); });
    EXPECT_TRUE(m.Menu("mnuEditMark_8")->isChecked());
    EXPECT_EQ(s->markers.gMarkerHidden[8], 0);
    EXPECT_EQ(m.yearView()->cmdMonth[0]->text(), "January, 2009");
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 1, 14));

    // No drops the edits; the command goes on.
    prompter.Expect(MsgAnswer::No, kNoteQuestion);
    m.yearView()->cmdMonth[4]->click();
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 1);
    EXPECT_EQ(YearFile(2009, "Notes.dat").find("kept words"), std::string::npos);
}

TEST_F(UnsavedEdits, TheSixAndOneMonthViewsAskToo) {
    frmMain& m = Start();
    m.SwitchView(1);
    Settle();
    ASSERT_NE(m.sixMonthView(), nullptr);
    m.imgOpt_Click(1); // the note of the selected date, 5 March 2009
    Settle();
    ASSERT_NE(Notes(), nullptr);
    QString typed = "march words";
    QTest::keyClicks(Notes()->txtNotes(), typed);
    auto cancelled = [&](const char* what, const std::function<void()>& command) {
        prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
        command();
        Settle();
        EXPECT_EQ(NoteText(), typed) << what;
        EXPECT_TRUE(prompter.Finished()) << what;
    };
    QString first = m.sixMonthView()->cmdView[0]->text();
    cancelled("six-month Next", [&] { m.sixMonthView()->cmdNext->click(); });
    cancelled("six-month left arrow", [&] { m.sixMonthView()->Form_KeyDown(37, 0); });
    cancelled("six-month Escape", [&] { m.sixMonthView()->Form_KeyDown(27, 0); });
    cancelled("six-month month button", [&] { m.sixMonthView()->cmdView[1]->click(); });
    ASSERT_NE(m.sixMonthView(), nullptr);
    EXPECT_EQ(m.sixMonthView()->cmdView[0]->text(), first);
    EXPECT_EQ(s->flags.gCalendarView, 6);

    // Yes: saved under 5 March, and the month button goes on to the one-month view.
    prompter.Expect(MsgAnswer::Yes, kNoteQuestion).Expect(MsgAnswer::OK, "Notes Saved");
    m.sixMonthView()->cmdView[0]->click();
    Settle();
    ASSERT_NE(m.monthView(), nullptr);
    EXPECT_NE(YearFile(2009, "Notes.dat").find("03/05/09"), std::string::npos);

    m.imgOpt_Click(1);
    Settle();
    typed = " more";
    QTest::keyClicks(Notes()->txtNotes(), typed);
    cancelled("Clear Mark", [&] { mnuOptDateClearMark_Click(*s, m); });
    cancelled("one-month Escape", [&] { m.monthView()->Form_KeyDown(27, 0); });
    EXPECT_EQ(s->flags.gCalendarView, 1);
}

// The planner keeps the date it shows while the notes window opens another date over it.
TEST_F(UnsavedEdits, ThePlannerPageIsSavedUnderItsOwnDate) {
    std::filesystem::create_directories(dir + "2009");
    PlannerPage dentist;
    dentist.SetLine(0, "Dentist");
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Planner.dat",
                                "05/20/09:" + CellStampOf(DateSerial(2009, 5, 20)) + ":" + BuildPlannerRecord(dentist) +
                                    "\r\n"));
    frmMain& m = StartWithPlanner();
    SetPicker("May", "1", "2009");
    m.Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    QPointer<frmPlanner> planner = Planner();
    ASSERT_NE(planner, nullptr);

    SetPicker("May", "20", "2009");
    m.imgOpt_Click(1); // "Open Notes for Selected Date"
    Settle();
    ASSERT_NE(Notes(), nullptr);
    EXPECT_EQ(Notes()->windowTitle(), "Notes for May 20, 2009");
    ASSERT_TRUE(Notes()->CloseWindow());
    Settle();

    QLineEdit* first = planner->Page()->txt(0);
    QTest::keyClicks(first, "Lunch with Ann");
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    planner->findChild<QAction*>("mnuFileSave")->trigger();
    Settle();
    std::string stored = YearFile(2009, "Planner.dat");
    size_t may1 = stored.find("05/01/09");
    ASSERT_NE(may1, std::string::npos) << "the page went elsewhere";
    EXPECT_NE(stored.find("Lunch with Ann", may1), std::string::npos);
    size_t may20 = stored.find("05/20/09");
    ASSERT_NE(may20, std::string::npos);
    EXPECT_NE(stored.find("Dentist", may20), std::string::npos);
    EXPECT_EQ(stored.find("Lunch with Ann"), stored.find("Lunch with Ann", may1));
    EXPECT_EQ(planner->Page()->lblMain()->text(), "Friday, May 1 2009");

    // The day buttons step from the page's date.
    planner->Page()->cmdDay(1)->click();
    Settle();
    EXPECT_EQ(planner->Page()->lblMain()->text(), "Saturday, May 2 2009");
    EXPECT_EQ(Picker(), "May 02, 2009");
}

TEST_F(UnsavedEdits, ExitNotesAndOpenPlannerShowsThePlannerOnTheNotesDate) {
    std::filesystem::create_directories(dir + "2009");
    PlannerPage page;
    page.SetLine(0, "Budget meeting");
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Planner.dat", "01/14/09:" + CellStampOf(DateSerial(2009, 1, 14)) + ":" +
                                                              BuildPlannerRecord(page) + "\r\n"));
    frmMain& m = StartWithPlanner();
    TypeNoteOfJanuary14("agenda");
    // Another date is selected meanwhile; the note stays the note of 14 January.
    ClickCell(m.yearView()->picMonth[2], 3, 2); // 18 March 2009
    ASSERT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 18));

    prompter.Expect(MsgAnswer::Yes, "The Notes have been changed.").Expect(MsgAnswer::OK, "Notes Saved");
    Notes()->findChild<QPushButton*>("cmdPlanner")->click();
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    frmPlanner* planner = Planner();
    ASSERT_NE(planner, nullptr);
    EXPECT_TRUE(MdiSubWindowOf(planner)->isVisible());
    EXPECT_EQ(planner->Page()->lblMain()->text(), "Wednesday, January 14, 2009");
    EXPECT_EQ(planner->Page()->txt(0)->text(), "Budget meeting");
    EXPECT_EQ(s->flags.gCalendarView, 0);
    EXPECT_EQ(m.yearView(), nullptr);
    EXPECT_EQ(Picker(), "January 14, 2009");
    std::string notes = YearFile(2009, "Notes.dat");
    EXPECT_NE(notes.find("01/14/09"), std::string::npos);
    EXPECT_EQ(notes.find("03/18/09"), std::string::npos);
}

// A note opened over the planner fills the child area; it closes on its own, and the planner's
// exit, which would close it too, asks for it before anything goes.
TEST_F(UnsavedEdits, ANoteOverThePlannerClosesOnItsOwnAndThePlannersExitAsksForItFirst) {
    frmMain& m = StartWithPlanner();
    SetPicker("May", "1", "2009");
    m.Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    QPointer<frmPlanner> planner = Planner();
    ASSERT_NE(planner, nullptr);
    auto openNote = [&] {
        m.imgOpt_Click(1);
        Settle();
        ASSERT_NE(Notes(), nullptr);
        ASSERT_TRUE(MdiSubWindowOf(Notes())->property("fillsArea").toBool());
    };
    openNote();
    // One close button at the right end of the menu bar, nothing at its left.
    auto* closeButton = qobject_cast<QToolButton*>(m.menuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(closeButton, nullptr);
    EXPECT_TRUE(closeButton->isVisible());
    EXPECT_EQ(m.menuBar()->cornerWidget(Qt::TopLeftCorner), nullptr);
    EXPECT_GE(closeButton->geometry().right(), m.menuBar()->width() - 8);
    QTest::keyClicks(Notes()->txtNotes(), "call the plumber");

    // Ctrl+F4 and the planner's exit both ask the note's question; Cancel keeps everything.
    prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
    QTest::keyClick(Notes()->txtNotes(), Qt::Key_F4, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(NoteText(), "call the plumber");
    prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
    planner->findChild<QAction*>("mnuFileExit")->trigger();
    Settle();
    ASSERT_TRUE(planner && !planner->IsUnloaded());
    EXPECT_EQ(NoteText(), "call the plumber");
    EXPECT_EQ(m.yearView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 0);

    // Yes at Ctrl+F4: the note is stored and the planner comes up again with its menus.
    prompter.Expect(MsgAnswer::Yes, kNoteQuestion).Expect(MsgAnswer::OK, "Notes Saved");
    QTest::keyClick(Notes()->txtNotes(), Qt::Key_F4, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_NE(YearFile(2009, "Notes.dat").find("call the plumber"), std::string::npos);
    EXPECT_EQ(m.mdiArea()->activeSubWindow(), MdiSubWindowOf(planner));
    EXPECT_EQ(m.menuBar()->actions(), planner->MenuBar()->actions());
    EXPECT_FALSE(closeButton->isVisible());

    // The close button closes the note alone, as Ctrl+F4 does.
    openNote();
    EXPECT_TRUE(closeButton->isVisible());
    QTest::mouseClick(closeButton, Qt::LeftButton);
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(m.mdiArea()->activeSubWindow(), MdiSubWindowOf(planner));
    EXPECT_FALSE(closeButton->isVisible());

    // No at the planner's exit drops the typing; then both go and the year view comes.
    openNote();
    QTest::keyClicks(Notes()->txtNotes(), " again");
    prompter.Expect(MsgAnswer::No, kNoteQuestion);
    planner->findChild<QAction*>("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(Planner(), nullptr);
    ASSERT_NE(m.yearView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(YearFile(2009, "Notes.dat").find("again"), std::string::npos);
}

// No at the page's question and then Cancel at the note's: the command stops and the page keeps
// its typing, still changed, so that a later close asks about it again.
TEST_F(UnsavedEdits, CancelAtTheNoteKeepsThePageAnsweredNoBefore) {
    frmMain& m = StartWithPlanner();
    QPointer<frmPlanner> planner = TypeIntoPageAndNoteOfMay1();
    ASSERT_NE(planner, nullptr);
    auto keptBoth = [&](const char* what, const char* page, const char* note, const std::function<void()>& command) {
        prompter.Expect(MsgAnswer::No, page).Expect(MsgAnswer::Cancel, note);
        command();
        Settle();
        ASSERT_TRUE(planner && !planner->IsUnloaded()) << what;
        EXPECT_EQ(planner->Page()->txt(0)->text(), "Lunch") << what;
        EXPECT_TRUE(s->flags.gPlannerChanged) << what;
        EXPECT_EQ(NoteText(), "call Ann") << what;
        EXPECT_TRUE(prompter.Finished()) << what;
    };
    keptBoth("planner's exit", "Planner has been changed.", kNoteQuestion,
             [&] { planner->findChild<QAction*>("mnuFileExit")->trigger(); });
    keptBoth("view button", "The Planner has been changed.", "The Notes have been changed.", [&] { m.SwitchView(2); });
    keptBoth("day button", "The Planner has been changed.", "The Notes have been changed.",
             [&] { planner->Page()->cmdDay(1)->click(); });
    keptBoth("closing the program", "The Planner has been changed.", "The Notes have been changed.", [&] { m.close(); });
    EXPECT_EQ(planner->Page()->lblMain()->text(), "Friday, May 1 2009");

    // Closing the program: No to both, then the to-do list refuses to go; the page and the
    // note stay open with their typing, still to be asked about.
    m.Menu("mnuManageToDo")->trigger();
    Settle();
    auto* todo = m.findChild<frmToDo*>();
    ASSERT_NE(todo, nullptr);
    QTest::keyClicks(todo->txt(0), "milk");
    prompter.Expect(MsgAnswer::No, "The Planner has been changed.")
        .Expect(MsgAnswer::No, "The Notes have been changed.")
        .Expect(MsgAnswer::Cancel, "To Do List has been changed.");
    EXPECT_FALSE(m.close());
    Settle();
    ASSERT_TRUE(planner && !planner->IsUnloaded());
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_EQ(NoteText(), "call Ann");
}

// Exit the Program with the to-do list loaded before the planner and its terms window: every
// question comes before any window closes, so Cancel at the list's keeps the page, the terms
// window and F3; with No at both, the program ends without keeping either edit.
TEST_F(UnsavedEdits, ExitTheProgramAsksEveryWindowBeforeClosingAny) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Work.fut", "Meeting"));
    ASSERT_TRUE(WriteFileAtomic(dir + "Zoo.fut", "Lion"));
    frmMain& m = StartWithPlanner();
    s->prefs.gFUTFileName = "Work.fut";
    s->prefs.gShowFUT = true;
    m.Menu("mnuManageToDo")->trigger();
    Settle();
    QPointer<frmToDo> todo = m.findChild<frmToDo*>();
    ASSERT_NE(todo, nullptr);
    QTest::keyClicks(todo->txt(0), "milk");
    m.Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    QPointer<frmPlanner> planner = Planner();
    ASSERT_NE(planner, nullptr);
    QPointer<frmFUT> terms = frmFUT::Find();
    ASSERT_NE(terms, nullptr);
    QTest::keyClicks(planner->Page()->txt(0), "Lunch");

    prompter.Expect(MsgAnswer::No, "Planner has been changed.").Expect(MsgAnswer::Cancel, "To Do List has been changed.");
    planner->findChild<QAction*>("mnuFileQuit")->trigger();
    Settle();
    EXPECT_TRUE(prompter.Finished());
    ASSERT_TRUE(planner && !planner->IsUnloaded());
    EXPECT_EQ(planner->Page()->txt(0)->text(), "Lunch");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    ASSERT_TRUE(todo && todo->isVisible());
    EXPECT_EQ(todo->txt(0)->text(), "milk");
    EXPECT_TRUE(s->todo.gToDoChanged);
    ASSERT_TRUE(terms && terms->isVisible());
    QTest::keyClick(planner->Page()->txt(0), Qt::Key_F3);
    EXPECT_EQ(terms->windowTitle(), "Zoo");
    EXPECT_TRUE(m.isVisible());

    prompter.Expect(MsgAnswer::No, "Planner has been changed.").Expect(MsgAnswer::No, "To Do List has been changed.");
    planner->findChild<QAction*>("mnuFileQuit")->trigger();
    Settle();
    EXPECT_TRUE(planner.isNull() || planner->IsUnloaded());
    EXPECT_TRUE(todo.isNull() || !todo->isVisible());
    EXPECT_TRUE(terms.isNull() || !terms->isVisible());
    EXPECT_EQ(YearFile(2009, "Planner.dat").find("Lunch"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(dir + "To Do.dat").value_or("").find("milk"), std::string::npos);
}

// With a report open, No at the page's and the note's questions and Cancel at the close's
// confirmation: Cancel closes the report and shows the year, which closes the page and the note
// too, as No said, without asking about them a second time.
TEST_F(UnsavedEdits, CancelAtTheCloseConfirmationClosesWhatWasAnsweredNoWithoutAskingAgain) {
    frmMain& m = StartWithPlanner();
    QPointer<frmPlanner> planner = TypeIntoPageAndNoteOfMay1();
    ASSERT_NE(planner, nullptr);
    GenerateReportInto(m, ReportKind::Expense);
    Settle();
    ASSERT_TRUE(s->flags.gExpenseReportOpen);

    prompter.Expect(MsgAnswer::No, "The Planner has been changed.")
        .Expect(MsgAnswer::No, "The Notes have been changed.")
        .Expect(MsgAnswer::Cancel, "Are you sure you want to close the program?");
    EXPECT_FALSE(m.close());
    Settle();
    EXPECT_TRUE(prompter.Finished());
    EXPECT_FALSE(s->flags.gExpenseReportOpen);
    EXPECT_TRUE(planner.isNull() || planner->IsUnloaded());
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_FALSE(s->flags.gPlannerChanged || s->flags.gNotesChanged);
    EXPECT_EQ(YearFile(2009, "Planner.dat").find("Lunch"), std::string::npos);
    EXPECT_EQ(YearFile(2009, "Notes.dat").find("call Ann"), std::string::npos);
    ASSERT_NE(m.yearView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_TRUE(m.isVisible());
    // The next close has nothing left to ask about.
    EXPECT_TRUE(m.close());
}

// Marker Options redraws the view over the open note; a cancelled question puts back what the
// click turned over, in the window and in the Edit menu.
TEST_F(UnsavedEdits, MarkerOptionsPutsItsBoxesBackWhenTheNotesQuestionIsCancelled) {
    frmMain& m = Start();
    TypeNoteOfJanuary14("keep");
    m.Menu("mnuManageDisplayedMarks")->trigger();
    Settle();
    auto* f = m.findChild<frmMarkers*>("frmMarkers");
    ASSERT_NE(f, nullptr);
    auto allAsBefore = [&](const char* what) {
        for (int i = 0; i < 14; ++i) {
            EXPECT_TRUE(f->chkMarker[i]->isChecked()) << what << " box " << i;
            EXPECT_TRUE(m.Menu(QString("mnuEditMark_%1").arg(i))->isChecked()) << what << " item " << i;
            EXPECT_EQ(s->markers.gMarkerHidden[i], 0) << what << " " << i;
        }
        EXPECT_EQ(NoteText(), "keep") << what;
    };
    prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
    f->chkMarker[8]->click(); // holidays: the view is drawn again
    allAsBefore("holiday box");
    prompter.Expect(MsgAnswer::Cancel, kNoteQuestion);
    f->cmdCheck[1]->click();
    allAsBefore("Un-Check All");

    prompter.Expect(MsgAnswer::No, kNoteQuestion);
    f->cmdCheck[1]->click();
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    for (int i = 0; i < 14; ++i) {
        EXPECT_FALSE(f->chkMarker[i]->isChecked()) << i;
        EXPECT_FALSE(m.Menu(QString("mnuEditMark_%1").arg(i))->isChecked()) << i;
    }
}

// A pick that names no date is refused before the page's question, whose No would close it.
TEST_F(UnsavedEdits, APickThatNamesNoDateIsRefusedBeforeThePlannersQuestion) {
    frmMain& m = StartWithPlanner();
    m.Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    ASSERT_NE(Planner(), nullptr);
    QTest::keyClicks(Planner()->Page()->txt(0), "Lunch");
    SetPicker("February", "30", "2009");
    for (int command = 0; command < 5; ++command) {
        prompter.Expect(MsgAnswer::OK, "\"February 30, 2009\" is not a valid date.");
        if (command < 3) m.imgOpt_Click(command);
        else m.SwitchView(command - 3);
        Settle();
        ASSERT_NE(Planner(), nullptr) << command;
        EXPECT_EQ(Planner()->Page()->txt(0)->text(), "Lunch") << command;
        EXPECT_TRUE(s->flags.gPlannerChanged) << command;
        EXPECT_EQ(s->flags.gCalendarView, 0) << command;
    }
}

TEST_F(UnsavedEdits, OpeningANoteWritesItsDateIntoThePicker) {
    frmMain& m = Start();
    SetPicker("June", "5", "2009");
    m.imgOpt_Click(1);
    Settle();
    ASSERT_NE(Notes(), nullptr);
    EXPECT_EQ(Picker(), "June 05, 2009");
    EXPECT_EQ(Notes()->windowTitle(), "Notes for June 05, 2009");
}

} // namespace
} // namespace orvelle
