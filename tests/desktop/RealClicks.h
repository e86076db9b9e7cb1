#pragma once
// Mouse clicks as the X server delivers them: XTest moves the pointer and presses a button on
// the display, so the window manager activates (or does not) the window clicked, as it does for
// a user's mouse; the test then looks where the next typed key lands.
#include "RealKeys.h"

#include <QPoint>
#include <QWidget>

namespace orvelle::test {

inline void FakePointer(uint8_t type, uint8_t detail, int16_t x = 0, int16_t y = 0) {
    xcb_connection_t* c = XConnection();
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, type == XCB_MOTION_NOTIFY ? root : XCB_NONE, x, y, 0);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// A click at `local` in `widget` (its middle when not given), of the left button unless another
// is named (3 is the right one). False without a display.
inline bool ClickAt(const QWidget* widget, QPoint local = QPoint(-1, -1), uint8_t button = 1) {
    if (!XConnection() || !widget) return false;
    if (local == QPoint(-1, -1)) local = widget->rect().center();
    const QPoint at = widget->mapToGlobal(local);
    FakePointer(XCB_MOTION_NOTIFY, 0, static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y()));
    LetKeysArrive();
    FakePointer(XCB_BUTTON_PRESS, button);
    FakePointer(XCB_BUTTON_RELEASE, button);
    LetKeysArrive(100);
    return true;
}

} // namespace orvelle::test
