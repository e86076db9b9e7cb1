#pragma once
// The main window's tool bar and the window in the child area below it (a calendar view, the
// planner, the notes, a report) take turns with the keyboard, as the parts of any main window
// do. Tab past the bar's last control leads into that window and Shift+Tab before the bar's
// first control into its end; F6 moves between the window and the picker. A calendar view is
// entered at its first or last Tab stop, and left through its own Tab wrapping round to the
// bar; the other windows keep their own Tab and are entered where the user types in them (the
// planner's current line, whose boxes take no Tab). Ctrl+Tab and Ctrl+F6 from the bar go back
// into the window in front; within the child area Ctrl+F6 steps to the next window as Ctrl+Tab
// does, Ctrl+Shift+F6 to the one before.
#include <QList>
#include <QObject>

#include <functional>

class QMdiArea;
class QWidget;

namespace orvelle {

class ToolBarFocus : public QObject {
public:
    // `bar`: the bar's controls in their Tab order (those hidden or disabled are passed over);
    // `isView`: whether an MDI child is a calendar view; `typingBox`: the control a child that is
    // no view takes the keyboard back in, or null to give it back the control it had. Watches
    // the keys of the whole application, acting only on those that reach a control of `frame`.
    ToolBarFocus(QWidget* frame, QMdiArea* area, std::function<QList<QWidget*>()> bar,
                 std::function<bool(const QWidget*)> isView, std::function<QWidget*(QWidget*)> typingBox);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The control to go to from `focus`, or null to leave the key to the window.
    QWidget* Next(QWidget* focus, bool forward) const;
    QWidget* Toggle(QWidget* focus) const;
    // Where the keyboard goes into `child` from the bar: its start (Tab), its end (Shift+Tab), or
    // back where it was (F6).
    enum class Way { Start, End, Back };
    QWidget* Entry(QWidget* child, Way way) const;
    QWidget* ActiveChild() const;
    QList<QWidget*> Bar() const;
    bool InArea(const QWidget* w) const;

    QWidget* frame_;
    QMdiArea* area_;
    std::function<QList<QWidget*>()> bar_;
    std::function<bool(const QWidget*)> isView_;
    std::function<QWidget*(QWidget*)> typingBox_;
};

} // namespace orvelle
