// Terms in the real planner window: the terms window coming up with it, completion of a word
// typed in a line and its accept keys, terms dropped on a line or keyed in from the terms
// window, F2/F3, and the terms window closing with the planner.
#include "PlannerWindowFixture.h"
#include "common/KeyboardWaits.h"
#include "notes/TermHooks.h"
#include "notes/frmFUT.h"
#include "notes/frmPref.h"
#include "store/TermLists.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMimeData>
#include <QTest>

namespace orvelle {
namespace {

class PlannerTermsTest : public PlannerWindowTest {
protected:
    void SetUp() override {
        PlannerWindowTest::SetUp();
        InstallTermHooks(*s);
        ASSERT_TRUE(WriteFileAtomic(dir + "Work.fut", "Meeting\r\nLunch with team"));
        s->prefs.gFUTFileName = "Work.fut";
        s->prefs.gShowFUT = true;
        s->prefs.gAutoCompleteOn = true;
        s->prefs.gAutoStartKeys = 2;
    }
    void TearDown() override {
        delete frmFUT::Find();
        delete frmPref::Find();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        PlannerWindowTest::TearDown();
    }
    void OpenActive() {
        Open(DateSerial(2009, 3, 5));
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    }
    void Drop(int line, const QByteArray& term) {
        QMimeData data;
        data.setData(kTermDragFormat, term);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Box(line), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Box(line), &drop);
    }
};

TEST_F(PlannerTermsTest, TypedWordCompletesAndRightTakesIt) {
    OpenActive();
    ASSERT_NE(frmFUT::Find(), nullptr); // "Show FUT:" brought it up with the planner
    Box(2)->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(Box(2), "Me");
    EXPECT_EQ(Box(2)->text(), "Me");
    QTest::keyClicks(Box(2), "e");
    EXPECT_EQ(Box(2)->text(), "Meeting");
    EXPECT_EQ(Box(2)->selectedText(), "ting");
    EXPECT_TRUE(s->editing.gCompletionShown);
    QTest::keyClick(Box(2), Qt::Key_Right);
    EXPECT_EQ(Box(2)->cursorPosition(), 7);
    EXPECT_FALSE(Box(2)->hasSelectedText());
    EXPECT_EQ(s->page.gPlannerLines[2].substr(0, 7), "Meeting");

    // Upper case typed, upper case written; Shift+Space takes it and types the blank.
    QTest::keyClicks(Box(2), " LUN");
    EXPECT_EQ(Box(2)->text(), "Meeting LUNCH WITH TEAM");
    QTest::keyClick(Box(2), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(Box(2)->text(), "Meeting LUNCH WITH TEAM ");
    EXPECT_EQ(Box(2)->cursorPosition(), 24);

    // In the middle of a word nothing is offered.
    Box(3)->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(Box(3), "xyz");
    Box(3)->setCursorPosition(0);
    QTest::keyClicks(Box(3), "Mee");
    EXPECT_EQ(Box(3)->text(), "Meexyz");
}

TEST_F(PlannerTermsTest, TermsAreDroppedAndKeyedIntoLines) {
    OpenActive();
    Drop(4, "Meeting");
    EXPECT_EQ(Box(4)->text(), "Meeting");
    Box(5)->setText("Lunch");
    Drop(5, "Meeting");
    EXPECT_EQ(Box(5)->text(), "Lunch Meeting");
    EXPECT_EQ(QApplication::focusWidget(), Box(5));
    EXPECT_EQ(Box(5)->cursorPosition(), 13);
    EXPECT_EQ(s->page.gPlannerLines[5].substr(0, 13), "Lunch Meeting");

    // Insert in the terms list puts the selected term into the active line.
    frmFUT* terms = frmFUT::Find();
    ASSERT_NE(terms, nullptr);
    terms->lstFUT()->setCurrentRow(1);
    QTest::keyClick(terms->lstFUT(), Qt::Key_Insert);
    EXPECT_EQ(Box(5)->text(), "Lunch Meeting Lunch with team ");

    // A term longer than a line is cut by the line's slot, as typed text is.
    Drop(6, QByteArray(200, 'x'));
    EXPECT_EQ(s->page.gPlannerLines[6], std::string(150, 'x'));
}

TEST_F(PlannerTermsTest, FunctionKeysSwitchListsAndTheTermsWindowClosesWithThePlanner) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Home.fut", "Garden"));
    OpenActive();
    Box(0)->setFocus(Qt::OtherFocusReason);
    // Listing: Home.fut, Work.fut; the first F3 goes to index 1.
    QTest::keyClick(Box(0), Qt::Key_F3);
    EXPECT_EQ(s->prefs.gFUTFileName, "Work.fut");
    // Even from the terms window, the keyboard comes back to the line and its window.
    frmFUT::Find()->activateWindow();
    ASSERT_TRUE(test::BecomesActive(frmFUT::Find()));
    QTest::keyClick(Box(0), Qt::Key_F3);
    EXPECT_TRUE(test::TakesTheKeyboard(Box(0)));
    EXPECT_EQ(s->prefs.gFUTFileName, "Home.fut");
    EXPECT_EQ(s->terms.gFUTTerms, std::vector<std::string>{"Garden"});
    EXPECT_EQ(QApplication::activeWindow(), Box(0)->window());
    ASSERT_EQ(QApplication::focusWidget(), Box(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_EQ(s->prefs.gFUTFileName, "Work.fut");
    QListWidget* more = frmFUT::Find()->lstMoreFUT();
    QTest::keyClick(Box(0), Qt::Key_F2);
    EXPECT_TRUE(test::TakesTheKeyboard(more));
    EXPECT_TRUE(s->terms.gShowingMoreFUT);
    EXPECT_TRUE(more->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), more);
    // A click on a list makes it current and the term list comes back.
    QTest::mouseClick(more->viewport(), Qt::LeftButton, {}, more->visualItemRect(more->item(1)).center());
    EXPECT_TRUE(test::TakesTheKeyboard(Box(0)));
    EXPECT_EQ(s->prefs.gFUTFileName, "Work.fut");
    EXPECT_FALSE(more->isVisible());
    EXPECT_EQ(frmFUT::Find()->lstFUT()->count(), 2);
    EXPECT_EQ(QApplication::activeWindow(), Box(0)->window());
    EXPECT_EQ(QApplication::focusWidget(), Box(0));

    // "Adjust FUT" opens the term preferences.
    QAction* adjust = w->findChild<QAction*>("mnuPrefFut");
    ASSERT_TRUE(adjust->isEnabled());
    adjust->trigger();
    ASSERT_NE(frmPref::Find(), nullptr);

    w->close();
    EXPECT_FALSE(s->terms.gFUTWindowLoaded);
}

} // namespace
} // namespace orvelle
