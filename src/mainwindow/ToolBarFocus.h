#pragma once
// The main window's tool bar and the calendar view below it take turns with the keyboard, as the
// parts of any main window do. Left to itself, Tab would stay inside the view's sub-window for
// good: here Tab goes from the view's last control to the bar's first (the date picker), through
// the bar and back into the view at its first control; Shift+Tab goes the other way round. F6
// moves between the view and the picker. Windows other than the calendar views keep their own
// Tab, and F6 leaves them alone.
#include <QList>
#include <QObject>

#include <functional>

class QMdiArea;
class QWidget;

namespace orvelle {

class ToolBarFocus : public QObject {
public:
    // `bar`: the bar's controls in their Tab order (those hidden or disabled are passed over);
    // `isView`: whether an MDI child is a calendar view. Watches the keys of the whole
    // application, acting only on those that reach a control of `frame`.
    ToolBarFocus(QWidget* frame, QMdiArea* area, std::function<QList<QWidget*>()> bar,
                 std::function<bool(const QWidget*)> isView);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The control to go to from `focus`, or null to leave the key to the window.
    QWidget* Next(QWidget* focus, bool forward) const;
    QWidget* Toggle(QWidget* focus) const;
    QWidget* ActiveChild() const;
    QList<QWidget*> Bar() const;

    QWidget* frame_;
    QMdiArea* area_;
    std::function<QList<QWidget*>()> bar_;
    std::function<bool(const QWidget*)> isView_;
};

} // namespace orvelle
