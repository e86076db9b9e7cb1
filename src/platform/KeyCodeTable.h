#pragma once
// The one table between Qt's keys and the key codes the line boxes' handlers work with (the
// platform's virtual key codes of a US keyboard: "A" 65, Enter 13, Right 39), and the
// modifier state as those handlers see it (1 Shift, 2 Ctrl, 4 Alt, added).
#include <Qt>

namespace orvelle {

// 0 for a key the table does not know.
int KeyCodeFromQtKey(int qtKey);
// The Qt key of a key code (the unshifted one); Qt::Key_unknown for an unknown code.
int QtKeyFromKeyCode(int keyCode);

int ShiftStateOf(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers ModifiersOf(int shiftState);

} // namespace orvelle
