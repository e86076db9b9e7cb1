// Export, import and merge of planner days, from the planner window inside the main window.
#include "PlannerWindowFixture.h"

#include "mainwindow/frmMain.h"
#include "notes/frmEmailList.h"
#include "notes/frmFile.h"
#include "notes/frmNoteList.h"
#include "notes/frmNotes.h"
#include "store/NotesStore.h"
#include "mainwindow/PlannerLauncher.h"
#include "planner/PlannerTimeLabels.h"
#include "planner/PlannerLineBox.h"
#include "platform/DataFolder.h"
#include "store/Clock.h"

#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace orvelle {
namespace {

class PlannerExchange : public PlannerWindowTest {
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
        share = dir + "Planners And Notes/";
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
    void OpenPlanner() {
        main->Menu("mnuOptDateOpenPlanner")->trigger();
        Settle();
        w = Planner();
        ASSERT_NE(w, nullptr);
    }
    // Picks `name` in the open-file dialog the planner's import opened (or the main window's
    // "Open External Planner", turned to the share), and confirms it.
    void Import(const char* name, bool fromMainWindow = false) {
        if (fromMainWindow) main->Menu("mnuFileOpenPlanner")->trigger();
        else Item("mnuFileImport")->trigger();
        frmFile* f = nullptr;
        for (frmFile* d : main->findChildren<frmFile*>())
            if (d->isVisible()) f = d;
        ASSERT_NE(f, nullptr);
        if (fromMainWindow) f->findChild<QComboBox*>("Drive1")->setCurrentIndex(frmFile::kShare);
        EXPECT_EQ(f->Folder(), share);
        auto* list = f->findChild<QListWidget*>("FileList1");
        auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        QTest::mouseClick(f->findChild<QPushButton*>("cmdOpenOK"), Qt::LeftButton);
        Settle();
        w = Planner();
    }
    void WriteDayFile(const std::string& name, Date date, const PlannerPage& page) {
        std::filesystem::create_directories(share);
        ASSERT_TRUE(WriteFileAtomic(share + name, FormatMmDdYy(date) + ":" + BuildPlannerRecord(page)));
    }

    frmMain* main = nullptr;
    std::string share;
};

// From the user's side: a page is exported, imported on another date's window (after the
// question about that page's edits), and merged over its stored day only after Yes.
TEST_F(PlannerExchange, ExportImportAndMergeOverAStoredDay) {
    OpenPlanner();
    QTest::keyClicks(Box(0), "Dentist");
    // A time typed into the open time editor goes out with the page.
    w->TimeLabels()->lblTime_MouseDown(2, 1);
    Item("mnuEditTime")->trigger();
    w->TimeLabels()->txtTime()->selectAll();
    QTest::keyClicks(w->TimeLabels()->txtTime(), "8:15");
    prompter.ExpectInput("dentist", "Please enter a file name").Expect(MsgAnswer::OK, "The file was saved as dentist.pln");
    Item("mnuFileExport")->trigger();
    ASSERT_EQ(ReadWholeFile(share + "dentist.pln").value_or("").size(), 4109u);
    EXPECT_EQ(ReadWholeFile(share + "dentist.pln").value_or("").substr(9 + 2 * 160, 10), "B08:15 AM ");
    EXPECT_FALSE(w->TimeLabels()->txtTime()->isVisible());
    EXPECT_TRUE(s->flags.gPlannerChanged);
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();

    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    QTest::keyClicks(Box(0), "Own page");
    prompter.Expect(MsgAnswer::Cancel, "The Planner has been changed. Do you want to save those changes?");
    Import("dentist.pln");
    EXPECT_EQ(Box(0)->text(), "Own page");
    EXPECT_FALSE(s->planner.gExternalPlanner);
    EXPECT_TRUE(Item("mnuFileSave")->isEnabled());

    prompter.Expect(MsgAnswer::No, "The Planner has been changed. Do you want to save those changes?");
    Import("dentist.pln");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(0)->text(), "Dentist");
    EXPECT_FALSE(Item("mnuFileSave")->isEnabled());
    EXPECT_TRUE(Item("mnuFileMerge")->isEnabled());
    EXPECT_EQ(Label("lblMain")->text(), "Thursday, March 5, 2009");
    EXPECT_EQ(main->cmbDay->currentText(), "05");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5));

    const std::string stored = ReadYear(2009);
    QTest::keyClicks(Box(1), "Bring card");
    const std::string overwrite = "A record with this date (03/05/09)already exists. Overwrite existing record?";
    prompter.Expect(MsgAnswer::No, overwrite);
    Item("mnuFileMerge")->trigger();
    EXPECT_EQ(ReadYear(2009), stored);
    EXPECT_TRUE(Item("mnuFileMerge")->isEnabled());

    prompter.Expect(MsgAnswer::Yes, overwrite).Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileMerge")->trigger();
    std::string year = ReadYear(2009);
    EXPECT_NE(year.find("Bring card"), std::string::npos);
    EXPECT_EQ(year.find("03/06/09"), std::string::npos);
    EXPECT_FALSE(Item("mnuFileMerge")->isEnabled());
    EXPECT_TRUE(Item("mnuFileSave")->isEnabled());
}

