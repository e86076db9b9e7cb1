// Exchange through the share from the user's side: accented names on disk, and a share that is
// missing or holds links.
#include "common/MainWindowFixture.h"
#include "common/Patience.h"

#include "notes/TermDialogs.h"
#include "notes/frmEmailList.h"
#include "notes/frmFUT.h"
#include "notes/frmFile.h"
#include "notes/frmNotes.h"
#include "store/DataFiles.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

#include <cstdlib>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

struct ShareTest : MainWindowTest {
    void TearDown() override {
        delete frmAddFUT::Find();
        delete frmFUT::Find();
        for (QWidget* t : QApplication::topLevelWidgets())
            if (qobject_cast<frmFile*>(t) || qobject_cast<frmEmailList*>(t)) t->close();
        if (drivesSet) unsetenv("ORVELLE_DRIVES");
        for (const std::string& d : others) fs::remove_all(d);
        MainWindowTest::TearDown();
    }
    std::string Outside() {
        std::string t = (fs::temp_directory_path() / "orvelle-outside-XXXXXX").string();
        others.push_back(std::string(mkdtemp(t.data())) + "/");
        return others.back();
    }
    void Write(const std::string& path, const std::string& content) {
        ASSERT_TRUE(MakeFolder(fs::path(path).parent_path().string()));
        ASSERT_TRUE(WriteFileAtomic(path, content));
    }
    frmNotes* OpenNotes() {
        w->Menu("mnuOptDateOpenNotes")->trigger();
        Settle();
        return w->findChild<frmNotes*>();
    }
    template <class T> T* Top() {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* x = qobject_cast<T*>(t); x && x->isVisible()) return x;
        return w->findChild<T*>();
    }
    static QStringList Items(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void ClickRow(QListWidget* list, const QString& text) {
        auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
    // File > "Open External Notes" (or the dialog another command opens), moved to the share,
    // `name` picked and opened.
    void ImportFromShare(const QString& name, const std::function<void()>& openDialog = {}) {
        if (openDialog) openDialog();
        else w->Menu("mnuFileOpenNotes")->trigger();
        frmFile* f = Top<frmFile>();
        ASSERT_NE(f, nullptr);
        f->findChild<QComboBox*>("Drive1")->setCurrentIndex(frmFile::kShare);
        ClickRow(f->findChild<QListWidget*>("FileList1"), name);
        QTest::mouseClick(f->findChild<QPushButton*>("cmdOpenOK"), Qt::LeftButton);
        Settle();
    }

    bool drivesSet = false;
    std::vector<std::string> others;
};

const std::string kCafeLegacy = "caf\xE9.nte";           // as an older copy named it
const std::string kResume = "r\xE9sum\xE9";              // as typed (Windows-1252)
const std::string kResumeOnDisk = "r\xC3\xA9sum\xC3\xA9.nte"; // UTF-8
const std::string kJose = "Jos\xE9 Ruiz";

} // namespace

