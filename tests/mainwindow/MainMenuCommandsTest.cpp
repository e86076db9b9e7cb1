#include "common/MainWindowFixture.h"
#include "common/TypedText.h"
#include "mainwindow/MainMenuCommands.h"
#include "notes/frmHelp.h"
#include "notes/TermDialogs.h"
#include "notes/frmNotes.h"
#include "mainwindow/PlannerLauncher.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"
#include "store/HelpTopics.h"
#include "store/Preferences.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <functional>
#include <vector>

namespace orvelle {
namespace {

TEST(ShareDriveAnswer, FirstCharacterAfterTheBlanks) {
    auto letter = [](const std::string& answer) {
        ShareDriveAnswer a = ReadShareDriveAnswer(answer);
        return a.kind == ShareDriveAnswer::Letter ? std::string(1, a.letter) : std::string();
    };
    EXPECT_EQ(letter("  Q:\\data  "), "q");
    EXPECT_EQ(letter("e"), "e");
    EXPECT_EQ(letter("Z"), "z");
    EXPECT_EQ(ReadShareDriveAnswer("").kind, ShareDriveAnswer::Nothing);
    EXPECT_EQ(ReadShareDriveAnswer("   ").kind, ShareDriveAnswer::Nothing);
    EXPECT_EQ(ReadShareDriveAnswer("7").kind, ShareDriveAnswer::NoLetter);
    EXPECT_EQ(ReadShareDriveAnswer(":d").kind, ShareDriveAnswer::NoLetter);
    // A letter outside A-Z in the program's character set is no drive.
    EXPECT_EQ(ReadShareDriveAnswer("\xe9").kind, ShareDriveAnswer::NoLetter);
}

class MenuCommands : public MainWindowTest {
protected:
    static constexpr const char* kPrefs =
        "App First Instance:False\r\nShared Directory:s\r\nCompany Name:Caf\xe9 du Nord\r\nCompany Address 1:\r\n"
        "Company Address 2:\r\nCompany City, State Zip:\r\nCompany Phone:\r\nCompany Fax:\r\nCompany Website:\r\n"
        "Company Email:\r\nAuto Complete Word:True\r\nAuto Start Position:3\r\nShow FUT:False\r\n"
        "Minimize FUT:False\r\nSoftware Install Date:01/02/2009\r\nDefault Printer:\r\n\r\n"
        "Frequent Terms File:Work.fut\r\nLoad FUT Position:False\r\nFUT Position:Left=1:Top=2\r\nkept extra line\r\n";

    std::string Prefs() const { return ReadWholeFile(dir + "UserPreferences.txt").value_or("?"); }
    void Trigger(const char* item) { w->Menu(item)->trigger(); }
};

TEST_F(MenuCommands, ShareDriveChangesOnlyItsOwnLine) {
    ASSERT_TRUE(WriteFileAtomic(dir + "UserPreferences.txt", kPrefs));
    Start();
    ASSERT_EQ(s->prefs.gShareDrive, "s");

    prompter.ExpectInput("  Q:\\data  ", "Enter the Network Share Drive letter below.");
    Trigger("mnuOptNetworkShare");
    std::string expected = kPrefs;
    expected.replace(expected.find("Shared Directory:s"), 18, "Shared Directory:q");
    EXPECT_EQ(Prefs(), expected);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Setting Network Share Drive");
    EXPECT_EQ(s->prefs.gShareDrive, "q");
    EXPECT_EQ(s->prefs.gShareRoot, ShareRootForDrive('q'));
    EXPECT_EQ(s->prefs.gSharePlannersFolder, ShareRootForDrive('q') + "Planners And Notes");

    prompter.ExpectInput("7").Expect(MsgAnswer::OK, "Could not determine drive letter.");
    Trigger("mnuOptNetworkShare");
    EXPECT_EQ(Prefs(), expected);
    EXPECT_EQ(s->prefs.gShareDrive, "q");

    prompter.ExpectInput("");
    Trigger("mnuOptNetworkShare");
    EXPECT_EQ(Prefs(), expected);
    EXPECT_EQ(s->prefs.gShareDrive, "q");
}

TEST_F(MenuCommands, OpenNotesForSelectedDateAsksAboutChangesFirst) {
    frmMain& m = Start();
    SetPicker("June", "9", "2009");
    Trigger("mnuOptDateOpenNotes");
    Settle();
    frmNotes* notes = frmNotes::Find(m.mdiArea());
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(s->flags.gNotesOpen);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 6, 9));

