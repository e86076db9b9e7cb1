#pragma once
// What the main window's MDI area needs of its child windows: each child is a plain QWidget
// placed in a sub-window that is deleted when it closes; a child with its own menu bar shows
// its menus in the frame's menu bar while it is the active child.
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QToolButton;
class QWidget;

namespace orvelle {

// Puts `child` into a new sub-window of `area` with a client area of the given size in twips
// (0 keeps the child's own size), registers it as loaded (WindowRegistry.h) and returns the
// sub-window. The sub-window and the child are deleted when the child closes; the child's
// window title is the sub-window's caption. Maximised by the user, the sub-window keeps its
// title bar; the frame's title names it too. The sub-window is not shown yet.
QMdiSubWindow* AddMdiChild(QMdiArea* area, QWidget* child, double clientWidthTwips = 0,
                           double clientHeightTwips = 0);

// The sub-window that holds `child`, or null when it is not an MDI child.
QMdiSubWindow* MdiSubWindowOf(const QWidget* child);

// Maximises `sub` the way this program does: it fills the child area without a frame of its own
// (a maximised sub-window would put its icon and window buttons into the frame's menu bar), and
// the frame keeps it fitted to the area as that resizes. Its caption goes into the frame's title
// (MdiCaption.h).
void FillTheArea(QMdiSubWindow* sub);
bool FillsTheArea(const QMdiSubWindow* sub);
// Moves `sub` to the area's top left and shrinks it to the area where it is larger: the area has
// no scroll bars, so a part beyond its edges could not be reached.
void KeepWithinTheArea(QMdiSubWindow* sub);

// Gives `box` the keyboard together with the window it is in: the MDI sub-window holding it
// becomes the active one and its top-level window is activated, so typing goes there even when
// another top-level window (a tool window) had the keyboard.
void FocusWithItsWindow(QWidget* box);

// Declares the menu bar of an MDI child (kept hidden inside the child); the frame's switcher
// shows its menus while the child is active.
void SetMdiChildMenuBar(QWidget* child, QMenuBar* menuBar);
QMenuBar* MdiChildMenuBar(const QWidget* child);

// The child can be closed alone, with its own question, leaving the window beneath on show:
// Ctrl+F4 anywhere in it, and, while it fills the child area (maximised, without a frame of its
// own) and is the active child, one close button at the right end of the frame's menu bar.
void OfferClosingAlone(QWidget* child);

// Closes `child`'s sub-window (or the child) as the user would, with its own close question, and
// activates the topmost child left in the area, so that the window beneath comes up with its
// menus. False when the child stayed open.
bool CloseMdiChild(QWidget* child);

// Keeps the frame's menu bar showing the active child's menus, or the frame's own menus when
// the active child has none (or no child is active).
class MdiMenuSwitcher : public QObject {
    Q_OBJECT
public:
    MdiMenuSwitcher(QMainWindow* frame, QMdiArea* area);
    // Re-reads the frame's own menus (call after the frame has built its menu bar).
    void CaptureFrameMenus();
    // The child whose menus are shown, or null for the frame's own.
    QWidget* ShownChild() const { return shownChild_; }
    // Shows the menus that belong to the current active child.
    void Update();

private:
    void Show(QWidget* child);
    void ShowCloseButton();

    QMainWindow* frame_;
    QMdiArea* area_;
    QList<QAction*> frameActions_;
    QPointer<QWidget> shownChild_;
    const QObject* shownRaw_ = nullptr; // compared only, never dereferenced
    bool childShown_ = false;
    QToolButton* closeButton_ = nullptr;
};

} // namespace orvelle
