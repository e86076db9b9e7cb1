// The open-file dialog and the contact list, driven as the user drives them.
#include "NotesTestSupport.h"
#include "common/KeyboardWaits.h"
#include "common/Patience.h"
#include "common/TypedText.h"

#include "notes/ExchangeWindows.h"
#include "notes/NotesHooks.h"
#include "notes/frmEmailList.h"
#include "notes/frmFile.h"
#include "notes/frmNotes.h"
#include "platform/Dialogs.h"
#include "store/Clock.h"
#include "store/NotesStore.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct ExchangeWindowsTest : test::UsesQtApp, ::testing::Test {
    ExchangeWindowsTest() : store(test::TempFolder()), scoped(store, prompter) {
        Clock::Set({DateSerial(2009, 3, 5), 14 * 3600});
        area.resize(900, 600);
        area.show();
        InstallNotesHooks(store, &area);
        InstallExchangeWindows(store, nullptr);
        store.hooks.OpenExternalPlanner = [this](const std::string& folder, const std::string& name) {
            planners.push_back(folder + name);
        };
        dir = store.gAppPath;
        share = dir + "Planners And Notes/";
    }
    ~ExchangeWindowsTest() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmFile*>(w) || qobject_cast<frmEmailList*>(w)) windows << w;
        for (const auto& w : windows) delete w.data();
        store.flags.gNotesChanged = false;
        area.closeAllSubWindows();
        Clock::Reset();
        EXPECT_TRUE(prompter.Finished()) << testing::PrintToString(prompter.Failures());
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void Write(const std::string& path, const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(WriteFileAtomic(path, content));
    }
    static QStringList Items(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    template <class T> static T* Child(QWidget* w, const char* name) { return w->findChild<T*>(name); }
    static void ClickFile(frmFile* f, const QString& name) {
        auto* list = Child<QListWidget>(f, "FileList1");
        auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
    frmNotes* OpenNote(int y, int m, int d) {
        store.dates.gSelectedDate = DateSerial(y, m, d);
        SetDateVariables(store);
        DisplayThisNote(store);
        return frmNotes::Find(&area);
    }

    ScriptedPrompter prompter;
    Store store;
    ScopedPrompter scoped;
    QMdiArea area;
    std::vector<std::string> planners;
    std::string dir, share;
};

TEST_F(ExchangeWindowsTest, FileDialogListsByPatternAndHandsOnByExtension) {
    for (const char* f : {"Day.PLN", "b.pln", "memo.nte", "Terms.fut", "other.txt"}) Write(dir + f, "x");
    std::filesystem::create_directories(dir + "sub");

    QPointer<frmFile> f = frmFile::Open(store, FileDialogMode::ExternalPlanner, nullptr);
    EXPECT_EQ(f->windowTitle(), "Open File From...");
    EXPECT_EQ(Items(Child<QListWidget>(f, "FileList1")), QStringList({"b.pln", "Day.PLN"}));
    EXPECT_TRUE(Items(Child<QListWidget>(f, "Dir1")).contains("sub"));
    ClickFile(f, "Day.PLN");
    EXPECT_TRUE(Child<QWidget>(f, "picFileOpen")->isVisible());
    EXPECT_EQ(f->windowTitle(), "Open... Day.PLN");
    EXPECT_EQ(Child<QLabel>(f, "lblOpenFileName")->text(), "Day.PLN");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenBack"), Qt::LeftButton);
    EXPECT_FALSE(Child<QWidget>(f, "picFileOpen")->isVisible());
    EXPECT_EQ(f->windowTitle(), "Open File From...");
    ClickFile(f, "Day.PLN");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenOK"), Qt::LeftButton);
    EXPECT_EQ(planners, std::vector<std::string>{dir + "Day.PLN"});
    EXPECT_FALSE(f && f->isVisible());

    // The terms mode belongs to its own dialog: the next one lists notes again.
    std::vector<std::string> terms;
    store.hooks.OpenTermsFile = [&](const std::string& path) { terms.push_back(path); };
    f = frmFile::Open(store, FileDialogMode::Terms, nullptr);
    EXPECT_EQ(f->windowTitle(), "Opening Frequent Terms File");
    EXPECT_EQ(Items(Child<QListWidget>(f, "FileList1")), QStringList({"Terms.fut"}));
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenCancel"), Qt::LeftButton);
    EXPECT_TRUE(terms.empty());
    f = frmFile::Open(store, FileDialogMode::ExternalNotes, nullptr);
    EXPECT_EQ(Items(Child<QListWidget>(f, "FileList1")), QStringList({"memo.nte"}));
    f->close();
    f = frmFile::Open(store, FileDialogMode::Terms, nullptr);
    ClickFile(f, "Terms.fut");
    EXPECT_EQ(f->windowTitle(), "Open... Terms.fut");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenBack"), Qt::LeftButton);
    EXPECT_EQ(f->windowTitle(), "Open File From...");
    ClickFile(f, "Terms.fut");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenOK"), Qt::LeftButton);
    EXPECT_EQ(terms, std::vector<std::string>{dir + "Terms.fut"});

    // The imports start at the share's "Planners And Notes" folder; while nothing has been
    // exported there it is not there to show, and the data folder is shown instead.
    prompter.Expect(MsgAnswer::OK, "This Drive is currently unavailable.");
    f = frmFile::Open(store, FileDialogMode::NotesImport, nullptr);
    EXPECT_EQ(f->Folder(), dir);
    EXPECT_EQ(Items(Child<QListWidget>(f, "FileList1")), QStringList({"b.pln", "Day.PLN", "memo.nte"}));
    std::filesystem::create_directories(share);
    f->Drive1_Change(frmFile::kShare);
    EXPECT_EQ(f->Folder(), share);
    EXPECT_EQ(Child<QComboBox>(f, "Drive1")->currentIndex(), frmFile::kShare);
    // A mapped drive that is not there: the data folder, after saying so.
    store.prefs.gShareRoot = dir + "no-such-drive/";
    prompter.Expect(MsgAnswer::OK, "This Drive is currently unavailable.");
    f->Drive1_Change(frmFile::kShare);
    EXPECT_EQ(f->Folder(), dir);
    EXPECT_EQ(Child<QComboBox>(f, "Drive1")->currentIndex(), frmFile::kDataFolder);
}

// Importing over a changed note asks first; Cancel keeps the user's note. The imported note
// keeps its line breaks, and Save writes it back to its own file.
TEST_F(ExchangeWindowsTest, NotesImportAsksFirstAndSavesBackToTheFile) {
    Write(share + "memo.nte", "07/04/09:line one\r\nline two");
    frmNotes* w = OpenNote(2009, 3, 5);
    QTest::keyClicks(w->txtNotes(), "my own words");
    ASSERT_TRUE(store.flags.gNotesChanged);

    w->findChild<QAction*>("mnuFileImport")->trigger();
    QPointer<frmFile> f = frmFile::Open(store, FileDialogMode::NotesImport, nullptr);
    EXPECT_EQ(f->Folder(), share);
    ClickFile(f, "memo.nte");
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenOK"), Qt::LeftButton);
    EXPECT_EQ(w->txtNotes()->toPlainText(), "my own words");
    EXPECT_FALSE(store.notes.gExternalNotes);

    f = frmFile::Open(store, FileDialogMode::NotesImport, nullptr);
    ClickFile(f, "memo.nte");
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = frmNotes::Find(&area);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Displaying External Notes for Jul 04, 2009");
    EXPECT_EQ(w->txtNotes()->toPlainText(), "line one\nline two");
    EXPECT_FALSE(store.flags.gNotesChanged);
    EXPECT_FALSE(std::filesystem::exists(dir + "2009/Notes.dat"));

    QTest::keyClicks(w->txtNotes(), "!");
    prompter.Expect(MsgAnswer::OK, "The file was saved as memo.nte");
    EXPECT_TRUE(w->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(share + "memo.nte"), "07/04/09:!line one\r\nline two");
    EXPECT_FALSE(store.flags.gNotesChanged);
    EXPECT_FALSE(std::filesystem::exists(dir + "2009/Notes.dat"));
}

// With the keys alone: a file picked, "Return to List", and the same file picked again.
TEST_F(ExchangeWindowsTest, FileDialogReturnToListLeavesTheFileChoosableByKeys) {
    Write(dir + "Day.pln", "x");
    QPointer<frmFile> f = frmFile::Open(store, FileDialogMode::ExternalPlanner, nullptr);
    auto* list = Child<QListWidget>(f, "FileList1");
    f->activateWindow();
    list->setFocus();
    ASSERT_TRUE(test::TakesTheKeyboard(list));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(f->windowTitle(), "Open... Day.pln");
    auto* back = Child<QPushButton>(f, "cmdOpenBack");
    while (QApplication::focusWidget() != back) {
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), before);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(f->windowTitle(), "Open File From...");
    EXPECT_EQ(QApplication::focusWidget(), list);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(f->windowTitle(), "Open... Day.pln");
    QTest::mouseClick(back, Qt::LeftButton);
    list->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(f->windowTitle(), "Open... Day.pln");
    QTest::mouseClick(Child<QPushButton>(f, "cmdOpenOK"), Qt::LeftButton);
    EXPECT_EQ(planners, std::vector<std::string>{dir + "Day.pln"});
}

