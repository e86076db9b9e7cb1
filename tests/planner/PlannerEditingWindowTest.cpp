// The line boxes' editing rules in the real planner window: focus colours, the number boxes'
// filter, formats and totals, the leave-box checks, Enter/Tab/Up/Down, scrolling to the next
// box, the auto-complete accept keys and the wrap of continuance lines.
#include "FakeTextMeasurer.h"
#include "PlannerWindowFixture.h"
#include "common/Patience.h"
#include "common/TypedText.h"
#include "planner/PlannerLineChecks.h"
#include "planner/PlannerLineEditing.h"
#include "planner/PlannerTimeLabels.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace orvelle {
namespace {

const Date kMar5 = DateSerial(2009, 3, 5);

class PlannerEditingTest : public PlannerWindowTest {
protected:
    // An active window, so the focus moves and the boxes hear of it.
    void OpenActive() {
        Open(kMar5);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    }
    void Focus(int i) {
        Box(i)->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), Box(i));
    }
    int Focused() const {
        for (int i = 0; i < 60; ++i)
            if (QApplication::focusWidget() == Box(i)) return i;
        return -1;
    }
    long BackColor(int i) const { return static_cast<long>(Box(i)->property("BackColor").toLongLong()); }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, m);
    }
};

TEST_F(PlannerEditingTest, FocusedBoxIsCyanAndTheCaretIsShown) {
    OpenActive();
    Focus(3);
    EXPECT_EQ(BackColor(3), kFocusBackColor);
    EXPECT_EQ(s->editing.gCurrentPlannerLine, 3);
    QTest::keyClicks(Box(3), "Dentist");
    Key(Qt::Key_Left);  // once the key is released the labels show where the caret went
    EXPECT_EQ(w->Page()->lblCursPos(0)->text(), "Cursor Position =    6");
    EXPECT_EQ(w->Page()->lblCursPos(1)->text(), w->Page()->lblCursPos(0)->text());
    // The box is drawn cyan, not just labelled so.
    QImage shot = Box(3)->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 4, shot.height() / 2)), QColor(0, 255, 255));

    Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), 4);
    EXPECT_EQ(BackColor(3), kPlainBackColor);
    EXPECT_EQ(BackColor(4), kFocusBackColor);
    EXPECT_EQ(s->editing.gLostFocusLine, 3);
}

TEST_F(PlannerEditingTest, AmountFiveAndEnterGivesFiveDollarsAndTheTotalFollows) {
    OpenActive();
    Focus(33);
    QTest::keyClicks(Box(33), "5");
    Key(Qt::Key_Return);
    EXPECT_EQ(Box(33)->text(), "5.00");
    EXPECT_EQ(Focused(), 28);
    EXPECT_EQ(Box(38)->text(), "5.00");

    Focus(32);
    QTest::keyClicks(Box(32), "2.5");
    Key(Qt::Key_Tab);  // Tab walks like Enter and never leaves the page's order
    EXPECT_EQ(Focused(), 27);
    EXPECT_EQ(Box(32)->text(), "2.50");
    EXPECT_EQ(Box(38)->text(), "7.50");
    EXPECT_EQ(s->page.gPlannerLines[38].substr(0, 5), "7.50 ");

    // Leaving by the mouse formats and totals too.
    Focus(44);
    QTest::keyClicks(Box(44), "12000.4");
    Focus(49);
    EXPECT_EQ(Box(44)->text(), "12000");
    QTest::keyClicks(Box(49), "12045.6");
    Focus(0);
    EXPECT_EQ(Box(49)->text(), "12046");
    EXPECT_EQ(Box(54)->text(), "46");
    EXPECT_EQ(Box(59)->text(), "46");
}

