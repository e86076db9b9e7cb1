#include "NotesTestSupport.h"
#include "common/TypedText.h"

#include "notes/NotesHooks.h"
#include "notes/frmNotes.h"
#include "platform/Dialogs.h"
#include "store/DataFiles.h"
#include "store/DateModel.h"
#include "store/NotesStore.h"
#include "store/SaveChangesPrompt.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct NotesWindowTest : test::UsesQtApp, ::testing::Test {
    NotesWindowTest() : store(test::TempFolder()) {
        store.ui = &prompter;
        area.resize(1000, 700);
        area.show();
        InstallNotesHooks(store, &area, [this] { ++yearViewsShown; });
    }
    ~NotesWindowTest() override {
        EXPECT_TRUE(prompter.Finished()) << testing::PrintToString(prompter.Failures());
    }

    frmNotes* OpenNote(int year, int month, int day) {
        store.dates.gSelectedDate = DateSerial(year, month, day);
        SetDateVariables(store);
        DisplayThisNote(store);
        return frmNotes::Find(&area);
    }
    // Lets closed windows go away.
    frmNotes* AfterEvents() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return frmNotes::Find(&area);
    }
    void Type(frmNotes* w, const QString& text) { QTest::keyClicks(w->txtNotes(), text); }
    std::string NotesFile(int year) { return store.gAppPath + std::to_string(year) + "/Notes.dat"; }
    void WriteNotes(int year, const std::string& content) {
        ASSERT_TRUE(MakeFolder(store.gAppPath + std::to_string(year)));
        ASSERT_TRUE(WriteFileAtomic(NotesFile(year), content));
    }

    ScriptedPrompter prompter;
    Store store;
    QMdiArea area;
    int yearViewsShown = 0;
};

} // namespace

TEST_F(NotesWindowTest, OpensWithTheStoredNoteAndItsCaption) {
    std::string stamp = CellStampOf(DateSerial(2009, 3, 5));
    WriteNotes(2009, "03/05/09:" + stamp + ":first\xD5\xD2second\r\n");
    frmNotes* w = OpenNote(2009, 3, 5);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Notes for March 05, 2009");
    EXPECT_EQ(w->txtNotes()->toPlainText(), "first\nsecond");
    EXPECT_FALSE(store.flags.gNotesChanged);
    EXPECT_TRUE(store.flags.gNotesOpen);
    EXPECT_TRUE(w->findChild<QAction*>("mnuFileExport")->isEnabled());
    EXPECT_FALSE(w->findChild<QAction*>("mnuFileImport")->isEnabled());

    // A date without a note opens empty in the same window.
    EXPECT_EQ(OpenNote(2009, 3, 6), w);
    EXPECT_TRUE(w->txtNotes()->toPlainText().isEmpty());
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(NotesWindowTest, TypingAndDeletingStillCountsAsChangedAndUnchangedClosesSilently) {
    frmNotes* w = OpenNote(2009, 3, 5);
    EXPECT_TRUE(w->CloseWindow()); // nothing changed: no question
    EXPECT_FALSE(AfterEvents());
    EXPECT_FALSE(store.flags.gNotesOpen);

    w = OpenNote(2009, 3, 5);
    Type(w, "x");
    QTest::keyClick(w->txtNotes(), Qt::Key_Backspace);
    EXPECT_TRUE(w->txtNotes()->toPlainText().isEmpty());
    EXPECT_TRUE(store.flags.gNotesChanged);

    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    EXPECT_TRUE(w->CloseWindow());
    EXPECT_FALSE(store.flags.gNotesChanged);
    EXPECT_FALSE(PathIsFile(NotesFile(2009)));
}

TEST_F(NotesWindowTest, EscapeWithCancelKeepsTheWindowAndTheView) {
    frmNotes* w = OpenNote(2009, 3, 5);
    Type(w, "keep me");
    prompter.Expect(MsgAnswer::Cancel, "Text has been changed.");
    QTest::keyClick(w->txtNotes(), Qt::Key_Escape);
    ASSERT_EQ(AfterEvents(), w);
    EXPECT_EQ(w->txtNotes()->toPlainText(), "keep me");
    EXPECT_EQ(yearViewsShown, 0);
    EXPECT_TRUE(store.flags.gNotesChanged);

    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    QTest::keyClick(w->txtNotes(), Qt::Key_Escape);
    EXPECT_FALSE(AfterEvents());
    EXPECT_EQ(yearViewsShown, 1);
}

TEST_F(NotesWindowTest, SaveWritesTheYearFileAndYesAtTheCloseQuestionSaves) {
    frmNotes* w = OpenNote(2009, 3, 5);
    Type(w, "line 1");
    QTest::keyClick(w->txtNotes(), Qt::Key_Return);
    Type(w, "line 2");
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    w->findChild<QAction*>("mnuFileSave")->trigger();
    EXPECT_FALSE(store.flags.gNotesChanged);
    std::string line = "03/05/09:" + CellStampOf(DateSerial(2009, 3, 5)) + ":line 1\xD5\xD2line 2\r\n";
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)), line);
    EXPECT_EQ(store.notes.gThisYearsNoteCount(), 1); // read back

    Type(w, "!");
    prompter.Expect(MsgAnswer::Yes, "Text has been changed.").Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(w->CloseWindow());
    EXPECT_NE(ReadWholeFile(NotesFile(2009))->find("line 2!"), std::string::npos);
}

