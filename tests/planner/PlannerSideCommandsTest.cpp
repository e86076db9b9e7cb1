// The planner's clipboard copy and its side commands, driven through the real window.
#include "PlannerWindowFixture.h"

#include "planner/PlannerClipboard.h"
#include "planner/PlannerSideCommands.h"
#include "store/Preferences.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollArea>
#include <QTest>

namespace orvelle {
namespace {

const Date kMar5 = DateSerial(2009, 3, 5);

QStringList ClipboardLines() { return QGuiApplication::clipboard()->text().split("\r\n"); }

TEST_F(PlannerWindowTest, CopyPlannerPutsTheSeventyTwoLinesOnTheClipboard) {
    Open(kMar5);
    Item("mnuFileCopyPlanner")->trigger();
    QString empty = QGuiApplication::clipboard()->text();
    QStringList l = empty.split("\r\n");
    ASSERT_EQ(l.size(), 72);
    EXPECT_EQ(l[0], "Appointments - Events - Meetings - Tasks");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "06:00 AM\t");
    EXPECT_EQ(l[17], "09:00 PM\t");
    EXPECT_EQ(l[19], "To Do List");
    EXPECT_EQ(l[21], "1\t");
    EXPECT_EQ(l[30], "10\t");
    EXPECT_EQ(l[32], "Expenses");
    EXPECT_EQ(l[34], "Desc:\t");
    EXPECT_EQ(l[35], "Amt:\t");
    EXPECT_EQ(l[51], "");
    EXPECT_EQ(l[52], "Total:\t");
    EXPECT_EQ(l[54], "Mileage");
    EXPECT_EQ(l[56], "Dest:\t");
    EXPECT_EQ(l[57], "Miles:\t");
    EXPECT_TRUE(empty.endsWith("\r\n\r\nTotal:\t"));
    EXPECT_EQ(empty.count('\n'), 71);

