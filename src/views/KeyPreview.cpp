#include "views/KeyPreview.h"

#include "platform/MouseState.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace orvelle {

KeyPreview::KeyPreview(QWidget* window, Handler handler) : QObject(window), handler_(std::move(handler)) {
    Watch(window);
}

void KeyPreview::Watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        int code = VbKeyCode(k->key());
        // A key the handler takes stops here, so it never reaches (or propagates past) the
        // control and the window sees each press once.
        if (code != 0 && handler_(code, VbShift(k->modifiers()))) return true;
    } else if (event->type() == QEvent::ChildAdded) {
        auto* ce = static_cast<QChildEvent*>(event);
        if (auto* w = qobject_cast<QWidget*>(ce->child())) Watch(w);
    }
    return QObject::eventFilter(watched, event);
}

int VbKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    default: return 0;
    }
}

} // namespace orvelle
