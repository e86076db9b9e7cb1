#pragma once
// Esc in a window with a cancel button presses it, as in a dialog box.
class QAbstractButton;

namespace orvelle {

// Esc anywhere in `button`'s window clicks it while it is shown and enabled.
void EscapePresses(QAbstractButton* button);

} // namespace orvelle