// Typed names reach the disk in UTF-8, the contents stay Windows-1252, and the open-file dialog
// and the terms window list both those and the Windows-1252 names of an older copy, which open
// and are written back under their own names.
TEST_F(ShareTest, AccentedNamesAreUtf8OnDiskAndOlderNamesStillOpen) {
    std::string share = dir + "Planners And Notes/";
    Write(dir + "Employee Info.dat", kJose + ",,jose@example.org\r\n");
    Write(share + kCafeLegacy, "03/01/09:Old copy \xE0 la carte");
    Write(dir + "Gr\xFCn.fut", "gras\r\nklee");
    Start();

    frmNotes* notes = OpenNotes();
    ASSERT_NE(notes, nullptr);
    notes->txtNotes()->insertPlainText(QString::fromUtf8("CV \xC3\xA9t\xC3\xA9"));
    prompter.ExpectInput(kResume, "Please enter a file name")
        .Expect(MsgAnswer::OK, "The file was saved as " + kResume + ".nte");
    notes->findChild<QAction*>("mnuFileExport")->trigger();
    EXPECT_EQ(ReadWholeFile(share + kResumeOnDisk), "03/05/09:CV \xE9t\xE9");
    EXPECT_FALSE(fs::exists(share + kResume + ".nte"));

    // The contact's folder too.
    notes->findChild<QAction*>("mnuFileExportNotesAndAssign")->trigger();
    frmEmailList* contacts = Top<frmEmailList>();
    ASSERT_NE(contacts, nullptr);
    prompter.Expect(MsgAnswer::OK, "in the Folder " + share + kJose + "/");
    QTest::mouseClick(contacts->findChild<QPushButton*>("cmdAssign"), Qt::LeftButton);
    EXPECT_TRUE(fs::exists(share + "Jos\xC3\xA9 Ruiz/" + kResumeOnDisk));
    contacts->close();

    // Listed as the desktop shows them; the older copy's file opens and is saved back into it.
    w->Menu("mnuFileOpenNotes")->trigger();
    frmFile* f = Top<frmFile>();
    ASSERT_NE(f, nullptr);
    f->findChild<QComboBox*>("Drive1")->setCurrentIndex(frmFile::kShare);
    EXPECT_EQ(Items(f->findChild<QListWidget*>("FileList1")),
              QStringList({QString::fromUtf8("caf\xC3\xA9.nte"), QString::fromUtf8(kResumeOnDisk.c_str())}));
    EXPECT_TRUE(Items(f->findChild<QListWidget*>("Dir1")).contains(QString::fromUtf8("Jos\xC3\xA9 Ruiz")));
    f->close();
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    ImportFromShare(QString::fromUtf8("caf\xC3\xA9.nte"));
    notes = w->findChild<frmNotes*>();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->windowTitle(), "Displaying External Notes for Mar 01, 2009");
    EXPECT_EQ(notes->txtNotes()->toPlainText(), QString::fromUtf8("Old copy \xC3\xA0 la carte"));
    QTest::keyClicks(notes->txtNotes(), "!");
    prompter.Expect(MsgAnswer::OK, "The file was saved as " + kCafeLegacy);
    EXPECT_TRUE(notes->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(share + kCafeLegacy), "03/01/09:!Old copy \xE0 la carte");
    EXPECT_FALSE(fs::exists(share + "caf\xC3\xA9.nte"));

    // Term lists: the older copy's list is read, a new one is made and saved under UTF-8.
    s->prefs.gFUTFileName = "Gr\xFCn.fut";
    w->Menu("mnuManageFUTList")->trigger();
    frmFUT* terms = frmFUT::Find();
    ASSERT_NE(terms, nullptr);
    EXPECT_EQ(terms->windowTitle(), QString::fromUtf8("Gr\xC3\xBCn"));
    EXPECT_EQ(Items(terms->lstFUT()), QStringList({"gras", "klee"}));
    prompter.ExpectInput("K\xFC" "che", "Please enter a name for the Frequent Terms File.");
    terms->findChild<QAction*>("mnuFileNewFUT")->trigger();
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_NE(add, nullptr);
    add->txtAddFUT()->setText(QString::fromUtf8("T\xC3\xB6pfe"));
    add->cmdSave_Click();
    EXPECT_EQ(ReadWholeFile(dir + "K\xC3\xBC" "che.fut"), "T\xF6pfe");
    EXPECT_FALSE(fs::exists(dir + "K\xFC" "che.fut"));
    terms->findChild<QAction*>("mnuFileShowAll")->trigger();
    EXPECT_EQ(Items(terms->lstMoreFUT()),
              QStringList({QString::fromUtf8("Gr\xC3\xBCn.fut"), QString::fromUtf8("K\xC3\xBC" "che.fut")}));
}