// A day of another year is merged into that year's file; the shown year's file stays as it
// was, byte for byte. A new date asks nothing.
TEST_F(PlannerExchange, MergeOfAnotherYearLeavesTheShownYearAlone) {
    WriteYear(2009, {{DateSerial(2009, 3, 5), PageWith(0, "March page")}});
    const std::string before = ReadYear(2009);
    PlannerPage summer = PageWith(0, "Summer trip");
    summer.gPlannerToDoChecks[3] = true;
    WriteDayFile("summer.pln", DateSerial(2010, 7, 1), summer);
    OpenPlanner();
    Import("summer.pln");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(0)->text(), "Summer trip");

    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileMerge")->trigger();
    EXPECT_EQ(ReadYear(2009), before);
    std::string next = ReadYear(2010);
    EXPECT_EQ(next.substr(0, 8), "07/01/10");
    EXPECT_EQ(next.substr(16, 4100), BuildPlannerRecord(summer));
}

// Day files passed around by mail and editors open from the main window: one with line ends
// after it (4113 bytes) as it was written, one whose trailing blanks were stripped, its lost done
// marks with them, with those to-dos not done; merged, it is a whole record with its marks.
TEST_F(PlannerExchange, DayFilesWithLineEndsAddedOrBlanksStrippedOpen) {
    PlannerPage june = PageWith(0, "Field trip");
    june.gPlannerToDoChecks[2] = true;
    const std::string record = BuildPlannerRecord(june);
    std::string stripped = record;
    stripped.replace(kDoneMarksPos + 3, 7, 7, ' ');
    stripped.erase(stripped.find_last_not_of(' ') + 1);
    std::filesystem::create_directories(share);
    ASSERT_TRUE(WriteFileAtomic(share + "mailed.pln", "06/16/09:" + record + "\r\n\r\n"));
    ASSERT_TRUE(WriteFileAtomic(share + "trimmed.pln", "06/17/09:" + stripped + "\r\n"));
    auto checked = [this](int k) {
        return Label(QString("imgChkBox_%1").arg(k))->pixmap().toImage() ==
               PlannerPageView::CheckBoxPicture(true).toImage();
    };

    Import("mailed.pln", true);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(0)->text(), "Field trip");
    EXPECT_EQ(Label("lblMain")->text(), "Tuesday, June 16, 2009");
    EXPECT_TRUE(checked(2));

    Import("trimmed.pln", true);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Label("lblMain")->text(), "Wednesday, June 17, 2009");
    EXPECT_EQ(Box(0)->text(), "Field trip");
    for (int k = 0; k < 10; ++k) EXPECT_EQ(checked(k), k == 2) << k;
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileMerge")->trigger();
    Date jun17 = DateSerial(2009, 6, 17);
    EXPECT_EQ(ReadYear(2009), FormatMmDdYy(jun17) + ":" + CellStampOf(jun17) + ":" + record + "\r\n");
}

// A day file with no page in it is refused before anything changes; the page stays the user's
// own.
TEST_F(PlannerExchange, TruncatedDayFileIsRefused) {
    std::filesystem::create_directories(share);
    ASSERT_TRUE(WriteFileAtomic(share + "cut.pln", "03/09/09:" + std::string(300, ' ')));
    OpenPlanner();
    QTest::keyClicks(Box(0), "Mine");
    prompter.Expect(MsgAnswer::OK, "cannot be opened");
    Import("cut.pln");
    EXPECT_EQ(Box(0)->text(), "Mine");
    EXPECT_FALSE(s->planner.gExternalPlanner);
    EXPECT_FALSE(Item("mnuFileMerge")->isEnabled());
}

