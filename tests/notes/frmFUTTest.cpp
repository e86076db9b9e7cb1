#include "NotesTestSupport.h"
#include "common/KeyboardWaits.h"

#include "notes/NotesHooks.h"
#include "notes/TermDialogs.h"
#include "notes/TermHooks.h"
#include "notes/frmFUT.h"
#include "notes/frmNotes.h"
#include "notes/frmPref.h"
#include "platform/DataFolder.h"
#include "platform/Twips.h"
#include "store/DataFiles.h"
#include "store/DateModel.h"
#include "store/NotesStore.h"
#include "store/Preferences.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TermLists.h"
#include "store/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct TermsWindowTest : test::UsesQtApp, ::testing::Test {
    TermsWindowTest() : store(test::TempFolder()) {
        store.ui = &prompter;
        InstallTermHooks(store);
        store.prefs.gAutoCompleteOn = true;
    }
    ~TermsWindowTest() override {
        EXPECT_TRUE(prompter.Finished()) << testing::PrintToString(prompter.Failures());
        for (QWidget* w : {static_cast<QWidget*>(frmFUT::Find()), static_cast<QWidget*>(frmAddFUT::Find()),
                           static_cast<QWidget*>(frmEditFUT::Find()), static_cast<QWidget*>(frmPref::Find())})
            delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void WriteList(const std::string& name, const std::string& content) {
        ASSERT_TRUE(WriteFileAtomic(store.gAppPath + name, content));
    }
    std::string File(const std::string& name) { return ReadWholeFile(store.gAppPath + name).value_or("<missing>"); }
    frmFUT* Open(const std::string& name) {
        store.prefs.gFUTFileName = name;
        return frmFUT::ShowWindow(store);
    }
    QStringList Rows(QListWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }
    template <class T> T* Child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    ScriptedPrompter prompter;
    Store store;
};

