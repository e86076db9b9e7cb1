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
// without, does nothing. Such a window stays on top when it is later opened by ShowInFront.
void MakeMeTopmost(QWidget* window, bool onTop);

// Centres the window on its screen unless it is minimised (a maximised one is moved too).
void CenterForm(QWidget* window);

// Call before showing a dialog: while a window is kept on top, the dialog is kept on top too, so
// that it opens above that window and can be answered without moving it; otherwise it is not.
void OpenAboveWindowsKeptOnTop(QWidget* dialog);
// Opens a window for a command: shown (a minimised one restored), in front, above any window
// kept on top (as above; the main window is never put among them), and active with the keyboard
// in `focus`, else in the control it had, else in its first control. The window manager is
// asked for the activation outright: some give a new tool or dialog window no keyboard of their
// own accord. Every window a command opens comes through here, except those shown without
// taking the keyboard (MakeMeTopmost: the terms window, the icon palette, the ringing alarm).
void ShowInFront(QWidget* window, QWidget* focus = nullptr);

} // namespace orvelle
