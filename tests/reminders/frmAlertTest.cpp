#include "ReminderTestSupport.h"
#include "common/FocusTakingPrompter.h"
#include "common/KeyboardWaits.h"
#include "common/TypedText.h"

#include "reminders/frmAlert.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace orvelle;

namespace {

struct AlertWindowTest : test::ReminderTest {
    frmAlert* OpenWindow() {
        ReadAlerts(*s);
        w = new frmAlert(*s);
        w->show();
        w->activateWindow();
        EXPECT_TRUE(test::BecomesActive(w));
        return w;
    }
    ~AlertWindowTest() override {
        if (w) delete w.data();
    }
    template <class T> T* Get(const char* name) {
        T* c = w->findChild<T*>(name);
        EXPECT_TRUE(c) << name;
        return c;
    }
    void Enter(const QString& date, const QString& period, const QString& message) {
        Get<QLineEdit>("txtDate")->setText(date);
        Get<QLineEdit>("txtValue")->setText(period);
        Get<QPlainTextEdit>("txtMessage")->setPlainText(message);
    }
    void Click(const char* button) { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    void ClickRow(int row, const char* listName = "lstAlerts_2") {
        QListWidget* list = Get<QListWidget>(listName);
        QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString Message() { return Get<QPlainTextEdit>("txtMessage")->toPlainText(); }
    QPointer<frmAlert> w;
};

} // namespace

TEST_F(AlertWindowTest, NewAlertsAreSavedSortedAndZeroDaysIsPendingOnItsDayOnly) {
    OpenWindow();
    EXPECT_EQ(Get<QLabel>("lblMain")->text(), "Adding New Alert");
    EXPECT_EQ(Get<QLabel>("lblList")->text(), "Active Alert List (Empty)");
    EXPECT_EQ(Get<QLineEdit>("txtValue")->text(), "7");
    EXPECT_TRUE(Get<QRadioButton>("optValue_4")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/05/09");

    Enter("03/10/09", "0", "Dentist");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(Get<QRadioButton>(QString("optValue_%1").arg(i).toLatin1())->isChecked());
    w->mnuFileNew_Click();
    Enter("3/6/2009", "3", "call\nmom");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:call mom\r\n39882:0000:Dentist\r\n");
    EXPECT_EQ(Get<QLabel>("lblList")->text(), "Active Alert List: 2 Alerts");
    EXPECT_EQ(s->alerts.gPendingAlertCount, 1);

    SetToday(2009, 3, 9);
    ReadAlerts(*s);
    EXPECT_EQ(s->alerts.gPendingAlertCount, 0);
    SetToday(2009, 3, 10);
    ReadAlerts(*s);
    EXPECT_EQ(s->alerts.gPendingAlertCount, 1);
}

TEST_F(AlertWindowTest, RefusedEntriesLeaveTheFileAlone) {
    Write("Alerts.dat", "39882:0000:Dentist\r\n");
    OpenWindow();
    w->mnuFileNew_Click();
    Enter("03/10/09", "12345", "x");
    // Ctrl+S from the period box: the box's leave check has not run.
    prompter.Expect(MsgAnswer::OK, "An alert cannot be set greater than 9999 days.");
    EXPECT_FALSE(w->mnuFileSave_Click());
    Enter("02/30/09", "5", "x");
    prompter.Expect(MsgAnswer::OK, "valid date");
    EXPECT_FALSE(w->mnuFileSave_Click());
    Enter("", "", "x");
    prompter.Expect(MsgAnswer::OK, "Please edit the value of the Alert Period");
    EXPECT_FALSE(w->mnuFileSave_Click());
    EXPECT_EQ(Read("Alerts.dat"), "39882:0000:Dentist\r\n");
    // Leaving the box with five digits.
    Get<QLineEdit>("txtValue")->setText("12345");
    prompter.Expect(MsgAnswer::OK, "greater than 9999 days");
    EXPECT_FALSE(w->txtValue_LostFocus());
}

TEST_F(AlertWindowTest, TheOverwriteQuestionReplacesAddsOrKeepsTheWindowOpen) {
    Write("Alerts.dat", "39878:0003:a\r\n39882:0000:b\r\n");
    OpenWindow();
    EXPECT_EQ(Get<QLabel>("lblMain")->text(), "Editing Existing Alert");
    ClickRow(1);
    EXPECT_EQ(Get<QPlainTextEdit>("txtMessage")->toPlainText(), "b");
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/10/09");
    Get<QPlainTextEdit>("txtMessage")->setPlainText("b2");

    prompter.Expect(MsgAnswer::Yes, "over-write").Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:a\r\n39882:0000:b2\r\n");

    ClickRow(0);
    Get<QPlainTextEdit>("txtMessage")->setPlainText("a2");
    prompter.Expect(MsgAnswer::No, "over-write").Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:a\r\n39878:0003:a2\r\n39882:0000:b2\r\n");

    ClickRow(0);
    Get<QPlainTextEdit>("txtMessage")->setPlainText("changed");
    prompter.Expect(MsgAnswer::Cancel, "over-write");
    Click("cmdSave_1"); // Save and Exit
    EXPECT_TRUE(w && w->isVisible());
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:a\r\n39878:0003:a2\r\n39882:0000:b2\r\n");
    prompter.Expect(MsgAnswer::Yes, "over-write").Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_1");
    QApplication::processEvents();
    EXPECT_FALSE(w && w->isVisible());
}

TEST_F(AlertWindowTest, ExpiredAlertsGoTodaysStayAndTheLastDeleteRemovesTheFile) {
    Write("Alerts.dat", "39876:0005:yesterday\r\n39877:0000:today\r\n");
    SetToday(2009, 3, 5, 23 * 3600 + 58 * 60);
    OpenWindow();
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    w->mnuOptDeleteOldAlerts_Click();
    EXPECT_EQ(Read("Alerts.dat"), "39877:0000:today\r\n");
    EXPECT_EQ(s->alerts.indicator.caption, "1 Pending Alert");
    w->mnuFileNew_Click();
    w->cmdDelete_Click(); // nothing chosen after New
    EXPECT_TRUE(PathIsFile(dir + "Alerts.dat"));
    w->mnuViewAll_Click();
    w->cmdDelete_Click();
    EXPECT_FALSE(PathIsFile(dir + "Alerts.dat"));
    EXPECT_EQ(s->alerts.indicator.caption, "No Pending Alerts");
    EXPECT_EQ(Get<QLabel>("lblList")->text(), "Active Alert List (Empty)");
}

TEST_F(AlertWindowTest, ThePendingViewListsItsOwnAlertsInAnUnsortedFile) {
    Write("Alerts.dat", "39990:0001:far\r\n39878:0002:near\r\n39877:0000:Now\r\n");
    s->alerts.gAlertViewPending = true;
    OpenWindow();
    QListWidget* list = Get<QListWidget>("lstAlerts_2");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Now");
    EXPECT_EQ(list->item(1)->text(), "near");
    EXPECT_EQ(Get<QLabel>("lblList")->text(), "Active Alert List: 3 Alerts");
    w->mnuSortDate_Click();
    EXPECT_TRUE(Get<QListWidget>("lstAlerts_1")->isVisibleTo(w));
    EXPECT_FALSE(list->isVisibleTo(w));
    ClickRow(1, "lstAlerts_1");
    EXPECT_EQ(w->currentRow(), 1);
    // Deleting the second pending row removes "near", not the second line of the file.
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    w->cmdDelete_Click();
    EXPECT_EQ(Read("Alerts.dat"), "39877:0000:Now\r\n39990:0001:far\r\n");
    w->close();
    EXPECT_FALSE(s->alerts.gAlertViewPending);
}

TEST_F(AlertWindowTest, TheKeysMoveTheEditorAndDeleteAndSaveTakeTheHighlightedAlert) {
    Write("Alerts.dat", "39878:0003:Alpha\r\n39879:0003:Beta\r\n39880:0003:Gamma\r\n39881:0003:Delta\r\n");
    OpenWindow();
    QListWidget* list = Get<QListWidget>("lstAlerts_2");
    ClickRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Message(), "Gamma");
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/08/09");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdDelete");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:Alpha\r\n39879:0003:Beta\r\n39881:0003:Delta\r\n");

    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(Message(), "Delta");
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(Message(), "Alpha");
    QTest::keyClicks(list, "b");
    EXPECT_EQ(Message(), "Beta");
    Get<QPlainTextEdit>("txtMessage")->setPlainText("Beta moved");
    prompter.Expect(MsgAnswer::Yes, "over-write").Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:Alpha\r\n39879:0003:Beta moved\r\n39881:0003:Delta\r\n");