TEST_F(TermsWindowTest, ShowsTheListAndEditsItThroughItsDialogs) {
    WriteList("Work.fut", "first\r\nsecond\r\nthird");
    frmFUT* w = Open("Work.fut");
    EXPECT_TRUE(store.terms.gFUTWindowLoaded);
    EXPECT_EQ(w->windowTitle(), "Work");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"first", "second", "third"}));
    QStringList captions;
    for (const char* name : {"cmdOpt_0", "cmdOpt_1", "cmdOpt_2", "cmdOpt_3", "cmdCase_0", "cmdCase_1", "cmdCase_2"})
        captions << Child<QPushButton>(w, name)->text();
    EXPECT_EQ(captions, QStringList({"Disable Auto Complete", "Add New Term to List", "Edit Selected Term",
                                     "Remove Selected Term", "abc", "Abc", "ABC"}));
    EXPECT_EQ(Child<QAction>(w, "mnuWindowSavePosition")->text(), "Save Window Position and Size");
    // Without the open-file dialog there is nothing to open a list with.
    EXPECT_FALSE(Child<QAction>(w, "mnuFileOpenFUT")->isEnabled());

    // The completion switch names what it will do.
    Child<QPushButton>(w, "cmdOpt_0")->click();
    EXPECT_FALSE(store.prefs.gAutoCompleteOn);
    EXPECT_EQ(Child<QPushButton>(w, "cmdOpt_0")->text(), "Enable Auto Complete");
    Child<QPushButton>(w, "cmdOpt_0")->click();
    EXPECT_TRUE(store.prefs.gAutoCompleteOn);

    // Editing the second of three moves it to the end.
    prompter.Expect(MsgAnswer::OK, "Nothing selected to edit.");
    Child<QPushButton>(w, "cmdOpt_2")->click();
    w->lstFUT()->setCurrentRow(1);
    Child<QPushButton>(w, "cmdOpt_2")->click();
    frmEditFUT* edit = frmEditFUT::Find();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->txtEditFUT()->text(), "second");
    edit->txtEditFUT()->setText(" Second, edited ");
    Child<QPushButton>(edit, "cmdSave")->click();
    EXPECT_EQ(File("Work.fut"), "first\r\nthird\r\nSecond, edited");
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"first", "third", "Second, edited"}));

    // Adding keeps the dialog open for the next term.
    Child<QPushButton>(w, "cmdOpt_1")->click();
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_NE(add, nullptr);
    QTest::keyClicks(add->txtAddFUT(), "Lunch");
    Child<QPushButton>(add, "cmdSave")->click();
    Child<QPushButton>(add, "cmdClear")->click();
    prompter.Expect(MsgAnswer::OK, "No term has been added to save.");
    Child<QPushButton>(add, "cmdSave")->click();
    EXPECT_EQ(store.terms.gFUTTerms.back(), "Lunch");

    // Remove: nothing selected is refused; the case buttons change the list, not the file.
    prompter.Expect(MsgAnswer::OK, "Nothing selected to remove.");
    Child<QPushButton>(w, "cmdOpt_3")->click();
    w->lstFUT()->setCurrentRow(0);
    Child<QPushButton>(w, "cmdOpt_3")->click();
    EXPECT_EQ(File("Work.fut"), "third\r\nSecond, edited\r\nLunch");
    Child<QPushButton>(w, "cmdCase_2")->click();
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"THIRD", "SECOND, EDITED", "LUNCH"}));
    EXPECT_EQ(File("Work.fut"), "third\r\nSecond, edited\r\nLunch");

    w->close();
    EXPECT_FALSE(store.terms.gFUTWindowLoaded);
    EXPECT_EQ(frmFUT::Find(), nullptr);

    // Opened with the planner or the notes as "Show FUT:" and "Minimize FUT:" say.
    store.prefs.gShowFUT = false;
    ShowTermsWithTypingWindow(store);
    EXPECT_EQ(frmFUT::Find(), nullptr);
    store.prefs.gShowFUT = true;
    store.prefs.gMinimizeFUT = true;
    ShowTermsWithTypingWindow(store);
    ASSERT_NE(frmFUT::Find(), nullptr);
    EXPECT_TRUE(frmFUT::Find()->isMinimized());
    // With the open-file dialog there, another list can be opened from the window.
    store.hooks.ShowFileDialogForTerms = [] {};
    emit frmFUT::Find()->findChild<QMenu*>("mnuFile")->aboutToShow();
    EXPECT_TRUE(Child<QAction>(frmFUT::Find(), "mnuFileOpenFUT")->isEnabled());
}

TEST_F(TermsWindowTest, OnANewDataFolderAnAddedTermGoesIntoANewDefaultList) {
    SeedDataFolder(store.gAppPath, std::string(ORVELLE_DEFAULTS) + "/");
    GetUserPreferences(store);
    ASSERT_EQ(store.prefs.gFUTFileName, "");
    prompter.Expect(MsgAnswer::OK, "File not found.");
    frmFUT* w = frmFUT::ShowWindow(store);
    Child<QPushButton>(w, "cmdOpt_1")->click();
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_NE(add, nullptr);
    QTest::keyClicks(add->txtAddFUT(), "alpha");

    // Cancelling the name keeps nothing, and shows nothing as kept.
    prompter.ExpectInput("", "Please enter a name for the Frequent Terms File.");
    Child<QPushButton>(add, "cmdSave")->click();
    EXPECT_EQ(w->lstFUT()->count(), 0);
    EXPECT_TRUE(ListFUTFiles(store.gAppPath).empty());

    prompter.ExpectInput("Mine", "Please enter a name for the Frequent Terms File.");
    Child<QPushButton>(add, "cmdSave")->click();
    EXPECT_EQ(File("Mine.fut"), "alpha");
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"alpha"}));
    EXPECT_EQ(w->windowTitle(), "Mine");
    EXPECT_NE(File("UserPreferences.txt").find("Frequent Terms File:Mine.fut\r\n"), std::string::npos);
    // The next start reads the list again.
    Store next(store.gAppPath);
    GetUserPreferences(next);
    EXPECT_EQ(next.prefs.gFUTFileName, "Mine.fut");

    // A save that fails is told, and the term is not shown as kept.
    std::filesystem::remove(store.gAppPath + "Mine.fut");
    std::filesystem::create_directory(store.gAppPath + "Mine.fut");
    add->txtAddFUT()->setText("beta");
    prompter.Expect(MsgAnswer::OK, "The file \"Mine.fut\" could not be read: it is a folder");
    Child<QPushButton>(add, "cmdSave")->click();
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"alpha"}));
    EXPECT_NE(File("Error.log").find("Mine.fut"), std::string::npos);
}