    Box(0)->setText("Dentist");
    w->Page()->SetTimeLabel(1, "", false); // a continuance line
    Box(1)->setText("bring papers");
    Box(18)->setText("Call Bob");
    imgChkBox_Click(*w, *s, 2);
    Box(27)->setText("Lunch");
    Box(33)->setText("12.50");
    Box(40)->setText("Office");
    Box(55)->setText("30");
    Box(59)->setText("30");
    Item("mnuFileCopyPlanner")->trigger();
    l = ClipboardLines();
    ASSERT_EQ(l.size(), 72);
    EXPECT_EQ(l[2], "06:00 AM\tDentist");
    EXPECT_EQ(l[3], "\tbring papers");
    EXPECT_EQ(l[23], "3 (x)\tCall Bob");
    EXPECT_EQ(l[37], "Desc:\tLunch");
    EXPECT_EQ(l[38], "Amt:\t12.50");
    EXPECT_EQ(l[52], "Total:\t" + Box(38)->text());
    EXPECT_EQ(l[59], "Dest:\tOffice");
    EXPECT_EQ(l[60], "Miles:\t30");
    EXPECT_EQ(l[71], "Total:\t30");
}

TEST_F(PlannerWindowTest, DoneMarksToggleByClickCountAsAnEditAndAreSaved) {
    Open(kMar5);
    QLabel* mark = Label("imgChkBox_4");
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_TRUE(w->Model().IsDone(4));
    EXPECT_EQ(mark->property("Tag").toString(), "True");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    // Leaving the day asks first; Cancel keeps the mark.
    prompter.Expect(MsgAnswer::Cancel, "The Planner has been changed");
    w->cmdDay_Click(1);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_TRUE(w->Model().IsDone(4));

    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    w->mnuFileSave_Click();
    EXPECT_FALSE(s->flags.gPlannerChanged);
    w->cmdDay_Click(1);
    w->cmdDay_Click(0);
    EXPECT_TRUE(w->Model().IsDone(4));
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_FALSE(w->Model().IsDone(4));
    EXPECT_EQ(mark->property("Tag").toString(), "False");
    prompter.Expect(MsgAnswer::Yes, "Planner has been changed").Expect(MsgAnswer::OK, "Planner Records Updated");
    EXPECT_TRUE(w->close());
    Settle();
    Open(kMar5);
    EXPECT_FALSE(w->Model().IsDone(4));
}

TEST_F(PlannerWindowTest, ShareDriveCursorLabelsAndSearchAgain) {
    Open(kMar5);
    QAction* share = Item("mnuOptNetworkShare");
    ASSERT_TRUE(share->isEnabled());
    prompter.ExpectInput("de");
    share->trigger();
    EXPECT_EQ(s->prefs.gShareDrive, "d");
    EXPECT_EQ(s->prefs.gShareRoot, ShareRootForDrive('d'));
    prompter.ExpectInput("4").Expect(MsgAnswer::OK, "Could not determine drive letter.");
    share->trigger();
    prompter.ExpectInput("");
    share->trigger();
    EXPECT_EQ(s->prefs.gShareDrive, "d");

    QAction* curs = Item("mnuOptShowCursPos");
    curs->trigger();
    EXPECT_EQ(curs->text(), "Hide Cursor Position");
    EXPECT_FALSE(Label("lblCursPos_0")->isHidden());
    EXPECT_FALSE(Label("lblCursPos_1")->isHidden());
    curs->trigger();
    EXPECT_EQ(curs->text(), "Show Cursor Position");
    EXPECT_TRUE(Label("lblCursPos_1")->isHidden());

    // Without an opened search hit the command does nothing.
    mnuEditSearchAgain_Click(*w, *s);
    Box(3)->setText("pay rent, Rent due");
    Box(20)->setText("renter call");
    s->search.gSearchActive = true;
    s->search.gSearchText = "rent";
    s->search.gSearchLine = 3;
    s->search.gSearchPos = 8;
    mnuEditSearchAgain_Click(*w, *s);
    EXPECT_EQ(Box(3)->selectionStart(), 10);
    EXPECT_EQ(s->search.gSearchPos, 14);
    mnuEditSearchAgain_Click(*w, *s);
    EXPECT_EQ(s->search.gSearchLine, 20);
    EXPECT_EQ(Box(20)->selectionStart(), 0);
    EXPECT_EQ(Box(20)->selectedText(), "rent");
    prompter.Expect(MsgAnswer::OK, "No more occurences.");
    mnuEditSearchAgain_Click(*w, *s);
    EXPECT_EQ(s->search.gSearchLine, 59);
    EXPECT_EQ(s->search.gSearchPos, 0);
    prompter.Expect(MsgAnswer::OK, "No more occurences.");
    mnuEditSearchAgain_Click(*w, *s);
    EXPECT_EQ(s->search.gSearchLine, 59);
}

TEST_F(PlannerWindowTest, SearchAgainScrollsTheHitIntoView) {
    Open(kMar5);
    w->resize(w->width(), 300);
    Settle();
    auto* area = w->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    // The line that stands lowest on the page.
    int low = 0;
    for (int i = 1; i < 60; ++i)
        if (Box(i)->mapTo(area->widget(), QPoint()).y() > Box(low)->mapTo(area->widget(), QPoint()).y()) low = i;
    auto inView = [&](int i) {
        return area->viewport()->rect().contains(QRect(Box(i)->mapTo(area->viewport(), QPoint()), Box(i)->size()));
    };
    Box(0)->setText("rent due");
    Box(low)->setText("more Rent");
    ASSERT_TRUE(inView(0));
    ASSERT_FALSE(inView(low));
    s->search.gSearchActive = true;
    s->search.gSearchText = "rent";
    s->search.gSearchLine = 0;
    s->search.gSearchPos = 4; // behind the hit the opening selected
    mnuEditSearchAgain_Click(*w, *s);
    EXPECT_EQ(s->search.gSearchLine, low);
    EXPECT_EQ(Box(low)->selectedText(), "Rent");
    EXPECT_TRUE(inView(low));
}

TEST_F(PlannerWindowTest, ImportAsksOnlyOverTextAndClearEmptiesTheToDoLines) {
    ASSERT_TRUE(WriteFileAtomic(dir + "To Do.dat", "\xF3" "Buy milk\r\n\xF5" "Post letter\r\n"));
    Open(kMar5);
    Item("mnuToDoImport")->trigger(); // nothing to overwrite: no question
    EXPECT_EQ(Box(16)->text(), "Buy milk");
    EXPECT_EQ(Box(17)->text(), "Post letter");
    EXPECT_TRUE(w->Model().IsDone(0));
    EXPECT_TRUE(s->flags.gPlannerChanged);

    Box(16)->setText("Mine");
    prompter.Expect(MsgAnswer::No, "This action may overwrite certain existing To Do Items. Continue?");
    Item("mnuToDoImport")->trigger();
    EXPECT_EQ(Box(16)->text(), "Mine");
    // The third default item is blank: the page's own third line stays, done mark and all.
    Box(18)->setText("Own item");
    imgChkBox_Click(*w, *s, 2);
    ASSERT_TRUE(w->Model().IsDone(2));
    prompter.Expect(MsgAnswer::Yes, "may overwrite");
    Item("mnuToDoImport")->trigger();
    EXPECT_EQ(Box(16)->text(), "Buy milk");
    EXPECT_EQ(Box(18)->text(), "Own item");
    EXPECT_TRUE(w->Model().IsDone(2));
    EXPECT_EQ(Label("imgChkBox_2")->property("Tag").toString(), "True");
    EXPECT_FALSE(w->Model().IsDone(1));

    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    w->mnuFileSave_Click();
    Item("mnuToDoClear")->trigger();
    for (int i = 16; i <= 25; ++i) EXPECT_TRUE(Box(i)->text().isEmpty()) << i;
    for (int k = 0; k < 10; ++k) EXPECT_FALSE(w->Model().IsDone(k)) << k;
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_EQ(w->Model().BoxText(16), "");
}

} // namespace
} // namespace orvelle
