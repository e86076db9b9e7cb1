#pragma once
// Waits for where the keyboard goes. The platform hands a window the keyboard later, after
// events of its own, so a test waits for it to arrive rather than for a fixed time.
#include "common/Patience.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace orvelle::test {

// True once `window` is the active window.
inline bool BecomesActive(const QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, kPatienceMs);
}

// True once `widget` has the keyboard, in the active window.
inline bool TakesTheKeyboard(const QWidget* widget) {
    return QTest::qWaitFor(
        [widget] { return QApplication::activeWindow() == widget->window() && QApplication::focusWidget() == widget; },
        kPatienceMs);
}

} // namespace orvelle::test