TEST_F(TermsWindowTest, CommandsFollowTheHighlightedRowAndThePlaceIsKept) {
    SetScreenPixelsForTests(QSize(1600, 1200));
    WriteList("Work.fut", "first\r\nsecond\r\nthird\r\nfourth");
    frmFUT* w = Open("Work.fut");
    // No planner or notes window has set a place yet: their defaults, not a bare menu bar.
    QRect outer = w->frameGeometry();
    EXPECT_EQ(outer.topLeft(), QPoint(TwipsToPixelsX(11820), TwipsToPixelsY(3045)));
    EXPECT_EQ(outer.size(), QSize(TwipsToPixelsX(2805), TwipsToPixelsY(6345)));

    QListWidget* list = w->lstFUT();
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    Child<QPushButton>(w, "cmdOpt_2")->click();
    frmEditFUT* edit = frmEditFUT::Find();
    ASSERT_NE(edit, nullptr);
    // However the highlight moves, the edit box shows its term.
    QStringList shown;
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_S}) {
        QTest::keyClick(list, key);
        shown << edit->txtEditFUT()->text();
    }
    EXPECT_EQ(shown, QStringList({"second", "fourth", "first", "fourth", "third", "second"}));
    edit->txtEditFUT()->setText("Second!");
    Child<QPushButton>(edit, "cmdSave")->click();
    EXPECT_EQ(File("Work.fut"), "first\r\nthird\r\nfourth\r\nSecond!");
    edit->close();
    // Remove takes the row the keyboard went to.
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    Child<QPushButton>(w, "cmdOpt_3")->click();
    EXPECT_EQ(File("Work.fut"), "first\r\nfourth\r\nSecond!");

    // A kept place comes back as it was kept, however often the window is opened.
    const QSize size = w->size() + QSize(40, 30);
    w->move(150, 90);
    w->resize(size);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->pos() == QPoint(150, 90) && w->size() == size; }, test::kPatienceMs));
    outer = w->frameGeometry();
    w->mnuWindowSavePosition_Click();
    for (int i = 0; i < 3; ++i) {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GetUserPreferences(store);
        w = frmFUT::ShowWindow(store);
        (void)QTest::qWaitFor([&] { return w->frameGeometry() == outer; }, test::kPatienceMs);
        EXPECT_EQ(w->frameGeometry(), outer) << i;
    }
    SetScreenPixelsForTests(std::nullopt);
}

