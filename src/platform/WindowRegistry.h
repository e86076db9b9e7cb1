#pragma once
// The program's windows in the order they were loaded, so that the end of the program can
// unload them last first, and the helpers that place a window on the screen.
#include <QList>
#include <QPointer>
#include <QWidget>

namespace orvelle {

// Adds a window (a top-level window or the widget inside an MDI child) to the loaded windows;
// it leaves the list by itself when it is destroyed. Adding one twice keeps its first place.
void RegisterWindow(QWidget* window);
// The loaded windows, first loaded first.
QList<QWidget*> LoadedWindows();

// Closes every loaded window, the last loaded first, once every window with a close question
// (platform/CloseQuestions.h) has asked it, in the same order: Cancel there closes nothing. A
// window's close handler may still refuse (ignore the close event), which stops the shutdown at
// once and returns false with the program still running. Otherwise the event loop is told to
// quit and true is returned.
// A call made while a shutdown is already running returns true at once.
bool UnloadAllFormsAndEnd();

// With onTop, keeps the window above all ordinary windows and shows it without activating it;
// without, does nothing.
void MakeMeTopmost(QWidget* window, bool onTop);

// Centres the window on its screen unless it is minimised (a maximised one is moved too).
void CenterForm(QWidget* window);

// Call before showing a dialog: while a window is kept on top, the dialog is kept on top too, so
// that it opens above that window and can be answered without moving it; otherwise it is not.
void OpenAboveWindowsKeptOnTop(QWidget* dialog);
// Shows the dialog above any window kept on top (as above), in front and with the keyboard: one
// opened again comes back where it can be answered.
void ShowInFront(QWidget* dialog);

} // namespace orvelle
