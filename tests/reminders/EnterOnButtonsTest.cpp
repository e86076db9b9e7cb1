// Enter on the focused button of the managers presses it, as a user of a desktop program expects.
#include "ReminderTestSupport.h"
#include "common/FocusTakingPrompter.h"
#include "common/KeyboardWaits.h"

#include "reminders/frmAlert.h"
#include "reminders/frmBDay.h"
#include "reminders/frmHolidays.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace orvelle;

namespace {

struct EnterOnButtonsTest : test::ReminderTest {
    ~EnterOnButtonsTest() override {
        if (w) delete w.data();
    }
    void Show(QWidget* window) {
        w = window;
        w->show();
        w->activateWindow();
        ASSERT_TRUE(test::BecomesActive(w));
    }
    QWidget* Focus(const char* name) {
        auto* c = w->findChild<QWidget*>(name);
        EXPECT_TRUE(c) << name;
        if (c) c->setFocus();
        return c;
    }
    // Keys go where the keyboard is, as a user's do.
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
    static void Enter() { QTest::keyClick(Focused(), Qt::Key_Return); }
    QPointer<QWidget> w;
};

} // namespace

// Date, Enter, name, Enter and Enter again saves; a refusal from the button is told once, over
// the window, and the keyboard goes back to the box it names.
TEST_F(EnterOnButtonsTest, TheHolidayManagerSavesFromTheKeyboardAlone) {
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    auto* holidays = new frmHolidays(*s);
    Show(holidays);
    test::FocusTakingPrompter boxes(prompter);
    ScopedPrompter real(*s, boxes);
    Focus("txtDate");
    Type("Yule");
    Enter();
    EXPECT_EQ(Focused()->objectName(), "txtDesc");
    Type("Christmas");
    Enter();
    EXPECT_EQ(Focused()->objectName(), "cmdSave");
    prompter.Expect(MsgAnswer::OK, "Date not recognized as entered.");
    Enter();
    EXPECT_EQ(prompter.SeenDialogs().size(), 2u);
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "<missing>");
    ASSERT_EQ(Focused()->objectName(), "txtDate");

    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    Type("12/25");
    Enter();
    Enter();
    Enter();
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "12/25/09:Christmas\r\n");
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved. Changes will be reflected in your next calendar view.");
    w->close();
}

// The other managers' buttons take Enter too: the birthday manager's Save, and the alert
// manager's Save and Exit, which closes the window after its message.
TEST_F(EnterOnButtonsTest, TheBirthdayAndAlertManagersSaveFromTheKeyboard) {
    ReadBirthdays(*s);
    Show(new frmBDay(*s));
    Focus("txt_0");
    Type("Ruth Ann Cole");
    Focus("txt_1");
    Type("03/15/1925");
    Focus("cmdSave");
    Enter();
    EXPECT_EQ(Read("Birthdays.dat"), "03/15:07:Ruth Ann Cole:1925\r\n");
    EXPECT_EQ(Focused()->objectName(), "txt_0"); // the editor is ready for the next one
    delete w.data();

    ReadAlerts(*s);
    Show(new frmAlert(*s));
    Focus("txtMessage");
    Type("Dentist");
    Focus("cmdSave_1");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    QTest::keyClick(Focused(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Read("Alerts.dat"), "39877:0007:Dentist\r\n");
    EXPECT_FALSE(w && w->isVisible());
}
