#include "platform/TabKeys.h"

#include <QPlainTextEdit>
#include <QWidget>

namespace orvelle {

void TabMovesOn(QPlainTextEdit* box) {
    if (box) box->setTabChangesFocus(true);
}

void TabInOrder(const QList<QWidget*>& controls) {
    for (qsizetype i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

bool TakesTab(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

QList<QWidget*> TabStops(QWidget* within) {
    QList<QWidget*> out;
    QWidget* w = within;
    // The chain is a ring over the whole top-level window; a guard keeps a broken one finite.
    for (int guard = 0; guard < 100000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == within) break;
        if (within->isAncestorOf(w) && TakesTab(w)) out << w;
    }
    return out;
}

} // namespace orvelle