TEST_F(PlannerEditingTest, NumberBoxesRefuseLettersAndPastes) {
    OpenActive();
    Focus(34);
    QTest::keyClicks(Box(34), "a1-,.2x");
    EXPECT_EQ(Box(34)->text(), "1.2");
    QTest::keyClicks(Box(34), ".");  // a second point is taken; the format leaves it alone
    EXPECT_EQ(Box(34)->text(), "1.2.");
    QApplication::clipboard()->setText("abc");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(34)->text(), "1.2.");
    Box(34)->selectAll();
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Box(34)->text(), "1.2.");
    Box(34)->paste();  // the context menu's Paste brings no letters in either
    EXPECT_EQ(Box(34)->text(), "1.2.");

    Focus(47);
    QTest::keyClicks(Box(47), "9 8a7");
    EXPECT_EQ(Box(47)->text(), "987");

    // The totals and every other box take what is typed.
    for (int i : {38, 54, 59, 26, 0}) {
        Focus(i);
        QTest::keyClicks(Box(i), "ab");
        EXPECT_EQ(Box(i)->text(), "ab") << i;
    }
}

TEST_F(PlannerEditingTest, LinesRefuseWhatThePlannerFileCannotHoldAndSayWhichOnce) {
    OpenActive();
    Focus(0);
    test::TypeText(Box(0), "ÒSCAR and ÕTTO");
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(Box(0), "ő");
    prompter.Expect(MsgAnswer::OK, "\"日\" and \"本\" cannot be kept");
    test::PasteText(Box(0), " 日本");
    EXPECT_EQ(Box(0)->text(), "ÒSCAR and ÕTTO");
    EXPECT_EQ(s->page.gPlannerLines[0].substr(0, 14), "\xD2SCAR and \xD5TTO");
}

TEST_F(PlannerEditingTest, TooLongToDoLineTurnsRedNamingItsMaximum) {
    OpenActive();
    Focus(16);
    QTest::keyClicks(Box(16), QString(61, 'i'));  // narrow enough to fit the box
    Focus(17);
    EXPECT_EQ(BackColor(16), kFailedBackColor);
    EXPECT_TRUE(w->Editing()->LineTooLong(16));
    EXPECT_TRUE(Box(16)->toolTip().contains("(more than 60). ")) << Box(16)->toolTip().toStdString();
    EXPECT_EQ(Box(16)->toolTip().toStdString(), TooLongMessage(60));

    // Entered again it is cyan; shortened and left it is white without a tooltip.
    Focus(16);
    EXPECT_EQ(BackColor(16), kFocusBackColor);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Down);
    EXPECT_EQ(BackColor(16), kPlainBackColor);
    EXPECT_EQ(Box(16)->toolTip(), "");
    EXPECT_FALSE(w->Editing()->LineTooLong(16));
}

TEST_F(PlannerEditingTest, TooWideAppointmentTurnsRedWithTheWidthMessage) {
    OpenActive();
    Focus(0);
    QTest::keyClicks(Box(0), QString(120, 'W'));  // wider than the box, yet within 150
    Focus(1);
    EXPECT_EQ(BackColor(0), kFailedBackColor);
    EXPECT_TRUE(w->Editing()->LineTooWide(0));
    EXPECT_FALSE(w->Editing()->LineTooLong(0));
    EXPECT_EQ(Box(0)->toolTip().toStdString(), TooWideMessage());
}

TEST_F(PlannerEditingTest, NavigationKeysFollowTheTablesAndStopWhereTheyShould) {
    OpenActive();
    struct Move {
        int from;
        Qt::Key key;
        int to;
    } moves[] = {{25, Qt::Key_Return, 26}, {25, Qt::Key_Down, 26}, {26, Qt::Key_Up, 25},
                 {36, Qt::Key_Down, 27},   {27, Qt::Key_Up, 36},   {54, Qt::Key_Up, 53},
                 {53, Qt::Key_Return, 53}, {53, Qt::Key_Down, 53}, {56, Qt::Key_Tab, 56},
                 {38, Qt::Key_Up, 38},     {0, Qt::Key_Up, 0},     {59, Qt::Key_Down, 59}};
    for (const Move& m : moves) {
        Focus(m.from);
        Key(m.key);
        EXPECT_EQ(Focused(), m.to) << m.from << " key " << m.key;
    }
    // Shift does not change where Enter goes, and no key types a character.
    Focus(5);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), 6);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), 7);
    EXPECT_EQ(Box(5)->text(), "");
    EXPECT_EQ(Box(6)->text(), "");
}