    w->mnuSortDate_Click();
    QListWidget* dates = Get<QListWidget>("lstAlerts_1");
    QTest::keyClick(dates, Qt::Key_PageDown);
    EXPECT_EQ(w->currentRow(), 2);
    EXPECT_EQ(Message(), "Delta");

    // After New nothing is picked, also when the focus comes to the list: Save adds.
    w->mnuFileNew_Click();
    dates->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->currentRow(), -1);
    Enter("03/20/09", "2", "Epsilon");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"),
              "39878:0003:Alpha\r\n39879:0003:Beta moved\r\n39881:0003:Delta\r\n39892:0002:Epsilon\r\n");
}

TEST_F(AlertWindowTest, SaveAsksItsOverwriteQuestionBeforeItChecksTheEntry) {
    Write("Alerts.dat", "39878:0003:Alpha\r\n");
    OpenWindow();
    ASSERT_EQ(Get<QLabel>("lblMain")->text(), "Editing Existing Alert");
    Get<QLineEdit>("txtValue")->setText("");
    prompter.Expect(MsgAnswer::Cancel, "over-write");
    EXPECT_FALSE(w->mnuFileSave_Click());
    Get<QLineEdit>("txtDate")->setText("02/30/09");
    prompter.Expect(MsgAnswer::No, "over-write").Expect(MsgAnswer::OK, "Please edit the value of the Alert Period");
    EXPECT_FALSE(w->mnuFileSave_Click());
    EXPECT_EQ(Read("Alerts.dat"), "39878:0003:Alpha\r\n");
}

