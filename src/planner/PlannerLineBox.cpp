#include "planner/PlannerLineBox.h"

#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/KeyCodeTable.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvelle {

PlannerLineBox::PlannerLineBox(int index, QWidget* parent) : QLineEdit(parent), index_(index) {}

int PlannerLineBox::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int PlannerLineBox::SelLength() const { return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0; }

int PlannerLineBox::KeyAsciiOf(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    Qt::KeyboardModifiers m = e.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return e.key() - Qt::Key_A + 1;
    QString text = e.text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return 0;
    // A character the files cannot hold types nothing here: the box's own check refuses it.
    if (!CharactersNotKept(text).isEmpty()) return 0;
    return static_cast<unsigned char>(Cp1252Byte(text.at(0).unicode()));
}

bool PlannerLineBox::event(QEvent* e) {
    // Tab would move the focus along the window's tab chain before the key handlers saw it.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void PlannerLineBox::keyPressEvent(QKeyEvent* e) {
    const int original = KeyCodeFromQtKey(e->key());
    int keyCode = original;
    if (keyCode != 0 && onKeyDown) onKeyDown(index_, keyCode, ShiftStateOf(e->modifiers()));
    if (original != 0 && keyCode == 0) {
        e->accept();
        return;
    }
    // A rewritten key is handed on as the key it became.
    QKeyEvent rewritten(QEvent::KeyPress, QtKeyFromKeyCode(keyCode), e->modifiers());
    QKeyEvent* key = keyCode == original ? e : &rewritten;

    int keyAscii = KeyAsciiOf(*key);
    if (keyAscii != 0) {
        const int typed = keyAscii;
        if (onKeyPress) onKeyPress(index_, keyAscii);
        if (keyAscii == 0 || keyAscii == 13 || keyAscii == 9) {
            e->accept();
            return;
        }
        if (keyAscii != typed && keyAscii >= 32) {
            QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), FromCp1252(std::string(1, char(keyAscii))));
            QLineEdit::keyPressEvent(&replaced);
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(key);
    if (key != e) e->setAccepted(key->isAccepted());
}

void PlannerLineBox::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    int keyCode = KeyCodeFromQtKey(e->key());
    if (keyCode != 0 && onKeyUp && !e->isAutoRepeat()) onKeyUp(index_, keyCode, ShiftStateOf(e->modifiers()));
}

void PlannerLineBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (onGotFocus) onGotFocus(index_);
}

void PlannerLineBox::focusOutEvent(QFocusEvent* e) {
    // A click between the page's boxes gives the keyboard to the window around them, which hands
    // it straight back: the box is not left and keeps its selection.
    QWidget* to = QApplication::focusWidget();
    if (to && to != this && to->isAncestorOf(this)) {
        QFocusEvent kept(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&kept);
        return;
    }
    // Opening a menu or switching to another program does not leave the box, nor does the
    // window closing around it.
    bool leaves = e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason && isVisible();
    // Read before the box forgets its selection.
    caretAtLeave_ = SelStart();
    QLineEdit::focusOutEvent(e);
    if (leaves && onLostFocus) onLostFocus(index_);
}

void PlannerLineBox::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    if (!onMouseDown) return;
    int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : e->button() == Qt::MiddleButton ? 4 : 0;
    onMouseDown(index_, button, ShiftStateOf(e->modifiers()));
}

} // namespace orvelle