TEST_F(ExchangeWindowsTest, ContactListAssignsAndMails) {
    Write(dir + "Employee Info.dat", "Ann Lee,555-1234,ann@example.org\r\nBob,,\r\n");
    frmNotes* notes = OpenNote(2009, 3, 5);
    QTest::keyClicks(notes->txtNotes(), "Agenda");
    notes->findChild<QAction*>("mnuFileExportNotesAndAssign")->trigger();
    frmEmailList* c = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<frmEmailList*>(t)) c = e;
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Pending(), ExportKind::Notes);
    EXPECT_EQ(Items(Child<QListWidget>(c, "lstNames")), QStringList({"Ann Lee:ann@example.org", "Bob"}));
    EXPECT_EQ(Child<QLineEdit>(c, "txt_0")->text(), "Ann Lee");

    prompter.ExpectInput("agenda").Expect(MsgAnswer::OK, "Ann Lee/");
    QTest::mouseClick(Child<QPushButton>(c, "cmdAssign"), Qt::LeftButton);
    EXPECT_EQ(ReadWholeFile(share + "Ann Lee/agenda.nte"), "03/05/09:Agenda");
    EXPECT_EQ(c->Pending(), ExportKind::None);
    // The user's own note still waits for its own save.
    EXPECT_TRUE(store.flags.gNotesChanged);

    std::vector<std::string> links;
    store.hooks.OpenMailLink = [&](const std::string& link) {
        links.push_back(link);
        return true;
    };
    Child<QPlainTextEdit>(c, "txt_4")->setPlainText("Costs & miles\nsee you");
    QTest::mouseClick(Child<QPushButton>(c, "cmdOpenEmail"), Qt::LeftButton);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0], "mailto:ann@example.org?subject=Orvelle%20Assignment%20For%20You"
                        "&body=Costs%20%26%20miles%0Asee%20you");

    // A comma would split the contact's line into other fields.
    prompter.Expect(MsgAnswer::No, "The fields have been changed. Do you want to save them?");
    QTest::mouseClick(Child<QPushButton>(c, "cmdNew"), Qt::LeftButton);
    QTest::keyClicks(Child<QLineEdit>(c, "txt_0"), "Lee, Ann");
    prompter.Expect(MsgAnswer::OK, "cannot include a comma");
    QTest::mouseClick(Child<QPushButton>(c, "cmdSave"), Qt::LeftButton);
    Child<QLineEdit>(c, "txt_0")->setText("  ");
    prompter.Expect(MsgAnswer::OK, "There's no name to add.");
    QTest::mouseClick(Child<QPushButton>(c, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadWholeFile(dir + "Employee Info.dat"), "Ann Lee,555-1234,ann@example.org\r\nBob,,\r\n");

    Child<QListWidget>(c, "lstNames")->setCurrentRow(1);
    prompter.Expect(MsgAnswer::No, "Are you sure you want to delete Bob?");
    QTest::mouseClick(Child<QPushButton>(c, "cmdDelete"), Qt::LeftButton);
    EXPECT_EQ(Child<QLineEdit>(c, "txt_0")->text(), "");
    EXPECT_EQ(Child<QListWidget>(c, "lstNames")->count(), 2);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Preparing to Delete Entry");
}

