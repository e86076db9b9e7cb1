#include "platform/EnterPressesButton.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

namespace orvelle {
namespace {

bool IsEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

bool IsModifier(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: return true;
    default: return false;
    }
}

class EnterPressesButton : public QObject {
public:
    explicit EnterPressesButton(QCoreApplication* app) : QObject(app) {
        // The release of an Enter that opened or closed a window goes to the window it went down
        // in, which a modal box may now block: it never comes through, and the next tap would
        // count as a repeat. A held key's repeats do not depend on that: they come marked, or as
        // a release and a press at one time.
        if (auto* gui = qobject_cast<QGuiApplication*>(app))
            connect(gui, &QGuiApplication::focusWindowChanged, this, [this] { held_ = false; });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress: return KeyPress(watched, static_cast<QKeyEvent*>(e));
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (IsEnter(k) && !k->isAutoRepeat()) {
                held_ = false;
                releasedAt_ = k->timestamp();
            }
            return false;
        }
        case QEvent::ApplicationStateChange: // its release may go to another program
            held_ = false;
            return false;
        default: return false;
        }
    }

private:
    bool KeyPress(QObject* watched, QKeyEvent* k) {
        // Another key stops the repeats of a held Enter.
        if (!IsEnter(k)) {
            if (!IsModifier(k->key())) held_ = false;
            return false;
        }
        // A key event passed on to the parents is seen again: only its first delivery counts.
        if (watched != QApplication::focusWidget()) return false;
        // The window system does not always mark the repeats of a held key: a press before the
        // release is one, and so is one at the very time of a release (the pair a repeat may
        // come as).
        bool repeat = k->isAutoRepeat() || held_ || (k->timestamp() != 0 && k->timestamp() == releasedAt_);
        held_ = true;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        // The button takes the key here, so it is pressed once however it would have taken it
        // itself (in a dialog), and the key goes on to no window handler. A held key presses
        // once, also when it was first pressed in a box that handed the keyboard to the button:
        // its repeats would save or remove again behind the first answer.
        k->accept();
        if (!repeat) button->click();
        return true;
    }

    bool held_ = false;
    quint64 releasedAt_ = 0;
};

} // namespace

void InstallEnterPressesButton(QCoreApplication* app) {
    static QPointer<QObject> installed;
    if (!app || (installed && installed->parent() == app)) return;
    installed = new EnterPressesButton(app);
    app->installEventFilter(installed);
}

} // namespace orvelle