TEST_F(PlannerEditingTest, EnterIntoABoxOutOfSightScrollsThePageDown) {
    OpenActive();
    QScrollBar* bar = w->findChild<QScrollArea*>("scrPage")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    ASSERT_EQ(bar->value(), 0);
    Focus(37);
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), 39);
    EXPECT_GT(bar->value(), 0);
    QWidget* viewport = w->findChild<QScrollArea*>("scrPage")->viewport();
    QRect shown(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    EXPECT_TRUE(shown.contains(QRect(Box(39)->mapToGlobal(QPoint(0, 0)), Box(39)->size())));

    // Up from the top of the mileage table walks back and the page follows.
    for (int i = 0; i < 40; ++i) Key(Qt::Key_Up);
    EXPECT_EQ(Focused(), 0);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(PlannerEditingTest, EnterTakesAShownSuggestionAndStaysInTheBox) {
    OpenActive();
    s->prefs.gAutoCompleteOn = true;
    Focus(2);
    QTest::keyClicks(Box(2), "Meet Robert");
    // As the auto-complete leaves it: "ert" inserted and selected behind the caret.
    Box(2)->setSelection(11, -3);
    s->editing.gCompletionShown = true;
    s->editing.gCompletionTerm = "Robert";
    s->editing.gCompletionCaret = 11;
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), 2);
    EXPECT_FALSE(s->editing.gCompletionShown);
    EXPECT_EQ(s->editing.gCompletionTerm, "");
    EXPECT_EQ(Box(2)->text(), "Meet Robert");
    EXPECT_FALSE(Box(2)->hasSelectedText());
    EXPECT_EQ(Box(2)->cursorPosition(), 11);

    // Once the selection is gone the suggestion is gone, and Enter moves on again.
    s->editing.gCompletionShown = true;
    Key(Qt::Key_Return);
    EXPECT_FALSE(s->editing.gCompletionShown);
    EXPECT_EQ(Focused(), 2);
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), 3);
}

class PlannerWrapTest : public PlannerEditingTest {
protected:
    // Characters 1000 twips wide: an appointment box (9495) overflows at 10 characters and a
    // kept line holds at most 9.
    void OpenWithWideLetters() {
        OpenActive();
        w->Editing()->UseTextMeasurer(std::make_unique<FakeTextMeasurer>(1000));
    }
    // Blanks the time of `label` so the line above continues into it.
    void MakeContinuance(int label) {
        QTest::mouseClick(Label(QString("lblTime_%1").arg(label)), Qt::LeftButton);
        QTest::mouseClick(Label(QString("lblTime_%1").arg(label)), Qt::LeftButton);  // bold and back
        Item("mnuEditDelete")->trigger();
        ASSERT_EQ(Box(label - 1)->property("Tag").toString(), "150.Push");
    }
};

TEST_F(PlannerWrapTest, BlankAtTheEndMovesTheLastWordAndTheCaretBehindIt) {
    OpenWithWideLetters();
    MakeContinuance(4);
    Box(4)->setText("lunch");
    Focus(3);
    QTest::keyClicks(Box(3), "aaaa bbbb");
    EXPECT_EQ(Box(4)->text(), "lunch");  // letters past the edge wrap nothing
    QTest::keyClicks(Box(3), " ");
    EXPECT_EQ(Box(3)->text(), "aaaa ");
    EXPECT_EQ(Box(4)->text(), "bbbb lunch");  // in front of the line's own text
    EXPECT_EQ(Focused(), 4);
    EXPECT_EQ(Box(4)->cursorPosition(), 5);
    EXPECT_EQ(s->page.gPlannerLines[3].substr(0, 6), "aaaa  ");
    EXPECT_EQ(s->page.gPlannerLines[4].substr(0, 11), "bbbb lunch ");
    EXPECT_TRUE(s->flags.gPlannerChanged);

    // Typing goes on behind the moved word.
    QTest::keyClicks(Box(4), "x");
    EXPECT_EQ(Box(4)->text(), "bbbb xlunch");
}

