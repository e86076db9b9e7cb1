#pragma once
// Where Tab goes in a window.
#include <QList>

class QPlainTextEdit;
class QWidget;

namespace orvelle {

// A multi-line box of a window filled in field by field (an alert's message, an e-mail's
// contents): Tab moves on to the next control and Shift+Tab back, as from the one-line boxes
// around it, instead of typing a tab character, which the record or the link would not keep.
void TabMovesOn(QPlainTextEdit* box);

// Tab visits `controls` in this order (the order they stand in on screen), whatever order they
// were made in.
void TabInOrder(const QList<QWidget*>& controls);

// A control Tab stops at now: shown, enabled, taking Tab, and not standing in for another.
bool TakesTab(const QWidget* w);
// The controls inside `within` (of its window) that Tab visits, in the order the window's Tab
// takes them.
QList<QWidget*> TabStops(QWidget* within);

} // namespace orvelle