    // Changed notes and Cancel: the command stops, the note and the date stay.
    notes->txtNotes()->setPlainText("unsaved words");
    ASSERT_TRUE(s->flags.gNotesChanged);
    SetPicker("July", "1", "2009");
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    Trigger("mnuOptDateOpenNotes");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 6, 9));
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "unsaved words");
    EXPECT_FALSE(s->flags.gNavigationCancelled);

    // No drops the edits (and their window) and opens the picked date's note.
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    Trigger("mnuOptDateOpenNotes");
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 7, 1));
    notes = frmNotes::Find(m.mdiArea());
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "");
    EXPECT_FALSE(s->flags.gNotesChanged);
}

TEST_F(MenuCommands, TheNotesButtonOpensTheNotesWindow) {
    frmMain& m = Start();
    SetPicker("March", "6", "2009");
    m.imgOpt_Click(1);
    Settle();
    frmNotes* notes = frmNotes::Find(m.mdiArea());
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 6));
    // On this large screen the window fills the child area as the views do: no sub-window
    // icon in the main menu bar, and its close button alone at the right end.
    QMdiSubWindow* sub = MdiSubWindowOf(notes);
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->geometry(), m.mdiArea()->viewport()->rect());
    EXPECT_EQ(m.menuBar()->cornerWidget(Qt::TopLeftCorner), nullptr);
    QWidget* corner = m.menuBar()->cornerWidget(Qt::TopRightCorner);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->objectName(), "cmdCloseChild");
    EXPECT_TRUE(corner->isVisible());
}

TEST_F(MenuCommands, EscapeInTheNotesWindowLeavesTheYearViewAlone) {
    frmMain& m = Start();
    m.SwitchView(0);
    Settle();
    ASSERT_NE(m.monthView(), nullptr);
    m.imgOpt_Click(1);
    Settle();
    frmNotes* notes = frmNotes::Find(m.mdiArea());
    ASSERT_NE(notes, nullptr);
    QTest::keyClick(notes->txtNotes(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(frmNotes::Find(m.mdiArea()), nullptr);
    EXPECT_EQ(m.monthView(), nullptr);
    EXPECT_FALSE(s->flags.gMonthViewOpen);
    EXPECT_NE(m.yearView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
}

TEST_F(MenuCommands, OpenPlannerForSelectedDateAsksAboutChangesFirst) {
    frmMain& m = Start();
    InstallPlannerWindow(m);
    SetPicker("March", "5", "2009");
    Trigger("mnuOptDateOpenPlanner");
    Settle();
    ASSERT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(s->flags.gCalendarView, 0);

    s->flags.gPlannerChanged = true;
    SetPicker("March", "20", "2009");
    prompter.Expect(MsgAnswer::Cancel, "The Planner has been changed.");
    Trigger("mnuOptDateOpenPlanner");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5));
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_FALSE(s->flags.gNavigationCancelled);

    prompter.Expect(MsgAnswer::No, "The Planner has been changed.");
    Trigger("mnuOptDateOpenPlanner");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 20));
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

TEST_F(MenuCommands, NumbersOffsetTogglesAndRedrawsTheMonthViews) {
    frmMain& m = Start();
    QAction* item = m.Menu("mnuOptCalNumbersOffset");
    ASSERT_FALSE(item->isChecked());
    m.SwitchView(1);
    Settle();
    s->view.gThisYear = 0; // a redraw sets it again
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(s->view.gShowNumbersOffset);
    EXPECT_EQ(s->view.gThisYear, 2009);
    s->view.gThisYear = 0;
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(s->view.gShowNumbersOffset);
    EXPECT_EQ(s->view.gThisYear, 2009);
}

TEST_F(MenuCommands, HelpContentsListsEveryTopicOnce) {
    frmMain& m = Start();
    ASSERT_GT(s->help.gHelpCount, 1);
    Trigger("mnuHelpContents");
    Trigger("mnuHelpContents");
    auto* help = m.findChild<frmHelp*>("frmHelp");
    ASSERT_NE(help, nullptr);
    auto* list = help->findChild<QListWidget*>("lstHelp");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), s->help.gHelpCount);
    EXPECT_EQ(list->item(0)->text(), QString::fromStdString(s->help.gHelpTitles[0]));

    // With no topics at all the window opens empty.
    s->help = HelpTopics{};
    Trigger("mnuHelpContents");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(help->findChild<QPlainTextEdit*>("txtHelp")->toPlainText(), "");
}

TEST_F(MenuCommands, SoftwareVersionComesFromTheBuild) {
    Start();
    prompter.Expect(MsgAnswer::OK, std::string("Orvelle Vers. ") + ORVELLE_VERSION + "\r\n");
    Trigger("mnuHelpSoftwareVersion");
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Orvelle");
}