TEST_F(TermsWindowTest, TabReachesTheButtonsAndAClickLeavesTheKeyboardWhereItWas) {
    WriteList("Work.fut", "first\r\nsecond\r\nthird");
    frmFUT* w = Open("Work.fut");
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    QListWidget* list = w->lstFUT();
    list->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(test::TakesTheKeyboard(list));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(w->CurrentRow(), 1);
    // A click on a button runs it and leaves the keyboard in the list.
    QTest::mouseClick(Child<QPushButton>(w, "cmdCase_2"), Qt::LeftButton);
    EXPECT_EQ(Rows(list), QStringList({"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(QApplication::focusWidget(), list);
    list->setCurrentRow(1);
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"cmdOpt_0", "cmdOpt_1", "cmdOpt_2", "cmdOpt_3"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(File("Work.fut"), "FIRST\r\nTHIRD");
}

TEST_F(TermsWindowTest, NotesBoxCompletesTakesDropsAndTermsByKey) {
    WriteList("Work.fut", "Meeting\r\nLunch");
    store.prefs.gFUTFileName = "Work.fut";
    store.prefs.gShowFUT = true;
    store.prefs.gAutoStartKeys = 2;
    QMdiArea area;
    area.resize(900, 600);
    area.show();
    InstallNotesHooks(store, &area);
    store.dates.gSelectedDate = DateSerial(2009, 3, 5);
    SetDateVariables(store);
    DisplayThisNote(store);
    frmNotes* notes = frmNotes::Find(&area);
    ASSERT_NE(notes, nullptr);
    // "Show FUT:" brought the terms window up with the notes.
    frmFUT* w = frmFUT::Find();
    ASSERT_NE(w, nullptr);

    QPlainTextEdit* box = notes->txtNotes();
    box->setFocus();
    QTest::keyClicks(box, "Call");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "Me");
    EXPECT_EQ(box->toPlainText(), "Call\nMe");
    QTest::keyClicks(box, "e");
    EXPECT_EQ(box->toPlainText(), "Call\nMeeting");
    EXPECT_EQ(box->textCursor().selectedText(), "ting");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->toPlainText(), "Call\nMeeting");
    EXPECT_EQ(box->textCursor().position(), 12);
    EXPECT_FALSE(store.editing.gCompletionShown);

    // A dropped term goes to the end after a blank; after a line break without one.
    auto dropLunch = [box] {
        QMimeData data;
        data.setData(kTermDragFormat, "Lunch");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box->viewport(), &drop);
    };
    dropLunch();
    EXPECT_EQ(box->toPlainText(), "Call\nMeeting Lunch");
    QTest::keyClick(box, Qt::Key_Return);
    dropLunch();
    EXPECT_EQ(box->toPlainText(), "Call\nMeeting Lunch\nLunch");

    // Left in the term list: the selected term, then a blank.
    QTest::keyClick(w->lstFUT(), Qt::Key_Left); // nothing selected: nothing happens
    w->lstFUT()->setCurrentRow(0);
    QTest::keyClick(w->lstFUT(), Qt::Key_Left);
    EXPECT_EQ(box->toPlainText(), "Call\nMeeting Lunch\nLunch Meeting ");

    // F3 in the notes box goes to the next list, and the keyboard stays with the notes window.
    WriteList("Zoo.fut", "Zebra");
    w->activateWindow(); // as after a click in the terms window
    ASSERT_TRUE(test::BecomesActive(w));
    QTest::keyClick(box, Qt::Key_F3);
    EXPECT_TRUE(test::TakesTheKeyboard(box));
    EXPECT_EQ(store.prefs.gFUTFileName, "Zoo.fut");
    EXPECT_EQ(Rows(w->lstFUT()), QStringList({"Zebra"}));
    EXPECT_EQ(QApplication::activeWindow(), box->window());
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClicks(QApplication::focusWidget(), "x");
    EXPECT_TRUE(box->toPlainText().endsWith("x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_EQ(store.prefs.gFUTFileName, "Work.fut");
    // F2: the list of lists takes the keyboard; the pick gives it back.
    QTest::keyClick(box, Qt::Key_F2);
    EXPECT_TRUE(test::TakesTheKeyboard(w->lstMoreFUT()));
    QTest::keyClick(w->lstMoreFUT(), Qt::Key_Down);
    QTest::keyClick(w->lstMoreFUT(), Qt::Key_Return);
    EXPECT_TRUE(test::TakesTheKeyboard(box));
    EXPECT_EQ(store.prefs.gFUTFileName, "Zoo.fut");
    EXPECT_EQ(QApplication::activeWindow(), box->window());
    EXPECT_EQ(QApplication::focusWidget(), box);

    // Closing the notes window takes the terms window along.
    store.flags.gNotesChanged = false;
    notes->CloseWindow();
    EXPECT_EQ(frmFUT::Find() && store.terms.gFUTWindowLoaded, false);

    // Going over to the planner keeps it, also when No at the notes question closes the notes.
    DisplayThisNote(store);
    notes = frmNotes::Find(&area);
    ASSERT_NE(notes, nullptr);
    QTest::keyClicks(notes->txtNotes(), "y");
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    notes->findChild<QPushButton*>("cmdPlanner")->click();
    EXPECT_FALSE(store.flags.gNotesOpen);
    EXPECT_TRUE(frmFUT::Find() && store.terms.gFUTWindowLoaded);
}

TEST_F(TermsWindowTest, PreferencesShowAndStoreTheTermSettings) {
    GetUserPreferences(store);
    store.prefs.gAutoStartPosition = 2;
    store.prefs.gAutoCompleteWord = true;
    frmPref* d = frmPref::ShowDialog(store);
    EXPECT_EQ(d->windowTitle(), "Frequent Used Terms Preferences");
    EXPECT_EQ(d->txtStartPos()->text(), "3");
    d->txtStartPos()->selectAll();
    QTest::keyClicks(d->txtStartPos(), "0x5");
    EXPECT_EQ(d->txtStartPos()->text(), "5");
    Child<QCheckBox>(d, "chkShowFUT")->setChecked(true);
    Child<QCheckBox>(d, "chkACEnable")->setChecked(true);
    Child<QPushButton>(d, "cmdSave")->click();
    std::string file = File("UserPreferences.txt");
    EXPECT_NE(file.find("Auto Complete Word:False\r\nAuto Start Position:4\r\nShow FUT:True"), std::string::npos);
    EXPECT_FALSE(store.prefs.gAutoCompleteOn);
    EXPECT_EQ(store.prefs.gAutoStartKeys, 4);

    // Choices the file refused are not kept, so no later preference save writes them.
    {
        ScopedSizeLimit limit(100);
        d = frmPref::ShowDialog(store);
        Child<QCheckBox>(d, "chkShowFUT")->setChecked(false);
        prompter.Expect(MsgAnswer::OK, "was not saved");
        Child<QPushButton>(d, "cmdSave")->click();
        Child<QPushButton>(d, "cmdExit")->click();
    }
    EXPECT_TRUE(store.prefs.gShowFUT);
    ASSERT_TRUE(SetShareDrive(store, "q"));
    EXPECT_NE(File("UserPreferences.txt").find("Show FUT:True"), std::string::npos);

    // Leaving without saving takes a typed count back.
    d = frmPref::ShowDialog(store);
    d->txtStartPos()->setText("9");
    Child<QPushButton>(d, "cmdExit")->click();
    EXPECT_EQ(store.prefs.gAutoStartPosition, 4);
    // So does leaving by the title bar or Escape: the next opening shows the stored count.
    d = frmPref::ShowDialog(store);
    d->txtStartPos()->setText("8");
    d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(store.prefs.gAutoStartPosition, 4);
    d = frmPref::ShowDialog(store);
    EXPECT_EQ(d->txtStartPos()->text(), "5");
    d->txtStartPos()->setText("7");
    QTest::keyClick(d, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(store.prefs.gAutoStartPosition, 4);
}

TEST_F(TermsWindowTest, EscInTheKeystrokeCountLeavesThePreferences) {
    GetUserPreferences(store);
    store.prefs.gAutoStartPosition = 2;
    QPointer<frmPref> d = frmPref::ShowDialog(store);
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d, test::kPatienceMs));
    d->txtStartPos()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(test::TakesTheKeyboard(d->txtStartPos()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), "6");
    ASSERT_EQ(d->txtStartPos()->text(), "6");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull() || !d->isVisible());
    EXPECT_EQ(store.prefs.gAutoStartPosition, 2);
}

} // namespace