TEST_F(AlertWindowTest, ARefusedPeriodIsSaidOnceThoughItsBoxLosesTheFocusToTheMessage) {
    OpenWindow();
    test::FocusTakingPrompter boxes(prompter);
    ScopedPrompter real(*s, boxes);
    QLineEdit* period = Get<QLineEdit>("txtValue");
    period->setFocus();
    period->selectAll();
    QTest::keyClicks(period, "12345");
    prompter.Expect(MsgAnswer::OK, "An alert cannot be set greater than 9999 days.");
    QTest::keyClick(period, Qt::Key_S, Qt::ControlModifier);
    QTest::qWait(150);
    EXPECT_FALSE(PathIsFile(dir + "Alerts.dat"));
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);

    // Leaving the box for another control is refused, once, and the focus comes back.
    prompter.Expect(MsgAnswer::OK, "An alert cannot be set greater than 9999 days.");
    QTest::keyClick(period, Qt::Key_Tab);
    QTest::qWait(150);
    EXPECT_EQ(QApplication::focusWidget(), period);
    EXPECT_EQ(prompter.SeenDialogs().size(), 2u);
}

TEST_F(AlertWindowTest, TheMessageRefusesWhatTheFileCannotHoldHoweverItComes) {
    OpenWindow();
    auto* box = Get<QPlainTextEdit>("txtMessage");
    box->setPlainText("Call Ödön ");
    box->moveCursor(QTextCursor::End);
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(box, "ő");
    prompter.Expect(MsgAnswer::OK, "\"日\" and \"本\" cannot be kept");
    test::PasteText(box, "日本!");
    EXPECT_EQ(box->toPlainText(), "Call Ödön ");

    // An assistive tool's text passes no key: what cannot be kept is taken out again, told.
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    QAccessible::queryAccessibleInterface(box)->editableTextInterface()->insertText(10, "Ernő");
    QApplication::sendPostedEvents();
    EXPECT_EQ(box->toPlainText(), "Call Ödön Ern");
}

// The message is one line of its record: Tab moves on to Save, and a tab or other control
// character pasted in is stored as a blank.
TEST_F(AlertWindowTest, TabLeavesTheMessageAndNoControlCharacterIsStored) {
    OpenWindow();
    Enter("03/10/09", "0", "");
    auto* box = Get<QPlainTextEdit>("txtMessage");
    box->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Lunch");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Get<QPushButton>("cmdSave_0"));
    EXPECT_EQ(Message(), "Lunch");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Read("Alerts.dat"), "39882:0000:Lunch\r\n");

    w->mnuFileNew_Click();
    Enter("03/11/09", "0", "");
    box->setFocus();
    test::PasteText(QApplication::focusWidget(), "Tea\tfor\x01two");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Read("Alerts.dat"), "39882:0000:Lunch\r\n39883:0000:Tea for two\r\n");
}

// The date boxes step from the date they show, and Return at a box entered by Tab keeps it.
TEST_F(AlertWindowTest, TheDateBoxesStepFromTheShownDateAndReturnKeepsIt) {
    OpenWindow();
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto* year = Get<QComboBox>("cmbYear");
    year->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), year);
    key(Qt::Key_Return);
    EXPECT_EQ(year->currentText(), "2009");
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/05/09");
    key(Qt::Key_Down);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/05/10");
    key(Qt::Key_Up);
    EXPECT_EQ(year->currentText(), "2009");
    auto* day = Get<QComboBox>("cmbDay");
    day->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/05/09");
    key(Qt::Key_Down);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/06/09");
    // A day typed with a leading zero, as the boxes write it, is taken at Return as without one.
    day->lineEdit()->selectAll();
    QTest::keyClicks(day, "04");
    key(Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/04/09");
    EXPECT_EQ(day->currentText(), "04");
    day->lineEdit()->selectAll();
    QTest::keyClicks(day, "6");
    key(Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "03/06/09");
    Get<QLineEdit>("txtValue")->setText("1");
    Get<QPlainTextEdit>("txtMessage")->setPlainText("Dentist");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    Click("cmdSave_0");
    EXPECT_EQ(Read("Alerts.dat"), "39878:0001:Dentist\r\n");
}