// The share is a folder other people can write: a drive that is not there is reported and no
// folder is made for it on the local disk; a "Planners And Notes" folder, a contact's folder or
// a file there that is a link is refused by name, and nothing reaches the link's target. A
// linked year folder inside the user's own data folder keeps working.
TEST_F(ShareTest, ShareThatIsMissingOrHoldsLinksGetsNothing) {
    setenv("ORVELLE_DRIVES", (dir + "drives").c_str(), 1);
    drivesSet = true;
    const std::string root = dir + "drives/q/", share = root + "Planners And Notes";
    const std::string outside = Outside(), yearTarget = Outside(), secret = Outside();
    Write(dir + "Employee Info.dat", "Ann Lee,,ann@example.org\r\n");
    Write(secret + "evil.nte", "03/01/09:not from the share");
    fs::create_directory_symlink(yearTarget, dir + "2009");
    Start();
    prompter.ExpectInput("q", "Network Share Drive");
    w->Menu("mnuOptNetworkShare")->trigger();

    frmNotes* notes = OpenNotes();
    ASSERT_NE(notes, nullptr);
    QTest::keyClicks(notes->txtNotes(), "Agenda");
    QAction* exportItem = notes->findChild<QAction*>("mnuFileExport");
    prompter.ExpectInput("agenda").Expect(MsgAnswer::OK, "An error occurred in SaveExternalNotes.");
    exportItem->trigger();
    EXPECT_FALSE(fs::exists(dir + "drives"));
    EXPECT_NE(prompter.SeenDialogs().back().text.find("Error Number: 76"), std::string::npos);
    prompter.Expect(MsgAnswer::OK, "This Drive is currently unavailable.");
    notes->findChild<QAction*>("mnuFileImport")->trigger();
    frmFile* f = Top<frmFile>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Folder(), dir);
    f->close();

    ASSERT_TRUE(MakeFolder(root));
    fs::create_directory_symlink(outside, share);
    prompter.ExpectInput("agenda").Expect(MsgAnswer::OK, "\"" + share + "\" in the share folder is a link");
    exportItem->trigger();
    EXPECT_TRUE(fs::is_empty(outside));

    fs::remove(share);
    ASSERT_TRUE(MakeFolder(share));
    fs::create_directory_symlink(outside, share + "/Ann Lee");
    notes->findChild<QAction*>("mnuFileExportNotesAndAssign")->trigger();
    frmEmailList* contacts = Top<frmEmailList>();
    ASSERT_NE(contacts, nullptr);
    prompter.ExpectInput("agenda").Expect(MsgAnswer::OK, "Ann Lee\" in the share folder is a link");
    QTest::mouseClick(contacts->findChild<QPushButton*>("cmdAssign"), Qt::LeftButton);
    EXPECT_TRUE(fs::is_empty(outside));
    contacts->close();

    // Reading through a link in the share is refused as well; the note stays the user's own.
    fs::create_symlink(secret + "evil.nte", share + "/evil.nte");
    prompter.Expect(MsgAnswer::OK, "evil.nte\" in the share folder is a link");
    ImportFromShare("evil.nte");
    notes = w->findChild<frmNotes*>();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "Agenda");

    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    notes->findChild<QAction*>("mnuFileSave")->trigger();
    EXPECT_NE(ReadWholeFile(yearTarget + "Notes.dat").value_or("").find("Agenda"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir + "2009"));
}