// Every prefix ending at a blank fits: the last two words move, the caret with its blank.
TEST_F(PlannerWrapTest, BlankTypedInsideMovesTheLastTwoWordsWhenEveryBlankFits) {
    OpenWithWideLetters();
    MakeContinuance(8);
    Focus(7);
    QTest::keyClicks(Box(7), "ab cdefghij");
    Box(7)->setCursorPosition(5);
    QTest::keyClicks(Box(7), " ");  // "ab cd efghij"
    EXPECT_EQ(Box(7)->text(), "ab ");
    EXPECT_EQ(Box(8)->text(), "cd efghij");
    EXPECT_EQ(Focused(), 8);
    EXPECT_EQ(Box(8)->cursorPosition(), 3);
}

// The wrap takes the user on into the continuance line: the time commands act on its time.
TEST_F(PlannerWrapTest, AfterTheCaretWrappedTheTimeCommandsActOnItsLine) {
    OpenWithWideLetters();
    MakeContinuance(4);
    QTest::mouseClick(Box(3), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "aaaa bbbb ");
    ASSERT_EQ(Focused(), 4);
    EXPECT_EQ(w->TimeLabels()->TimeLabelIndex(), 4);
    Item("mnuEditDelete")->trigger();  // the blanked time comes back
    EXPECT_EQ(Label("lblTime_4")->text(), "10:00 AM");
    EXPECT_EQ(Label("lblTime_3")->text(), "09:00 AM");
}

// The default list goes into the to-do boxes only: the rest of the page stays as shown.
TEST_F(PlannerEditingTest, ImportingTheToDoListLeavesTheRestOfThePageAlone) {
    ASSERT_TRUE(WriteFileAtomic(dir + "To Do.dat", "\xF3" "Buy milk\r\n"));
    OpenActive();
    const QString longLine(200, QChar('w'));
    Box(0)->setText(longLine);
    QTest::mouseClick(Box(40), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "Office");
    QScrollBar* bar = w->findChild<QScrollArea*>("scrPage")->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int scrolled = bar->value();
    Item("mnuToDoImport")->trigger();
    EXPECT_EQ(Box(16)->text(), "Buy milk");
    EXPECT_TRUE(w->Model().IsDone(0));
    EXPECT_EQ(Box(0)->text(), longLine);  // red when left, but not cut while it is on screen
    EXPECT_EQ(bar->value(), scrolled);
    EXPECT_EQ(QApplication::focusWidget(), Box(40));
    EXPECT_EQ(Box(40)->cursorPosition(), 6);
    EXPECT_TRUE(s->flags.gPlannerChanged);
}

TEST_F(PlannerWrapTest, StopLineNeverWraps) {
    OpenWithWideLetters();
    Focus(3);
    QTest::keyClicks(Box(3), "aaaa bbbb cccc dddd ");
    EXPECT_EQ(Box(3)->text(), "aaaa bbbb cccc dddd ");
    EXPECT_EQ(Box(4)->text(), "");
    EXPECT_EQ(Focused(), 3);
    // The last line has no continuance line, whatever the label below would say.
    Focus(15);
    QTest::keyClicks(Box(15), "aaaa bbbb cccc ");
    EXPECT_EQ(Box(15)->text(), "aaaa bbbb cccc ");
}

TEST_F(PlannerWrapTest, LoadingAPageNeverWraps) {
    PlannerPage page = PageWith(0, "aaaa bbbb cccc dddd eeee ");
    page.gTimeCaptions[1].clear();
    WriteYear(2009, {{kMar5, page}});
    Open(kMar5);
    w->Editing()->UseTextMeasurer(std::make_unique<FakeTextMeasurer>(1000));
    s->editing.gLastKeyChar = " ";
    w->OpenPlannerFor(kMar5);
    EXPECT_EQ(Box(0)->text(), "aaaa bbbb cccc dddd eeee");
    EXPECT_EQ(Box(1)->text(), "");
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

} // namespace
} // namespace orvelle
