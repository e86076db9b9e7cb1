#pragma once
// Mouse buttons and modifier keys in the values the event handlers take: button 1 left,
// 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt (masks, combined when several are held).
#include <Qt>

namespace orvelle {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

inline int VbButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) | (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

inline int VbShift(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? kShiftMask : 0) | (mods & Qt::ControlModifier ? kCtrlMask : 0) |
           (mods & Qt::AltModifier ? kAltMask : 0);
}

} // namespace orvelle