// Name, phone and address share one line of the contacts file: each box takes the room the
// other two leave, refusing as typed or pasted what would not fit, and everything taken saves.
// A new contact whose save was refused keeps its fields.
TEST_F(ExchangeWindowsTest, ContactBoxesTakeWhatTheirLineKeepsAndARefusedSaveKeepsTheFields) {
    frmEmailList* c = frmEmailList::Open(store, ExportKind::None, nullptr);
    auto* name = Child<QLineEdit>(c, "txt_0");
    auto* phone = Child<QLineEdit>(c, "txt_1");
    auto* email = Child<QLineEdit>(c, "txt_2");
    name->setText(QString(16000, 'n'));
    email->setText(QString(300, 'e'));
    const QString digits(82, '5'); // 16384 less the two commas, the name and the address
    test::TypeText(phone, digits);
    prompter.Expect(MsgAnswer::OK, "This box holds at most 82 characters");
    test::TypeText(phone, "6");
    prompter.Expect(MsgAnswer::OK, "This box holds at most 300 characters");
    test::PasteText(email, "x");
    EXPECT_EQ(phone->text(), digits);
    EXPECT_EQ(email->text(), QString(300, 'e'));
    QTest::mouseClick(Child<QPushButton>(c, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadWholeFile(dir + "Employee Info.dat")->size(), 16384u + 2);
    // The room one box leaves goes to the others.
    name->setText("Ann");
    test::TypeText(phone, "6");
    EXPECT_EQ(phone->text(), digits + "6");

    prompter.Expect(MsgAnswer::No, "The fields have been changed. Do you want to save them?");
    QTest::mouseClick(Child<QPushButton>(c, "cmdNew"), Qt::LeftButton);
    test::TypeText(phone, "555-1234");
    prompter.Expect(MsgAnswer::Yes, "The fields have been changed. Do you want to save them?")
        .Expect(MsgAnswer::OK, "There's no name to add.");
    QTest::mouseClick(Child<QPushButton>(c, "cmdNew"), Qt::LeftButton);
    EXPECT_EQ(phone->text(), "555-1234");
}

// A save writes the other contacts back as they were stored, and emptying the subject or the
// contents box keeps what was typed there last rather than bringing back the default text.
TEST_F(ExchangeWindowsTest, ContactLinesStayAsStoredAndAnEmptiedBoxKeepsTheSubjectAndContents) {
    Write(dir + "Employee Info.dat", "Cyd\r\nAnn Lee,555-1234,ann@example.org\r\n");
    frmEmailList* c = frmEmailList::Open(store, ExportKind::None, nullptr);
    c->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c, test::kPatienceMs));
    auto type = [](QWidget* box, const QString& keys) {
        box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), box);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    };
    auto empty = [](QWidget* box) {
        box->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    };
    QTest::mouseClick(Child<QPushButton>(c, "cmdNew"), Qt::LeftButton);
    type(Child<QLineEdit>(c, "txt_0"), "Dee");
    QTest::mouseClick(Child<QPushButton>(c, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadWholeFile(dir + "Employee Info.dat"), "Cyd\r\nAnn Lee,555-1234,ann@example.org\r\nDee,,\r\n");

    std::vector<std::string> links;
    store.hooks.OpenMailLink = [&](const std::string& link) {
        links.push_back(link);
        return true;
    };
    Child<QListWidget>(c, "lstNames")->setCurrentRow(1);
    type(Child<QLineEdit>(c, "txt_3"), "Minutes");
    type(Child<QPlainTextEdit>(c, "txt_4"), "Room 4");
    empty(Child<QLineEdit>(c, "txt_3"));
    empty(Child<QPlainTextEdit>(c, "txt_4"));
    QTest::mouseClick(Child<QPushButton>(c, "cmdOpenEmail"), Qt::LeftButton);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0], "mailto:ann@example.org?subject=Minutes&body=Room%204");
}

TEST_F(ExchangeWindowsTest, AssignWithoutContactsSaysSo) {
    frmEmailList* c = frmEmailList::Open(store, ExportKind::Notes, nullptr);
    prompter.Expect(MsgAnswer::OK, "No one was selected for assignment.");
    QTest::mouseClick(Child<QPushButton>(c, "cmdAssign"), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(share));
}

} // namespace

// Enter moves from field to field and starts a new line in the contents; Tab leaves the contents
// for the buttons, as from the other boxes, and Shift+Tab comes back; no tab is typed.
TEST_F(ExchangeWindowsTest, ContactFieldsMoveOnByEnterAndTheContentsByTab) {
    frmEmailList* c = frmEmailList::Open(store, ExportKind::None, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(c, test::kPatienceMs));
    Child<QLineEdit>(c, "txt_0")->setFocus();
    for (const char* next : {"txt_1", "txt_2", "txt_3", "txt_4"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    auto* contents = Child<QPlainTextEdit>(c, "txt_4");
    QTest::keyClicks(QApplication::focusWidget(), "Room 4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "at 9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(contents->toPlainText(), "Room 4\nat 9");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdAssign");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), contents);
    EXPECT_EQ(contents->toPlainText(), "Room 4\nat 9");
}
