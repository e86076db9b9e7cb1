#include "mainwindow/ToolBarFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace orvelle {
namespace {

bool TakesTab(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

// The controls inside `child` that Tab visits, in the order the window's own Tab takes them.
QList<QWidget*> TabChain(QWidget* child) {
    QList<QWidget*> out;
    QWidget* w = child;
    // The chain is a ring over the whole top-level window; a guard keeps a broken one finite.
    for (int guard = 0; guard < 100000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == child) break;
        if (child->isAncestorOf(w) && TakesTab(w)) out << w;
    }
    return out;
}

} // namespace

ToolBarFocus::ToolBarFocus(QWidget* frame, QMdiArea* area, std::function<QList<QWidget*>()> bar,
                           std::function<bool(const QWidget*)> isView)
    : QObject(frame), frame_(frame), area_(area), bar_(std::move(bar)), isView_(std::move(isView)) {
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

QWidget* ToolBarFocus::Next(QWidget* focus, bool forward) const {
    QList<QWidget*> bar = Bar();
    QWidget* child = ActiveChild();
    bool view = child && isView_(child);
    if (int i = static_cast<int>(bar.indexOf(focus)); i >= 0) {
        int to = forward ? i + 1 : i - 1;
        if (to >= 0 && to < bar.size()) return bar[to];
        // Off the end of the bar: into the view, at the end Tab enters from.
        if (view) {
            QList<QWidget*> chain = TabChain(child);
            if (!chain.isEmpty()) return forward ? chain.first() : chain.last();
        } else if (child && child->focusWidget() && TakesTab(child->focusWidget())) {
            // Another window gets back the control it had.
            return child->focusWidget();
        }
        return forward ? bar.first() : bar.last();
    }
    if (!view || bar.isEmpty() || !child->isAncestorOf(focus)) return nullptr;
    // Within the view the view's own Tab goes on; only its wrap-around leads out to the bar.
    QList<QWidget*> chain = TabChain(child);
    if (chain.isEmpty()) return nullptr;
    if (forward && focus == chain.last()) return bar.first();
    if (!forward && focus == chain.first()) return bar.last();
    return nullptr;
}

QWidget* ToolBarFocus::Toggle(QWidget* focus) const {
    QList<QWidget*> bar = Bar();
    QWidget* child = ActiveChild();
    if (bar.contains(focus)) {
        if (!child) return nullptr;
        if (QWidget* last = child->focusWidget(); last && TakesTab(last)) return last;
        QList<QWidget*> chain = TabChain(child);
        return chain.isEmpty() ? nullptr : chain.first();
    }
    if (child && isView_(child) && child->isAncestorOf(focus) && !bar.isEmpty()) return bar.first();
    return nullptr;
}

bool ToolBarFocus::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    QWidget* focus = QApplication::focusWidget();
    // A key passed on to the parents is seen again: only its delivery to the focus counts.
    if (!focus || watched != focus || focus->window() != frame_) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    QWidget* to = nullptr;
    Qt::FocusReason reason = Qt::TabFocusReason;
    if (mods == Qt::NoModifier && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)) {
        bool forward = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
        to = Next(focus, forward);
        if (!forward) reason = Qt::BacktabFocusReason;
    } else if (mods == Qt::NoModifier && k->key() == Qt::Key_F6) {
        to = Toggle(focus);
        reason = Qt::ShortcutFocusReason;
    }
    if (!to) return false;
    to->setFocus(reason);
    return true;
}

} // namespace orvelle
