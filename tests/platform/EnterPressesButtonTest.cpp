#include "common/Patience.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

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
