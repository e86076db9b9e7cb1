#pragma once
// An Alt+letter is a menu's or a button's key: one that no menu or button of the window takes
// types nothing. Qt would otherwise type the letter into the box that has the keyboard (a note,
// a planner line, a to-do item) or let a list or a combo box jump to an entry starting with it.
// The key still reaches the window's key handlers, without its text.
class QCoreApplication;

namespace orvelle {

// Installed once for the application; calling it again changes nothing.
void InstallAltLettersTypeNothing(QCoreApplication* app);

} // namespace orvelle
