#pragma once
// Enter, or the keypad's Enter, presses the command button that has the keyboard, in every
// window of the program, as Space does: Qt's own push buttons take Enter only inside a dialog.
// Check boxes and option buttons are left to their own keys, so Enter never toggles them.
class QCoreApplication;

namespace orvelle {

// Installed once for the application; calling it again changes nothing.
void InstallEnterPressesButton(QCoreApplication* app);

} // namespace orvelle