TEST_F(MenuCommands, OnlyCommandsWithTheirWindowsAreOffered) {
    frmMain& m = Start();
    for (const char* on : {"mnuOptNetworkShare", "mnuOptCreateShortcut", "mnuOptDateOpenNotes", "mnuOptDateOpenPlanner",
                           "mnuHelpContents", "mnuHelpSoftwareVersion", "mnuCalOneMonth", "mnuOptDateQuickMark",
                           "mnuOptDateSetAlert", "mnuManageAlerts", "mnuManageBDays", "mnuToolsAlarm",
                           "mnuFileOpenPlanner", "mnuFileOpenNotes", "mnuManageEmailList", "mnuFileOpenFUT",
                           "mnuDateDiffSMinutes", "mnuNumOfDays", "mnuFileOpenExpenses", "mnuFileOpenMiles"})
        EXPECT_TRUE(m.MenuEnabled(on)) << on;
    // Headings and the calendar intervals have no action.
    for (const char* off : {"mnuDateDiffSStandard", "mnuDateDiffSCalendarYears"})
        EXPECT_FALSE(m.MenuEnabled(off)) << off;

    // A submenu leading only to disabled commands is greyed when its menu opens.
    auto* file = m.findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    EXPECT_FALSE(m.findChild<QMenu*>("mnuFileSave")->menuAction()->isEnabled()); // the year view
    auto* dateFunctions = m.findChild<QMenu*>("mnuDateFunctions");
    emit dateFunctions->aboutToShow();
    EXPECT_TRUE(m.findChild<QMenu*>("mnuDateOther")->menuAction()->isEnabled());
    auto* manage = m.findChild<QMenu*>("mnuManage");
    emit manage->aboutToShow();
    EXPECT_TRUE(m.findChild<QMenu*>("mnuManageFUT")->menuAction()->isEnabled());
    auto* options = m.findChild<QMenu*>("mnuOpt");
    emit options->aboutToShow();
    EXPECT_TRUE(m.findChild<QMenu*>("mnuOptUser")->menuAction()->isEnabled());
}

// Every box whose text is saved (or searched for in the files) refuses what the files cannot
// hold, in the windows the menus open.
TEST_F(MenuCommands, SavedBoxesRefuseWhatTheFilesCannotHold) {
    Start();
    auto boxIn = [](const char* window, const char* box) -> QWidget* {
        for (QWidget* w : QApplication::allWidgets())
            if (w->objectName() == window && w->isVisible()) return w->findChild<QWidget*>(box);
        return nullptr;
    };
    auto menu = [this](const char* item) { return [this, item] { Trigger(item); }; };
    struct Case {
        std::function<void()> open;
        const char* window;
        std::vector<const char*> boxes;
        bool readsHolidays = false;
    };
    for (const Case& c : std::vector<Case>{{menu("mnuManageToDo"), "frmToDo", {"txt_0", "txt_9"}},
                                           {menu("mnuManageEmailList"), "frmEmailList", {"txt_0", "txt_1", "txt_2"}},
                                           {menu("mnuManageHolidays"), "frmHolidays", {"txtDesc"}, true},
                                           {menu("mnuManageBDays"), "frmBDay", {"txt_0"}},
                                           {menu("mnuManageAlerts"), "frmAlert", {"txtMessage"}},
                                           {menu("mnuEditFind"), "frmSearch", {"cmbPhrase"}},
                                           // the terms window's Add and Edit
                                           {[this] { frmAddFUT::ShowDialog(*s); }, "frmAddFUT", {"txtAddFUT"}},
                                           {[this] { frmEditFUT::ShowDialog(*s, "x"); }, "frmEditFUT", {"txtEditFUT"}}}) {
        // The new folder has no holidays for the managers to read.
        if (c.readsHolidays) prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
        c.open();
        Settle();
        for (const char* name : c.boxes) {
            QWidget* box = boxIn(c.window, name);
            ASSERT_NE(box, nullptr) << c.window << " " << name;
            if (auto* combo = qobject_cast<QComboBox*>(box)) box = combo->lineEdit();
            prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
            test::TypeText(box, "Aő");
            QString text = box->property(qobject_cast<QLineEdit*>(box) ? "text" : "plainText").toString();
            EXPECT_TRUE(text.endsWith("A")) << c.window << " " << name << ": " << text.toStdString();
        }
    }
}

} // namespace
} // namespace orvelle
