// The two date calculators, opened from the main window's menu and used as a user would.
#include "common/FocusTakingPrompter.h"
#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"
#include "reports/frmDateDiff.h"
#include "reports/frmNumDays.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace orvelle {
namespace {

class DateTools : public MainWindowTest {
protected:
    template <class T>
    T* Child(QWidget* in, const char* name) {
        T* c = in->findChild<T*>(name);
        EXPECT_TRUE(c) << name;
        return c;
    }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(DateTools, IntervalItemsOpenOneCalculatorThatCountsInTheChosenUnit) {
    frmMain& m = Start();
    m.Menu("mnuDateDiffSWeeks")->trigger();
    auto* w = m.findChild<frmDateDiff*>("frmDateDiff");
    ASSERT_TRUE(w);
    EXPECT_EQ(Child<QComboBox>(w, "cmbInterval")->currentText(), "Weeks");
    EXPECT_EQ(Child<QLabel>(w, "lblInterval")->text(), "Weeks");
    auto* start = Child<QLineEdit>(w, "txtInput_0");
    auto* end = Child<QLineEdit>(w, "txtInput_1");
    auto* answer = Child<QLineEdit>(w, "txtAnswer");
    EXPECT_EQ(start->text(), "Mar 05, 2009"); // today in both rows

    // A typed date fills the row's boxes, also with a year before the list.
    Type(start, "7/4/1976");
    EXPECT_EQ(Child<QComboBox>(w, "cmbMonth_0")->currentText(), "July");
    EXPECT_EQ(Child<QComboBox>(w, "cmbDay_0")->currentText(), "04");
    EXPECT_EQ(Child<QComboBox>(w, "cmbYear_0")->currentText(), "1976");
    EXPECT_EQ(start->text(), "Jul 04, 1976");

    Type(start, "12/31/2008");
    Type(end, "1/1/2009");
    QPushButton* calc = Child<QPushButton>(w, "cmdDateDiff");
    calc->click();
    EXPECT_EQ(answer->text(), ""); // one day is no week

    // Another item reuses the open window with its dates.
    m.Menu("mnuDateDiffSMinutes")->trigger();
    EXPECT_EQ(m.findChildren<frmDateDiff*>().size(), 1);
    calc->click();
    EXPECT_EQ(answer->text(), "1,440");

    // A half-typed date leaves the box as it was; a word is refused at Calculate.
    Child<QComboBox>(w, "cmbDay_1")->setEditText("31");
    Child<QComboBox>(w, "cmbMonth_1")->setEditText("February");
    EXPECT_EQ(end->text(), "Jan 31, 2009");
    end->setText("soon");
    prompter.Expect(MsgAnswer::OK, "End Date is not a valid date.");
    calc->click();
    EXPECT_EQ(answer->text(), "1,440");
}

TEST_F(DateTools, WeekdayCounterListsTheDatesOfTheBoxesItShows) {
    frmMain& m = Start();
    m.Menu("mnuNumOfDays")->trigger();
    auto* w = m.findChild<frmNumDays*>("frmNumDays");
    ASSERT_TRUE(w);
    auto* start = Child<QLineEdit>(w, "txtStart");
    auto* end = Child<QLineEdit>(w, "txtEnd");
    auto* list = Child<QListWidget>(w, "lstDays");
    auto* label = Child<QLabel>(w, "lblOccur");

    // Nothing entered yet: refused, never counted from 1899.
    prompter.Expect(MsgAnswer::OK, "Invalid Date in Start Date Box!13");
    Child<QPushButton>(w, "cmdGetDays")->click();
    EXPECT_EQ(list->count(), 0);

    Type(start, "3/1/2009");
    EXPECT_EQ(start->text(), "3/1/2009");
    prompter.Expect(MsgAnswer::OK, "Start Date is Greater than End Date. Please adjust.");
    Type(end, "2/1/2009");
    Type(end, "3/31/2009");
    Child<QRadioButton>(w, "optDay_1")->click();
    Child<QPushButton>(w, "cmdGetDays")->click();
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(), "Monday 3/2/2009");
    EXPECT_EQ(label->text(), "Monday found 5 times");

    end->setText("later");
    prompter.Expect(MsgAnswer::OK, "Invalid Date in End Date Box!");
    Child<QPushButton>(w, "cmdGetDays")->click();
    EXPECT_EQ(list->count(), 0);
}

TEST_F(DateTools, AWrongEndDateIsSaidOnceThoughItsBoxLosesTheFocusToTheMessage) {
    frmMain& m = Start();
    m.Menu("mnuNumOfDays")->trigger();
    auto* w = m.findChild<frmNumDays*>("frmNumDays");
    ASSERT_TRUE(w);
    w->activateWindow();
    ASSERT_TRUE(test::BecomesActive(w));
    test::FocusTakingPrompter boxes(prompter);
    ScopedPrompter real(*s, boxes);
    auto* end = Child<QLineEdit>(w, "txtEnd");
    end->setFocus();
    QTest::keyClicks(end, "later");
    prompter.Expect(MsgAnswer::OK, "Invalid Date in End Date Box!");
    QTest::keyClick(end, Qt::Key_Return);
    QTest::qWait(150);
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), end);
    // Leaving the box for another control says it, once.
    prompter.Expect(MsgAnswer::OK, "Invalid Date in End Date Box!");
    QTest::keyClick(end, Qt::Key_Tab);
    QTest::qWait(150);
    EXPECT_EQ(prompter.SeenDialogs().size(), 2u);
}

// Down, Up and Return at the box that has the keyboard step from the date the row shows and keep it.
TEST_F(DateTools, TheRowBoxesStepFromTheShownDateAndReturnKeepsIt) {
    frmMain& m = Start();
    m.Menu("mnuDateDiffSWeeks")->trigger();
    auto* w = m.findChild<frmDateDiff*>("frmDateDiff");
    ASSERT_TRUE(w);
    w->activateWindow();
    ASSERT_TRUE(test::BecomesActive(w));
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto* end = Child<QLineEdit>(w, "txtInput_1");
    auto* day = Child<QComboBox>(w, "cmbDay_1");
    auto* year = Child<QComboBox>(w, "cmbYear_1");
    day->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), day);
    key(Qt::Key_Return);
    EXPECT_EQ(end->text(), "Mar 05, 2009");
    key(Qt::Key_Down);
    EXPECT_EQ(end->text(), "Mar 06, 2009");
    year->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(end->text(), "Mar 06, 2009");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(end->text(), "Mar 06, 2010");
    Child<QPushButton>(w, "cmdDateDiff")->click();
    EXPECT_EQ(Child<QLineEdit>(w, "txtAnswer")->text(), "52");

    // A year typed before the list is no start for the arrows: the row keeps it.
    end->setFocus();
    end->setText("7/4/1976");
    key(Qt::Key_Return);
    year->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(year->currentText(), "1976");
    EXPECT_EQ(end->text(), "Jul 04, 1976");
}

} // namespace
} // namespace orvelle