TEST_F(NotesWindowTest, YesAtTheSaveQuestionSavesThroughTheOpenWindow) {
    frmNotes* w = OpenNote(2009, 3, 5);
    Type(w, "abc");
    prompter.Expect(MsgAnswer::Yes, "The Notes have been changed.").Expect(MsgAnswer::OK, "Notes Saved");
    CheckForUnsavedChanges(store);
    EXPECT_FALSE(store.flags.gNavigationCancelled);
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)), "03/05/09:" + CellStampOf(DateSerial(2009, 3, 5)) + ":abc\r\n");
    // The saved text is now what the window compares with: going back to the empty note is an edit.
    ASSERT_EQ(AfterEvents(), w);
    EXPECT_EQ(store.notes.gLoadedNoteText, "abc");
    EXPECT_FALSE(store.flags.gNotesChanged);
    w->txtNotes()->clear();
    EXPECT_TRUE(store.flags.gNotesChanged);

    // With no notes window the store's own save runs.
    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    EXPECT_TRUE(w->CloseWindow());
    EXPECT_FALSE(AfterEvents());
    ASSERT_TRUE(store.hooks.SaveNotes);
    store.notes.gNotesBoxText = "from the store";
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(store.hooks.SaveNotes());
    EXPECT_NE(ReadWholeFile(NotesFile(2009))->find("from the store"), std::string::npos);
}

TEST_F(NotesWindowTest, YesWhoseSaveFailsKeepsTheWindowOpen) {
    // A file where the year folder should be: the save cannot create the folder.
    ASSERT_TRUE(WriteFileAtomic(store.gAppPath + "2009", "not a folder"));
    frmNotes* w = OpenNote(2009, 3, 5);
    Type(w, "unsaved");
    prompter.Expect(MsgAnswer::Yes, "Text has been changed.").Expect(MsgAnswer::OK, "An error occurred in");
    EXPECT_FALSE(w->CloseWindow());
    ASSERT_EQ(AfterEvents(), w);
    EXPECT_EQ(w->txtNotes()->toPlainText(), "unsaved");
    EXPECT_TRUE(store.flags.gNotesChanged);
    EXPECT_TRUE(store.flags.gNotesOpen);

    prompter.Expect(MsgAnswer::No);
    w->CloseWindow();
}

TEST_F(NotesWindowTest, ANoteTheYearFileCouldNotHoldIsRefusedAndKeepsFileTextAndChange) {
    // The limit is lowered for the test, so that a note past it stays small.
    ScopedSizeLimit limit(64 * 1024);
    std::string old = "03/05/09:" + CellStampOf(DateSerial(2009, 3, 5)) + ":kept\r\n";
    WriteNotes(2009, old);
    frmNotes* w = OpenNote(2009, 3, 6);
    QString big = QString(40 * 1024, 'a') + "\n" + QString(30 * 1024, 'b');
    w->txtNotes()->setPlainText(big);
    ASSERT_TRUE(store.flags.gNotesChanged);
    prompter.Expect(MsgAnswer::OK, "2009/Notes.dat was not saved: it would hold 71722 bytes, more than the 65536");
    w->findChild<QAction*>("mnuFileSave")->trigger();
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)), old);
    EXPECT_EQ(w->txtNotes()->toPlainText(), big);
    EXPECT_TRUE(store.flags.gNotesChanged);
    EXPECT_NE(ReadWholeFile(store.gAppPath + "Error.log")->find("2009/Notes.dat was not saved"), std::string::npos);

    // Yes at the close question tries again and is refused again: the window stays.
    prompter.Expect(MsgAnswer::Yes, "Text has been changed.").Expect(MsgAnswer::OK, "was not saved");
    EXPECT_FALSE(w->CloseWindow());
    ASSERT_EQ(AfterEvents(), w);

    // The refused text is in none of the year's notes: dropping it and saving another date
    // writes that date's note alone.
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    OpenNote(2009, 3, 7);
    w = AfterEvents();
    ASSERT_TRUE(w);
    EXPECT_EQ(store.notes.gThisYearsNoteCount(), 1);
    Type(w, "small");
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    w->findChild<QAction*>("mnuFileSave")->trigger();
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)), old + "03/07/09:" + CellStampOf(DateSerial(2009, 3, 7)) + ":small\r\n");
    EXPECT_FALSE(store.flags.gNotesChanged);
}

TEST_F(NotesWindowTest, NextYearsDateOfASpanningViewIsSavedIntoNextYearsFile) {
    store.flags.gViewYear = 2009;
    store.flags.gSpansNextYear = true;
    store.flags.gSpannedYear = 2010;
    frmNotes* w = OpenNote(2010, 1, 15);
    Type(w, "January");
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(w->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(NotesFile(2010)), "01/15/10:" + CellStampOf(DateSerial(2010, 1, 15)) + ":January\r\n");
    EXPECT_FALSE(PathIsFile(NotesFile(2009)));
    EXPECT_EQ(store.notes.gNextYearsNoteCount(), 1);
    EXPECT_EQ(store.notes.gThisYearsNoteCount(), 0);
}

