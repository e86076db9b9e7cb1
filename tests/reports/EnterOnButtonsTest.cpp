// The period pickers and the date tools are used from the keyboard alone: a date, Enter, a
// date, Enter, and Enter on the button their boxes hand the keyboard to.
#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"
#include "reports/frmReport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <functional>

namespace orvelle {
namespace {

class EnterOnButtonsTest : public MainWindowTest {
protected:
    // The window the keyboard is in, once it is in front.
    QWidget* Active(const char* name) {
        Settle();
        auto* window = w->findChild<QWidget*>(name);
        EXPECT_TRUE(window) << name;
        if (!window) return nullptr;
        window->activateWindow();
        EXPECT_TRUE(test::BecomesActive(window)) << name;
        return window;
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Enter(Qt::KeyboardModifiers keypad = {}) {
        QTest::keyClick(Focused(), keypad ? Qt::Key_Enter : Qt::Key_Return, keypad);
    }
    bool HasViewer(const char* name) {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == name) return true;
        return false;
    }
};

TEST_F(EnterOnButtonsTest, PickersAndDateToolsRunFromTheKeyboard) {
    struct Case {
        const char* menu;
        const char* via; // a button of the first window that opens the one with the boxes
        const char* window;
        const char* start;
        const char* end;
        const char* button;
        std::function<void(QWidget*)> check;
    };
    const Case cases[] = {
        {"mnuFileOpenExpenses", "cmdSelectStartEnd", "frmSelectStartEnd", "txtInput_0", "txtInput_1", "cmdReport",
         [this](QWidget*) {
             Settle();
             EXPECT_TRUE(HasViewer("frmExpenses"));
             EXPECT_EQ(s->reports.gReportStartDate, DateSerial(2009, 3, 1));
             EXPECT_EQ(s->reports.gReportEndDate, DateSerial(2009, 3, 15));
         }},
        {"mnuDateDiffSDays", nullptr, "frmDateDiff", "txtInput_0", "txtInput_1", "cmdDateDiff",
         [](QWidget* tool) { EXPECT_EQ(tool->findChild<QLineEdit*>("txtAnswer")->text(), "14"); }},
        {"mnuNumOfDays", nullptr, "frmNumDays", "txtStart", "txtEnd", "cmdGetDays",
         [](QWidget* tool) { EXPECT_EQ(tool->findChild<QLabel*>("lblOccur")->text(), "Sunday found 3 times"); }},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        w->Menu(c.menu)->trigger();
        if (c.via) {
            QWidget* first = Active("frmSelectMonth");
            ASSERT_TRUE(first);
            first->findChild<QPushButton*>(c.via)->setFocus();
            Enter();
        }
        QWidget* window = Active(c.window);
        ASSERT_TRUE(window);
        window->findChild<QLineEdit*>(c.start)->setFocus();
        for (const char* date : {"3/1/2009", "3/15/2009"}) {
            static_cast<QLineEdit*>(Focused())->selectAll();
            QTest::keyClicks(Focused(), date);
            Enter();
        }
        ASSERT_EQ(Focused()->objectName(), c.button);
        // Once with the keypad's Enter.
        Enter(&c == &cases[2] ? Qt::KeypadModifier : Qt::NoModifier);
        c.check(window);
    }
}

} // namespace
} // namespace orvelle
