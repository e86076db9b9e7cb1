#include "mainwindow/ToolBarFocus.h"

#include "platform/TabKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace orvelle {
namespace {

// A control the program may hand the keyboard to, though Tab may pass it by (the planner's lines).
bool TakesFocus(const QWidget* w) { return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; }

} // namespace

ToolBarFocus::ToolBarFocus(QWidget* frame, QMdiArea* area, std::function<QList<QWidget*>()> bar,
                           std::function<bool(const QWidget*)> isView, std::function<QWidget*(QWidget*)> typingBox)
    : QObject(frame), frame_(frame), area_(area), bar_(std::move(bar)), isView_(std::move(isView)),
      typingBox_(std::move(typingBox)) {
    qApp->installEventFilter(this);
}

QList<QWidget*> ToolBarFocus::Bar() const {
    QList<QWidget*> out;
    for (QWidget* w : bar_())
        if (w && TakesTab(w)) out << w;
    return out;
}

QWidget* ToolBarFocus::ActiveChild() const {
    QMdiSubWindow* sub = area_->activeSubWindow();
    return sub && sub->isVisible() ? sub->widget() : nullptr;
}

bool ToolBarFocus::InArea(const QWidget* w) const { return w && area_->isAncestorOf(w); }

QWidget* ToolBarFocus::Entry(QWidget* child, Way way) const {
    if (isView_(child)) {
        QList<QWidget*> chain = TabStops(child);
        if (way == Way::Back)
            if (QWidget* last = child->focusWidget(); last && TakesTab(last)) return last;
        if (chain.isEmpty()) return nullptr;
        return way == Way::End ? chain.last() : chain.first();
    }
    // The other windows are entered where the user types in them, from either end of the bar.
    if (QWidget* box = typingBox_ ? typingBox_(child) : nullptr; TakesFocus(box)) return box;
    QWidget* last = child->focusWidget();
    if (TakesFocus(last) && (last == child || child->isAncestorOf(last))) return last;
    QList<QWidget*> chain = TabStops(child);
    if (!chain.isEmpty()) return chain.first();
    return TakesFocus(child) ? child : nullptr;
}

QWidget* ToolBarFocus::Next(QWidget* focus, bool forward) const {
    QList<QWidget*> bar = Bar();
    QWidget* child = ActiveChild();
    if (int i = static_cast<int>(bar.indexOf(focus)); i >= 0) {
        int to = forward ? i + 1 : i - 1;
        if (to >= 0 && to < bar.size()) return bar[to];
        // Off the end of the bar: into the window below, at the end Tab enters from.
        if (child)
            if (QWidget* in = Entry(child, forward ? Way::Start : Way::End)) return in;
        return forward ? bar.first() : bar.last();
    }
    if (!child || !isView_(child) || bar.isEmpty() || !child->isAncestorOf(focus)) return nullptr;
    // Within the view the view's own Tab goes on; only its wrap-around leads out to the bar.
    QList<QWidget*> chain = TabStops(child);
    if (chain.isEmpty()) return nullptr;
    if (forward && focus == chain.last()) return bar.first();
    if (!forward && focus == chain.first()) return bar.last();
    return nullptr;
}

QWidget* ToolBarFocus::Toggle(QWidget* focus) const {
    QList<QWidget*> bar = Bar();
    if (bar.contains(focus)) {
        QWidget* child = ActiveChild();
        return child ? Entry(child, Way::Back) : nullptr;
    }
    if (InArea(focus) && !bar.isEmpty()) return bar.first();
    return nullptr;
}

bool ToolBarFocus::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    QWidget* focus = QApplication::focusWidget();
    // A key passed on to the parents is seen again: only its delivery to the focus counts.
    if (!focus || watched != focus || focus->window() != frame_) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
    const bool back = k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier);
    QWidget* to = nullptr;
    Qt::FocusReason reason = Qt::TabFocusReason;
    if (mods == Qt::NoModifier && tab) {
        to = Next(focus, !back);
        if (back) reason = Qt::BacktabFocusReason;
    } else if (mods == Qt::NoModifier && k->key() == Qt::Key_F6) {
        to = Toggle(focus);
        reason = Qt::ShortcutFocusReason;
    } else if (mods == Qt::ControlModifier && (tab || k->key() == Qt::Key_F6)) {
        if (Bar().contains(focus)) {
            // The keyboard is in no child window: the one in front takes it back.
            QWidget* child = ActiveChild();
            to = child ? Entry(child, Way::Back) : nullptr;
            reason = Qt::ShortcutFocusReason;
        } else if (k->key() == Qt::Key_F6 && InArea(focus)) {
            // As Ctrl+Tab there: the next window comes to the front with its keyboard.
            if (back) area_->activatePreviousSubWindow();
            else area_->activateNextSubWindow();
            QWidget* child = ActiveChild();
            to = child && !child->isAncestorOf(QApplication::focusWidget()) ? Entry(child, Way::Back) : nullptr;
            if (!to) return true;
            reason = Qt::ShortcutFocusReason;
        }
    }
    if (!to) return false;
    // A line of the planner or notes is entered as it was left: Tab's select-all would let the
    // next key typed replace the whole line.
    if (!isView_(ActiveChild()) && InArea(to)) reason = Qt::OtherFocusReason;
    to->setFocus(reason);
    return true;
}

} // namespace orvelle
