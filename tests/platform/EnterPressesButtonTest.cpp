#include "common/Patience.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Window {
    explicit Window(QWidget* top) : top(top) {
        auto* layout = new QVBoxLayout(top);
        for (QWidget* w : {static_cast<QWidget*>(edit), static_cast<QWidget*>(button), static_cast<QWidget*>(check)}) {
            w->setParent(top);
            layout->addWidget(w);
        }
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(edit, &QLineEdit::returnPressed, [this] { ++returns; });
        top->show();
        top->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top, orvelle::test::kPatienceMs));
    }
    void Press(QWidget* to, int key = Qt::Key_Return, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false,
               quint64 at = 0) {
        to->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), to);
        QKeyEvent press(QEvent::KeyPress, key, mods, "\r", autoRepeat);
        press.setTimestamp(at);
        QApplication::sendEvent(to, &press);
    }
    void Release(QWidget* to, int key = Qt::Key_Return, quint64 at = 0) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, "\r");
        release.setTimestamp(at);
        QApplication::sendEvent(to, &release);
    }
    void Key(QWidget* to, int key, Qt::KeyboardModifiers mods = {}) {
        Press(to, key, mods);
        Release(to, key);
    }
    QWidget* top;
    QLineEdit* edit = new QLineEdit;
    QPushButton* button = new QPushButton("Save");
    QCheckBox* check = new QCheckBox("Remember");
    int clicks = 0;
    int returns = 0;
};

} // namespace

// In an ordinary window and in a dialog alike, Enter and the keypad's Enter press the focused
// command button once; a held key does not press it again, and Enter never toggles a check box.
TEST(EnterPressesButton, TheFocusedCommandButtonOnceInEveryKindOfWindow) {
    QWidget plain(nullptr, Qt::Window);
    QDialog dialog;
    for (QWidget* top : {&plain, static_cast<QWidget*>(&dialog)}) {
        SCOPED_TRACE(top->metaObject()->className());
        Window w(top);
        w.Key(w.button, Qt::Key_Return);
        EXPECT_EQ(w.clicks, 1);
        w.Key(w.button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(w.clicks, 2);
        // Held down: the repeats press nothing, whether the window system marks them or not,
        // also when the key went down in a box that handed the keyboard on to the button.
        w.Press(w.button, Qt::Key_Return, {}, false, 1000);
        w.Press(w.button, Qt::Key_Return, {}, true, 1500);
        w.Press(w.button, Qt::Key_Return, {}, false, 1540);
        w.Release(w.button, Qt::Key_Return, 1580); // a repeat may come as a release and a press at once
        w.Press(w.button, Qt::Key_Return, {}, false, 1580);
        w.Release(w.button, Qt::Key_Return, 1700);
        EXPECT_EQ(w.clicks, 3);
        w.Press(w.edit);
        EXPECT_EQ(w.returns, 1); // a box's own Enter stays its own
        const int before = w.clicks; // (in a dialog it also presses the default button)
        w.Press(w.button);
        w.Release(w.button);
        EXPECT_EQ(w.clicks, before);
        w.Key(w.check, Qt::Key_Return);
        EXPECT_FALSE(w.check->isChecked());
        top->close();
    }
}

// A button whose press opens a modal box: the box is answered with Enter on its own button, and
// neither press reaches the other button again.
TEST(EnterPressesButton, APressThatOpensAModalBoxIsNotDeliveredTwice) {
    QWidget plain(nullptr, Qt::Window);
    Window w(&plain);
    int answers = 0;
    QObject::disconnect(w.button, nullptr, nullptr, nullptr);
    QObject::connect(w.button, &QPushButton::clicked, [&] {
        ++w.clicks;
        QDialog box(&plain);
        auto* ok = new QPushButton("OK", &box);
        QObject::connect(ok, &QPushButton::clicked, [&] {
            ++answers;
            box.accept();
        });
        QTimer::singleShot(0, &box, [&] {
            box.activateWindow();
            (void)QTest::qWaitForWindowActive(&box, orvelle::test::kPatienceMs);
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
        });
        box.exec();
    });
    w.Key(w.button, Qt::Key_Return);
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(answers, 1);
}

namespace {

// Keys as the window system delivers them: to a window, and so to its focus widget unless a modal
// box blocks the window, when they are dropped before any filter sees them.
void Down(QWidget* window, int key = Qt::Key_Return) {
    // The window system stamps its events in milliseconds, and a repeat of a held key comes as a
    // release and a press in the same one; a real next tap comes later than that.
    QTest::qWait(2);
    QTest::keyPress(window->windowHandle(), Qt::Key(key));
}
void Up(QWidget* window, int key = Qt::Key_Return) { QTest::keyRelease(window->windowHandle(), Qt::Key(key)); }
void Tap(QWidget* window, int key = Qt::Key_Return) {
    Down(window, key);
    Up(window, key);
}

} // namespace

// The release of an Enter that opened a box goes to the window the box blocks, so it never comes
// through: one tap still answers the box, and after a box answered by another key or the mouse
// one tap still presses the button again. A held Enter answers nothing behind the first press.
TEST(EnterPressesButton, OneTapAfterAnEnterThatOpenedABox) {
    QWidget plain(nullptr, Qt::Window);
    Window w(&plain);
    QObject::disconnect(w.button, nullptr, nullptr, nullptr);
    std::function<void(QMessageBox&)> answer;
    std::vector<int> answers;
    QObject::connect(w.button, &QPushButton::clicked, [&] {
        QMessageBox box(QMessageBox::Question, "Orvelle", "Delete the selected notes?",
                        QMessageBox::Yes | QMessageBox::No, &plain);
        QTimer::singleShot(0, &box, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box, orvelle::test::kPatienceMs));
            Up(&plain); // the opening key comes up in the window it went down in
            answer(box);
            if (!QTest::qWaitFor([&] { return !box.isVisible(); }, orvelle::test::kPatienceMs)) {
                ADD_FAILURE() << "the box is still up";
                box.done(0);
            }
        });
        answers.push_back(box.exec());
    });
    auto round = [&](std::function<void(QMessageBox&)> how) {
        answer = std::move(how);
        plain.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&plain, orvelle::test::kPatienceMs));
        w.button->setFocus();
        Down(&plain); // a quick tap: it comes up while the box is up
    };
    round([](QMessageBox& box) { Tap(&box); });
    round([](QMessageBox& box) { Tap(&box, Qt::Key_Escape); });
    round([](QMessageBox& box) { Tap(&box, Qt::Key_N); });
    round([](QMessageBox& box) { QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton); });
    round([](QMessageBox& box) {
        // Held down at the box: repeats marked as such, and a release and a press at one time.
        QWidget* yes = QApplication::focusWidget();
        ASSERT_EQ(yes, box.button(QMessageBox::Yes));
        qt_handleKeyEvent(box.windowHandle(), QEvent::KeyPress, Qt::Key_Return, {}, "\r", true);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        release.setTimestamp(7000);
        press.setTimestamp(7000);
        QApplication::sendEvent(yes, &release);
        QApplication::sendEvent(yes, &press);
        EXPECT_TRUE(box.isVisible());
        Up(&box);
        Tap(&box);
    });
    EXPECT_EQ(answers, (std::vector<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::No, QMessageBox::No,
                                         QMessageBox::Yes}));
}