// "Export this Planner and Assign to..." delivers the page into the chosen contact's folder; the
// contact list opened from the main window has no export to deliver.
TEST_F(PlannerExchange, AssignToAContactWritesIntoTheContactsFolder) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Employee Info.dat", "Ann Lee,555-1234,ann@example.org\r\n"));
    OpenPlanner();
    QTest::keyClicks(Box(0), "Site visit");
    Item("mnuFileExportPlannerAndAssign")->trigger();
    frmEmailList* c = main->findChild<frmEmailList*>();
    ASSERT_NE(c, nullptr);
    prompter.ExpectInput("visit").Expect(MsgAnswer::OK, "Planners And Notes/Ann Lee/");
    QTest::mouseClick(c->findChild<QPushButton*>("cmdAssign"), Qt::LeftButton);
    std::string file = ReadWholeFile(share + "Ann Lee/visit.pln").value_or("");
    ASSERT_EQ(file.size(), 4109u);
    EXPECT_EQ(file.substr(9 + 10, 10), "Site visit");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    c->close();
    Settle();

    main->Menu("mnuManageEmailList")->trigger();
    c = main->findChild<frmEmailList*>();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Pending(), ExportKind::None);
    prompter.Expect(MsgAnswer::OK, "There is no Planner or Notes export waiting to be assigned.");
    QTest::mouseClick(c->findChild<QPushButton*>("cmdAssign"), Qt::LeftButton);
}

// The page keeps its own date through exports and imports: a note of another date opened over
// it moves the selected date but not the page's, an assignment keeps the export's name and
// folder, and an imported day (with a line end a mail program added) becomes the page's date,
// from which the day buttons step.
TEST_F(PlannerExchange, ExportsAndImportsKeepThePagesOwnDate) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Employee Info.dat", "Ann Lee,555-1234,ann@example.org\r\n"));
    ASSERT_TRUE(MakeFolder(dir + "2009"));
    Date january = DateSerial(2009, 1, 5);
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat",
                                FormatMmDdYy(january) + ":" + CellStampOf(january) + ":Budget\r\n"));
    OpenPlanner();
    QTest::keyClicks(Box(0), "Dentist");

    // Manage > Notes and Planners opens the January note over the planner.
    main->Menu("mnuManageNotes")->trigger();
    Settle();
    auto* list = main->findChild<frmNoteList*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->lst(0)->count(), 1);
    QListWidget* notes = list->lst(0);
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, notes->visualItemRect(notes->item(0)).center());
    QTest::mouseClick(list->findChild<QPushButton*>("cmdOpen_0"), Qt::LeftButton);
    Settle();
    ASSERT_NE(main->findChild<frmNotes*>(), nullptr);
    ASSERT_EQ(s->dates.gSelectedDate, january);
    list->close();

    // Back on the planner: the assignment and the plain export after it carry the page's date
    // and write the one file in Ann's folder, the second time after the overwrite question.
    Item("mnuFileExportPlannerAndAssign")->trigger();
    auto* contacts = main->findChild<frmEmailList*>();
    ASSERT_NE(contacts, nullptr);
    prompter.ExpectInput("day").Expect(MsgAnswer::OK, "Planners And Notes/Ann Lee/");
    QTest::mouseClick(contacts->findChild<QPushButton*>("cmdAssign"), Qt::LeftButton);
    EXPECT_EQ(ReadWholeFile(share + "Ann Lee/day.pln").value_or("").substr(0, 9), "03/05/09:");
    contacts->close();
    QTest::keyClicks(Box(1), "Bring card");
    prompter.Expect(MsgAnswer::Yes, "A Planner File with that name already exists. Overwrite existing file?")
        .Expect(MsgAnswer::OK, "in the Folder " + share + "Ann Lee/");
    Item("mnuFileExport")->trigger();
    std::string file = ReadWholeFile(share + "Ann Lee/day.pln").value_or("");
    EXPECT_EQ(file.substr(0, 9), "03/05/09:");
    EXPECT_NE(file.find("Bring card"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(share + "day.pln"));

    // A January day mailed with a line end after it opens as the January page.
    PlannerPage jan = PageWith(0, "Inventory");
    ASSERT_TRUE(WriteFileAtomic(share + "jan.pln", FormatMmDdYy(january) + ":" + BuildPlannerRecord(jan) + "\r\n"));
    prompter.Expect(MsgAnswer::No, "The Planner has been changed. Do you want to save those changes?");
    Import("jan.pln");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(0)->text(), "Inventory");
    EXPECT_EQ(Label("lblMain")->text(), "Monday, January 5, 2009");
    EXPECT_EQ(s->dates.gSelectedDate, january);
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 1, 6));
    EXPECT_EQ(main->cmbMonth->currentText(), "January");
    EXPECT_EQ(main->cmbDay->currentText(), "06");
    EXPECT_NE(Label("lblMain")->text().indexOf("January 6"), -1) << Label("lblMain")->text().toStdString();
}

} // namespace
} // namespace orvelle
