#pragma once
// What the calendar views need of the window that holds them: the date picker, the status
// texts, the menus and tool buttons, and the child area. The main window implements it; a view
// sees only these operations, so a change to the main window that keeps them cannot break a view.
#include "store/Dates.h"

#include <QString>

#include <optional>

class QMdiArea;
class QMenu;
class QWidget;

namespace orvelle {

struct Store;
class frmYear;
class frm6Months;
class frmMonth;

// The looks of a tool button.
enum class ButtonLook { NoFocus, Up, Down, Exists };

class MainShell {
public:
    virtual Store& store() const = 0;
    // The window itself: the parent of shared child windows and the owner of connections.
    virtual QWidget* ShellWidget() = 0;

    // The date picker: writes the selected date into it; the date its texts name, if any.
    virtual void ShowSelectedDateInPicker() = 0;
    virtual std::optional<Date> PickerDate() const = 0;

    // The status texts: the date box, the cell under the pointer, the holiday, the template
    // state, the "spans next year" flag and the window caption.
    virtual QString DateBoxText() const = 0;
    virtual void SetDateBoxText(const QString& text) = 0;
    virtual void ClearDateBox() = 0;
    virtual void SetCellPositionTexts(int month, int column, int row) = 0;
    virtual void SetHolidayText(const QString& text) = 0;
    virtual void SetTemplateText(const QString& text) = 0;
    virtual void ShowTemplateText(bool shown) = 0;
    virtual void SetCursorPositionText(const QString& text) = 0;
    virtual void SetCaption(const QString& text) = 0;

    // A menu item or sub-menu by its control name ("mnuFilePrintCalendar", "mnuEditMark_3").
    virtual void SetMenuEnabled(const QString& name, bool enabled) = 0;
    // The "&Date Options" menu the views pop up.
    virtual QMenu* DateMenu() const = 0;

    // Tool buttons: an action button's look, and the rest looks of the view buttons for the
    // shown view and template mode.
    virtual void SetOptLook(int index, ButtonLook look) = 0;
    virtual void RestViewButtons() = 0;

    // The child area and a child window shown filling it.
    virtual QMdiArea* mdiArea() const = 0;
    virtual void ShowChild(QWidget* child) = 0;

    // The view windows: null while not loaded. Load... creates the window (running its
    // Form_Load) when needed; a view reports its Form_Unload to ViewUnloaded.
    virtual frmYear* yearView() const = 0;
    virtual frm6Months* sixMonthView() const = 0;
    virtual frmMonth* monthView() const = 0;
    virtual frmYear& LoadYearView() = 0;
    virtual frm6Months& LoadSixMonthView() = 0;
    virtual frmMonth& LoadMonthView() = 0;
    virtual void ViewUnloaded(QWidget* view) = 0;

protected:
    ~MainShell() = default;
};

} // namespace orvelle
