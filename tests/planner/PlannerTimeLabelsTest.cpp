// The time labels in the real planner window: bold on click, the Edit menu's Change Time and
// Delete Time, the time editor with its refusal message, and the continuance lines they make.
#include "PlannerWindowFixture.h"
#include "common/Patience.h"
#include "planner/PlannerLineBox.h"
#include "planner/PlannerTimeLabels.h"
#include "platform/Twips.h"

#include <QMenu>
#include <QTest>

namespace orvelle {
namespace {

const Date kMar5 = DateSerial(2009, 3, 5);

class TimeLabelsTest : public PlannerWindowTest {
protected:
    void OpenActive() {
        Open(kMar5);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
        times = w->TimeLabels();
    }
    QLabel* Time(int i) const { return Label(QString("lblTime_%1").arg(i)); }
    // Whatever the page has at time label i's place, where the user presses it.
    QWidget* AtTimePlace(int i) const {
        const TwipPoint& at = w->Page()->Layout().timeLabels[i];
        return w->Page()->childAt(TwipsToPixelsX(at.left) + 4, TwipsToPixelsY(at.top) + 4);
    }
    QString Tag(int i) const { return Box(i)->property("Tag").toString(); }
    // Types into the open editor and presses Enter.
    void Enter(const QString& typed) {
        QLineEdit* editor = times->txtTime();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    PlannerTimeLabels* times = nullptr;
};

TEST_F(TimeLabelsTest, ClickTogglesBoldAndCountsAsAnEdit) {
    OpenActive();
    QTest::mouseClick(Time(2), Qt::LeftButton);
    EXPECT_TRUE(Time(2)->font().bold());
    EXPECT_TRUE(s->page.gTimeBold[2]);
    EXPECT_EQ(times->TimeLabelIndex(), 2);
    EXPECT_TRUE(s->flags.gPlannerChanged);
    QTest::mouseClick(Time(2), Qt::LeftButton);
    EXPECT_FALSE(Time(2)->font().bold());
    EXPECT_FALSE(s->page.gTimeBold[2]);
    EXPECT_EQ(Time(2)->toolTip(), "Right Click to change... Click to make Bold.");
}

TEST_F(TimeLabelsTest, DeleteTimeTwiceRestoresTheTime) {
    OpenActive();
    QAction* again = Item("mnuEditSearchAgain");
    again->setEnabled(true);
    QTest::mouseClick(Time(5), Qt::RightButton);
    auto* edit = w->findChild<QMenu*>("mnuEdit");
    ASSERT_TRUE(edit->isVisible());
    edit->hide();
    QApplication::processEvents();
    EXPECT_FALSE(again->isEnabled());  // a right click on a time turns Search Again off
    EXPECT_EQ(times->TimeLabelIndex(), 5);

    Item("mnuEditDelete")->trigger();
    EXPECT_EQ(Time(5)->text(), "");
    EXPECT_EQ(s->page.gTimeCaptions[5], "");
    EXPECT_EQ(Tag(4), "150.Push");
    EXPECT_EQ(w->Model().LineType(4), "Push");

    Item("mnuEditDelete")->trigger();
    EXPECT_EQ(Time(5)->text(), "11:00 AM");
    EXPECT_EQ(Tag(4), "150.Stop");
    EXPECT_EQ(w->Model().LineType(4), "Stop");
    EXPECT_TRUE(s->flags.gPlannerChanged);
}

// The menu bar's time commands act on the line the user is at, reached by keys or the mouse
// after a label was pressed, not on that earlier label.
TEST_F(TimeLabelsTest, TimeCommandsFollowTheLineMovedTo) {
    OpenActive();
    QTest::mouseClick(Time(2), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    QTest::mouseClick(Box(5), Qt::LeftButton);
    EXPECT_EQ(times->TimeLabelIndex(), 5);
    QTest::keyClick(Box(5), Qt::Key_Down);
    QTest::keyClick(Box(6), Qt::Key_Down);
    ASSERT_TRUE(Box(7)->hasFocus());
    Item("mnuEditDelete")->trigger();
    EXPECT_EQ(Time(7)->text(), "");
    EXPECT_EQ(Time(2)->text(), "08:00 AM");
    EXPECT_EQ(Tag(6), "150.Push");

    QTest::keyClick(Box(7), Qt::Key_Up);
    Item("mnuEditTime")->trigger();
    EXPECT_EQ(times->txtTime()->text(), "12:00 PM");
    Enter("12:45");
    EXPECT_EQ(Time(6)->text(), "12:45 PM");
    EXPECT_EQ(Time(2)->text(), "08:00 AM");
}

TEST_F(TimeLabelsTest, DeleteTimeBeforeAnyLabelWasPressedActsOnTheFirst) {
    PlannerPage page;
    page.gTimeCaptions[9].clear();  // blank when the day was loaded
    WriteYear(2009, {{kMar5, page}});
    OpenActive();
    Item("mnuEditDelete")->trigger();
    EXPECT_EQ(Time(0)->text(), "");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Tag(i), i == 8 ? "150.Push" : "150.Stop") << i;
    EXPECT_TRUE(s->flags.gPlannerChanged);
    s->flags.gPlannerChanged = false;

    // A label blank since loading has no time kept: Delete Time leaves it blank.
    ASSERT_EQ(AtTimePlace(9), Time(9));  // a blank time still takes the press at its place
    QTest::mouseClick(AtTimePlace(9), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    Item("mnuEditDelete")->trigger();
    EXPECT_EQ(Time(9)->text(), "");
    EXPECT_EQ(Tag(8), "150.Push");
    EXPECT_FALSE(s->flags.gPlannerChanged);  // nothing changed

    // Pressed again later at its place, it takes a new time.
    QTest::mouseClick(AtTimePlace(3), Qt::LeftButton);
    EXPECT_EQ(times->TimeLabelIndex(), 3);
    QTest::mouseClick(AtTimePlace(9), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    EXPECT_EQ(times->TimeLabelIndex(), 9);
    Item("mnuEditTime")->trigger();
    Enter("3:15p");
    EXPECT_EQ(Time(9)->text(), "03:15 PM");
    EXPECT_EQ(Tag(8), "150.Stop");
}

TEST_F(TimeLabelsTest, ChangeTimeRefusesTwentyFiveOClockAndKeepsTheEditorOpen) {
    OpenActive();
    Box(3)->setFocus();
    QTest::keyClicks(Box(3), "Dentist");
    Box(3)->setCursorPosition(4);
    s->flags.gPlannerChanged = false;

    QTest::mouseClick(Time(6), Qt::LeftButton);
    QTest::mouseClick(Time(6), Qt::LeftButton);
    Item("mnuEditTime")->trigger();
    QLineEdit* editor = times->txtTime();
    ASSERT_TRUE(editor->isVisible());
    ASSERT_TRUE(times->cmdOK()->isVisible());
    EXPECT_EQ(editor->text(), "12:00 PM");
    EXPECT_EQ(editor->selectedText(), "12:00 PM");
    EXPECT_TRUE(editor->hasFocus());
    // Over its label, the button 90 twips to its left.
    EXPECT_EQ(editor->pos(), QPoint(TwipsToPixelsX(780), TwipsToPixelsY(1620 + 6 * 360 - 60)));
    EXPECT_EQ(times->cmdOK()->x(), TwipsToPixelsX(315));

    prompter.Expect(MsgAnswer::OK, "Please enter a valid time using this sample format: \"8:45 PM\" or\r\n"
                                   "delete the contents of the box entirely");
    Enter("25:00");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->selectedText(), "25:00");
    EXPECT_EQ(Time(6)->text(), "12:00 PM");

    Enter("12:30");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(times->cmdOK()->isVisible());
    EXPECT_EQ(Time(6)->text(), "12:30 PM");
    EXPECT_EQ(s->page.gTimeCaptions[6], "12:30 PM");
    // The focus goes back where it was, caret and all.
    EXPECT_TRUE(Box(3)->hasFocus());
    EXPECT_EQ(Box(3)->cursorPosition(), 4);
    EXPECT_TRUE(s->flags.gPlannerChanged);

    // Esc backs out of the editor: the time stays as it was and the planner stays open.
    Item("mnuEditTime")->trigger();
    QTest::keyClicks(editor, "9");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(times->cmdOK()->isVisible());
    EXPECT_EQ(Time(6)->text(), "12:30 PM");
    EXPECT_TRUE(Box(3)->hasFocus());
    EXPECT_TRUE(s->flags.gPlannerOpen);
}

TEST_F(TimeLabelsTest, EditorTakesOnlyTimeCharactersAndAnEmptyTimeMakesAContinuance) {
    OpenActive();
    QTest::mouseClick(Time(10), Qt::LeftButton);
    Item("mnuEditTime")->trigger();
    QLineEdit* editor = times->txtTime();
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, "8 :4x5-PM");
    EXPECT_EQ(editor->text(), "8:45PM");
    QTest::mouseClick(times->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(Time(10)->text(), "08:45 PM");
    EXPECT_TRUE(Time(10)->font().bold());  // the click made it bold; the new time keeps that

    Item("mnuEditTime")->trigger();
    Enter("");
    EXPECT_EQ(Time(10)->text(), "");
    EXPECT_EQ(Tag(9), "150.Push");
    Item("mnuEditTime")->trigger();
    Enter("7p");
    EXPECT_EQ(Time(10)->text(), "07:00 PM");
    EXPECT_EQ(Tag(9), "150.Stop");
    EXPECT_TRUE(s->flags.gPlannerChanged);
}

TEST_F(TimeLabelsTest, EditorLeftOpenClosesWhenAnotherDayIsShown) {
    OpenActive();
    Item("mnuEditTime")->trigger();
    ASSERT_TRUE(times->txtTime()->isVisible());
    w->cmdDay_Click(1);
    EXPECT_FALSE(times->txtTime()->isVisible());
    EXPECT_EQ(Time(0)->text(), "06:00 AM");
}

// A changed time is kept like a typed line: leaving the page asks first, and Yes stores it.
TEST_F(TimeLabelsTest, TimesAndBoldAreSavedWithTheDayAndAskedAboutBeforeLeaving) {
    OpenActive();
    QTest::mouseClick(Time(1), Qt::LeftButton);
    QTest::mouseClick(Time(2), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    Item("mnuEditDelete")->trigger();
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    std::string file = ReadYear(2009);
    ASSERT_GE(file.size(), 16u + 3 * 160);
    EXPECT_EQ(file.substr(16 + 160, 10), "B07:00 AM ");
    EXPECT_EQ(file.substr(16 + 320, 10), "          ");
    EXPECT_FALSE(s->flags.gPlannerChanged);

    QTest::mouseClick(Time(4), Qt::LeftButton);
    Item("mnuEditTime")->trigger();
    Enter("10:20");
    prompter.Expect(MsgAnswer::Cancel, "The Planner has been changed. Do you want to save those changes?");
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_EQ(Time(4)->text(), "10:20 AM");

    prompter.Expect(MsgAnswer::Yes, "Planner has been changed. Do you want to save the changes?")
        .Expect(MsgAnswer::OK, "Planner Records Updated");
    EXPECT_TRUE(w->close());
    EXPECT_EQ(ReadYear(2009).substr(16 + 4 * 160, 10), "B10:20 AM ");
}

// A time typed into the editor and not yet confirmed is part of the page: leaving asks, and
// saving takes it (or refuses with the editor's own message when it is no time).
TEST_F(TimeLabelsTest, TimeLeftInTheOpenEditorIsAskedAboutAndSaved) {
    PlannerPage page;
    page.gTimeCaptions[7] = "Lunch";  // a time an older file stored as text
    WriteYear(2009, {{kMar5, page}});
    OpenActive();
    // An editor opened and left as it was holds nothing to keep: a save neither takes nor
    // refuses it.
    QTest::mouseClick(Time(7), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    Item("mnuEditTime")->trigger();
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    EXPECT_EQ(Time(7)->text(), "Lunch");
    const std::string saved = ReadYear(2009);
    EXPECT_EQ(saved.substr(16 + 7 * 160, 10), "Lunch     ");
    QTest::keyClick(times->txtTime(), Qt::Key_Escape);

    QTest::mouseClick(Time(4), Qt::RightButton);
    w->findChild<QMenu*>("mnuEdit")->hide();
    Item("mnuEditTime")->trigger();
    QLineEdit* editor = times->txtTime();
    editor->selectAll();
    QTest::keyClicks(editor, "25:00");
    EXPECT_TRUE(s->flags.gPlannerChanged);

    prompter.Expect(MsgAnswer::Yes, "The Planner has been changed. Do you want to save those changes?")
        .Expect(MsgAnswer::OK, "Please enter a valid time");
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, kMar5);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(ReadYear(2009), saved);

    editor->selectAll();
    QTest::keyClicks(editor, "10:20");
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Time(4)->text(), "10:20 AM");
    EXPECT_EQ(ReadYear(2009).substr(16 + 4 * 160, 10), "10:20 AM  ");
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

} // namespace
} // namespace orvelle
