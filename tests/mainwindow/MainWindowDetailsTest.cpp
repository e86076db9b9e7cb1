// Menu states and button pictures the main window shows around the planner, the template save
// and the date functions menu.
#include "common/MainWindowFixture.h"
#include "notes/frmNotes.h"
#include "store/PlannerRecord.h"

#include "views/frmYear.h"

#include <QMenu>
#include <QPushButton>

#include <filesystem>

namespace orvelle {
namespace {

using MainWindowDetails = MainWindowTest;

TEST_F(MainWindowDetails, OpeningThePlannerDisablesTheViewCommandsAndShowsWhatExists) {
    // 12 March 2009 has a note and a page; 13 March has neither.
    std::filesystem::create_directories(dir + "2009");
    PlannerPage page;
    page.SetLine(0, "Review");
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Planner.dat", "03/12/09:" + CellStampOf(DateSerial(2009, 3, 12)) + ":" +
                                                              BuildPlannerRecord(page) + "\r\n"));
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat",
                                "03/12/09:" + CellStampOf(DateSerial(2009, 3, 12)) + ":a note\r\n"));
    frmMain& m = StartWithPlanner();
    m.SwitchView(0); // the one-month view enables its own commands
    Settle();
    ASSERT_TRUE(m.MenuEnabled("mnuOptCal"));

    SetPicker("March", "12", "2009");
    m.Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    for (const char* item : {"mnuFileSaveTemplate", "mnuFileSaveCalendar", "mnuFilePrintCalendar",
                             "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon", "mnuOptDateShowIcons", "mnuOptCal",
                             "mnuOptDateRemoveAll"})
        EXPECT_FALSE(m.MenuEnabled(item)) << item;
    EXPECT_EQ(m.imgOpt[1]->Look(), ButtonLook::Exists);
    EXPECT_EQ(m.imgOpt[2]->Look(), ButtonLook::Exists);

    SetPicker("March", "13", "2009");
    m.imgOpt_Click(2);
    Settle();
    EXPECT_EQ(m.imgOpt[1]->Look(), ButtonLook::NoFocus);
    EXPECT_EQ(m.imgOpt[2]->Look(), ButtonLook::NoFocus);
}

// "Advance Calendar to Selected Date" with the planner in place of the view: the picked date
// without a page opens blank, never with the page shown before.
TEST_F(MainWindowDetails, AdvancingThePlannerToADateWithoutAPageShowsABlankPage) {
    std::filesystem::create_directories(dir + "2009");
    PlannerPage page;
    page.SetLine(0, "Review");
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Planner.dat", "03/12/09:" + CellStampOf(DateSerial(2009, 3, 12)) + ":" +
                                                              BuildPlannerRecord(page) + "\r\n"));
    frmMain& m = StartWithPlanner();
    SetPicker("March", "12", "2009");
    m.imgOpt_Click(2);
    Settle();
    auto firstLine = [&] {
        QLineEdit* box = m.findChild<QLineEdit*>("txt_0");
        return box ? box->text() : QString("<no planner>");
    };
    ASSERT_EQ(firstLine(), "Review");
    SetPicker("March", "13", "2009");
    m.imgOpt_Click(0);
    Settle();
    EXPECT_EQ(firstLine(), "");
    EXPECT_EQ(s->planner.gPlannerPageDate, DateSerial(2009, 3, 13));
}

TEST_F(MainWindowDetails, ATemplateSavedThroughTheQuestionEndsInTodaysYear) {
    frmMain& m = Start();
    m.SwitchView(0);
    Settle();
    ASSERT_NE(m.monthView(), nullptr);
    s->flags.gTemplateMode = true;
    s->flags.gMonthIconsChanged = true;
    s->icons.gTemplateIconLines[0] = "01:03:0.04:1.45";
    SetPicker("June", "9", "2010");

    prompter.Expect(MsgAnswer::Yes, "Monthly Icons have been changed.").Expect(MsgAnswer::OK, "Template Saved.");
    m.Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    EXPECT_EQ(m.monthView(), nullptr);
    ASSERT_NE(m.yearView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(m.yearView()->cmdMonth[0]->text(), "January, 2009");
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(ReadWholeFile(dir + "Template.dat").value_or(""), "01:03:0.04:1.45\r\n");
    // The command then goes on with the picked date.
    EXPECT_NE(frmNotes::Find(m.mdiArea()), nullptr);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 6, 9));
}

TEST_F(MainWindowDetails, TheIntervalSubmenuHasItsTwoGreyedHeadings) {
    frmMain& m = Start();
    QMenu* diff = m.findChild<QMenu*>("mnuDateDiffS");
    ASSERT_NE(diff, nullptr);
    QStringList captions;
    for (QAction* a : diff->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Using Standard Intervals", "In Years", "In Quarters", "In Months", "In Weeks",
                                     "In Days", "In Hours", "In Minutes", "In Seconds", "Using Calendar Intervals"}));
    EXPECT_FALSE(m.MenuEnabled("mnuDateDiffSStandard"));
    EXPECT_FALSE(diff->actions().back()->isEnabled());
    QMenu* calendar = diff->actions().back()->menu();
    ASSERT_NE(calendar, nullptr);
    QStringList units;
    for (QAction* a : calendar->actions()) {
        units << a->text();
        EXPECT_FALSE(a->isEnabled());
    }
    EXPECT_EQ(units, (QStringList{"In Calendar Years", "In Calendar Months", "In Calendar Weeks"}));
    // The eight units open the calculator.
    EXPECT_TRUE(m.MenuEnabled("mnuDateDiffSDays"));
}

} // namespace
} // namespace orvelle