// What the share holds may be a colleague's broken export. A file larger than the program
// itself writes of its kind is refused unread, naming the file and why; a note at the largest
// size opens, even as one unbroken run and with line ends a mail program added after it (a note
// longer still is refused), and a note grown past that size is neither saved nor written back,
// though the user's own longer note still opens and prints. A term list with a term longer than
// the term boxes take is not copied in. How fast they open is measured in
// bench/NotesOpeningBench.cpp; here the box must wrap such a run anywhere and keep a long
// paragraph's glyphs, without which the work grows with the square of the run (half a minute
// and more), and the work done is guarded far above its honest amount.
TEST_F(ShareTest, FilesLargerThanTheProgramWritesAreRefusedAtOnce) {
    const std::string share = dir + "Planners And Notes/";
    std::string prose;
    while (prose.size() < 2000000) prose += "the quarterly figures go to the board on Monday ";
    prose.resize(2000000);
    Write(share + "line.nte", "07/04/09:" + prose);
    for (const char* name : {"huge.nte", "huge.pln"}) {
        Write(share + name, "07/04/09:");
        fs::resize_file(share + name, 50u << 20);
    }
    const std::string mailed = "\r\n \r\n";
    Write(share + "edge.nte", "07/04/09:" + std::string(kLongestNote, 'x') + mailed);
    Write(share + "over.nte", "07/04/09:" + std::string(kLongestNote + 1, 'x') + mailed);
    Write(share + "long.fut", "Airport\r\n" + std::string(kLongestTerm + 1, 't'));
    // The user's own note from before there was a limit, four times as long.
    const std::string own =
        "03/05/09:" + CellStampOf(DateSerial(2009, 3, 5)) + ":" + std::string(4 * kLongestNote, 'o');
    Write(dir + "2009/Notes.dat", own + "\r\n");
    Start();

    struct Refusal {
        const char *name, *menu, *why;
    };
    for (Refusal r : {Refusal{"line.nte", "mnuFileOpenNotes", "2000009 bytes, more than the 266249 such a file"},
                      Refusal{"huge.nte", "mnuFileOpenNotes", "52428800 bytes, more than the 266249"},
                      Refusal{"huge.pln", "mnuFileOpenPlanner", "52428800 bytes, more than the 8205"},
                      Refusal{"over.nte", "mnuFileOpenNotes", "a note of 262145 characters, more than the 262144"}}) {
        prompter.Expect(MsgAnswer::OK, std::string("The file ") + r.name + " cannot be opened: it holds " + r.why);
        ImportFromShare(r.name, [&] { w->Menu(r.menu)->trigger(); });
        ASSERT_EQ(w->findChild<frmNotes*>(), nullptr) << r.name;
    }
    EXPECT_EQ(s->flags.gCalendarView, 12);

    // The run wrapped anywhere, and its paragraph's glyphs kept between repaints.
    auto laidOutInProportion = [](frmNotes* notes) {
        QPlainTextEdit* box = notes->txtNotes();
        EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAnywhere);
        EXPECT_TRUE(box->document()->firstBlock().layout()->cacheEnabled());
    };
    test::WorkClock work;
    ImportFromShare("edge.nte");
    frmNotes* notes = w->findChild<frmNotes*>();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->windowTitle(), "Displaying External Notes for Jul 04, 2009");
    EXPECT_EQ(notes->DisplayLines().join("").size(), static_cast<qsizetype>(kLongestNote));
    EXPECT_LT(work.ElapsedMs(), test::kHangGuardMs);
    laidOutInProportion(notes);

    // One more character makes it a note the program does not write: the file stays as it was.
    QTest::keyClicks(notes->txtNotes(), "y");
    prompter.Expect(MsgAnswer::OK, "An error occurred in SaveExternalNotes.");
    EXPECT_FALSE(notes->mnuFileSave_Click());
    EXPECT_NE(prompter.SeenDialogs().back().text.find("more than the 262144 a note may hold"), std::string::npos);
    EXPECT_EQ(fs::file_size(share + "edge.nte"), 9 + kLongestNote + mailed.size());
    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    notes->CloseWindow();
    // The user's own longer note still opens, and is laid out line by line for printing, but
    // is saved only once shortened.
    test::WorkClock ownWork;
    notes = OpenNotes();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->DisplayLines().join("").size(), static_cast<qsizetype>(4 * kLongestNote));
    EXPECT_LT(ownWork.ElapsedMs(), test::kHangGuardMs);
    laidOutInProportion(notes);
    QTest::keyClicks(notes->txtNotes(), "y");
    prompter.Expect(MsgAnswer::OK, "An error occurred in SaveThisYearsNotes.");
    EXPECT_FALSE(notes->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(dir + "2009/Notes.dat"), own + "\r\n");
    EXPECT_TRUE(s->flags.gNotesChanged);

    prompter.Expect(MsgAnswer::OK, "File not found."); // no list is named yet
    w->Menu("mnuManageFUTList")->trigger();
    ASSERT_NE(frmFUT::Find(), nullptr);
    prompter.Expect(MsgAnswer::OK, "The file \"long.fut\" could not be read: its line 2 holds 32768 characters, "
                                   "more than the 32767 a line of it may hold.");
    ImportFromShare("long.fut", [&] { frmFUT::Find()->findChild<QAction*>("mnuFileOpenFUT")->trigger(); });
    EXPECT_FALSE(fs::exists(dir + "long.fut"));
}

// With the planner open beside the note, No at the question about the changed note drops the
// edit and opens the file, as it does without the planner; the planner page stays as it was.
TEST_F(ShareTest, ImportOverAChangedNoteBesideThePlannerOpensTheFileAfterNo) {
    Write(dir + "Planners And Notes/memo.nte", "07/04/09:from a colleague");
    StartWithPlanner();
    SetPicker("May", "1", "2009");
    w->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    frmNotes* notes = OpenNotes();
    ASSERT_NE(notes, nullptr);
    QTest::keyClicks(notes->txtNotes(), "my own words");
    ASSERT_TRUE(s->flags.gNotesChanged);

    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    ImportFromShare("memo.nte", [&] { notes->findChild<QAction*>("mnuFileImport")->trigger(); });
    Settle();
    notes = frmNotes::Find(w->mdiArea());
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisible());
    EXPECT_EQ(notes->windowTitle(), "Displaying External Notes for Jul 04, 2009");
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "from a colleague");
    EXPECT_TRUE(s->notes.gExternalNotes);
    EXPECT_FALSE(s->flags.gNotesChanged);
    EXPECT_FALSE(fs::exists(dir + "2009/Notes.dat"));
    EXPECT_TRUE(s->flags.gPlannerOpen);
}