TEST_F(NotesWindowTest, SearchAgainWalksTheHitsThenWrapsToTheStart) {
    WriteNotes(2009, "03/05/09:" + CellStampOf(DateSerial(2009, 3, 5)) + ":Cat and cat\xD5\xD2then CAT\r\n");
    frmNotes* w = OpenNote(2009, 3, 5);
    EXPECT_FALSE(w->findChild<QMenu*>("mnuEdit")->isEnabled());
    w->mnuEditSearchAgain_Click(); // no search hit opened: nothing happens
    EXPECT_FALSE(w->txtNotes()->textCursor().hasSelection());
    w->CloseWindow();
    AfterEvents();

    store.search.gSearchActive = true;
    store.search.gSearchText = "cat";
    w = OpenNote(2009, 3, 5);
    EXPECT_TRUE(w->findChild<QMenu*>("mnuEdit")->isEnabled());
    auto selection = [w] { return w->txtNotes()->textCursor().selectionStart(); };
    EXPECT_EQ(selection(), 0);
    EXPECT_EQ(w->txtNotes()->textCursor().selectedText(), "Cat");
    w->findChild<QAction*>("mnuEditSearchAgain")->trigger();
    EXPECT_EQ(selection(), 8);
    w->mnuEditSearchAgain_Click();
    EXPECT_EQ(selection(), 17);
    prompter.Expect(MsgAnswer::OK, "No more occurences.");
    w->mnuEditSearchAgain_Click();
    EXPECT_FALSE(w->txtNotes()->textCursor().hasSelection());
    EXPECT_EQ(w->txtNotes()->textCursor().position(), 0);
    w->mnuEditSearchAgain_Click();
    EXPECT_EQ(selection(), 0);
    EXPECT_FALSE(store.flags.gNotesChanged);
}

TEST_F(NotesWindowTest, PlannerButtonAsksFirstAndCancelStays) {
    int plannersShown = 0;
    store.hooks.ShowPlannerPage = [&] { ++plannersShown; };
    frmNotes* w = OpenNote(2009, 3, 5);
    Type(w, "draft");
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    w->findChild<QPushButton*>("cmdPlanner")->click();
    EXPECT_EQ(AfterEvents(), w);
    EXPECT_FALSE(store.flags.gNavigationCancelled);
    EXPECT_EQ(plannersShown, 0);

    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    w->findChild<QPushButton*>("cmdPlanner")->click();
    EXPECT_FALSE(AfterEvents());
    EXPECT_EQ(plannersShown, 1);
    EXPECT_EQ(store.flags.gCalendarView, 0);
    EXPECT_FALSE(PathIsFile(NotesFile(2009)));
}

TEST_F(NotesWindowTest, LoneOTildeAndOGraveStayLettersAndWhatTheFileCannotHoldIsRefusedAsTyped) {
    ScopedPrompter everywhere(store, prompter);
    const std::string stamp = ":" + CellStampOf(DateSerial(2009, 3, 5)) + ":";
    WriteNotes(2009, "03/05/09" + stamp + "\xD2SCAR and \xD5TTO\xD5\xD2next \xD5\r\n");
    frmNotes* w = OpenNote(2009, 3, 5);
    QPlainTextEdit* box = w->txtNotes();
    const QString shown = QString("ÒSCAR and ÕTTO\nnext Õ");
    EXPECT_EQ(box->toPlainText(), shown);

    // Refused whole, as typed or pasted, and named once.
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(box, "ő");
    prompter.Expect(MsgAnswer::OK, "\"ő\", \"日\" and \"本\" cannot be kept");
    test::PasteText(box, "ÒK ő 日本");
    EXPECT_EQ(box->toPlainText(), shown);
    EXPECT_FALSE(store.flags.gNotesChanged);

    // "ÕÒ" together would read back as a line break: the save says so and writes nothing.
    box->moveCursor(QTextCursor::End);
    test::TypeText(box, "ÕÒ");
    prompter.Expect(MsgAnswer::OK, "A note cannot hold \"\xD5\xD2\"");
    EXPECT_FALSE(w->mnuFileSave_Click());
    EXPECT_TRUE(store.flags.gNotesChanged);
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)), "03/05/09" + stamp + "\xD2SCAR and \xD5TTO\xD5\xD2next \xD5\r\n");

    QTest::keyClick(box, Qt::Key_Left);
    test::TypeText(box, "-");
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(w->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(NotesFile(2009)),
              "03/05/09" + stamp + "\xD2SCAR and \xD5TTO\xD5\xD2next \xD5\xD5-\xD2\r\n");
    EXPECT_EQ(OpenNote(2009, 3, 5), w);
    EXPECT_EQ(box->toPlainText(), shown + "Õ-Ò");
}
