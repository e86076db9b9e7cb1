#pragma once
// What the three calendar views (twelve months, six months, one month) have in common: the
// Next/Prev bar, the side panels (help, alerts and birthdays), the To Do pane, and the way a
// view opens, steps, reads a pressed cell, resizes its panes and unloads. Each view builds its
// own month boxes and keeps its own event procedures; it places the shared parts through the
// helpers here.
#include "store/DateModel.h"
#include "views/MainShell.h"
#include "views/SidePanels.h"
#include "views/ViewHover.h"

#include <QWidget>

#include <optional>
#include <string>

class QPushButton;

namespace orvelle {

struct Store;
class ViewPanels;

// How one view shows itself: its name, caption and designed size in twips.
struct CalendarViewLook {
    const char* name;
    const char* title;
    double width;
    double height;
};

class CalendarViewWindow : public QWidget {
    Q_OBJECT
public:
    // The backdrop of the month boxes (twelve and six months); null in the one-month view.
    QWidget* picMain = nullptr;
    QWidget* picNav = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    // The side panels' controls: null until BuildRightPanels, which the first showing of the
    // panels calls (they show only on wide windows).
    QGroupBox* framHelp = nullptr;
    QGroupBox* framAlerts = nullptr;
    QListWidget* lstHelp = nullptr;
    QPlainTextEdit* txtHelp = nullptr;
    QLabel* lblSubject = nullptr;
    QListWidget* lstAlerts = nullptr;
    QListWidget* lstBirthdays = nullptr;
    QWidget* picToDo = nullptr;

    virtual void Form_Resize() = 0;
    void Form_Unload();
    void cmdNext_Click() { Step(+1); }
    void cmdPrev_Click() { Step(-1); }
    // Right and Left step the view; Esc leaves the six- and one-month views for the year.
    virtual bool Form_KeyDown(int keyCode, int shift);
    // The backdrop outside the boxes restores the action buttons' looks.
    void picMain_MouseMove();
    void LoadToDo();
    // Builds the help and alerts frames into their container and wires their handlers, once;
    // in the focus chain they take the place of their container, where they would have stood
    // had they been made with it.
    void BuildRightPanels();

    bool mToDoRowsLoaded = false;

protected:
    // `view` picks the view's flags and slots in the store.
    CalendarViewWindow(Store& s, MainShell& m, HoverView view, const CalendarViewLook& look);

    // Moves the view one period forward (+1) or back (-1) and draws it.
    virtual void Step(int direction) = 0;
    // Where a step lands: none (past the years dates can take) beeps before anything is asked;
    // otherwise the open note's and planner page's questions come first, then `target` becomes
    // the selected date and `show` draws the view for it.
    void StepTo(std::optional<Date> target, void (*show)(Store&, MainShell&));

    // Makes picMain; its mouse moves come to eventFilter.
    void MakeMainPicture();
    // The Next/Prev bar inside `parent`, wired to cmdPrev_Click and cmdNext_Click.
    void MakeNavBar(QWidget* parent, double left, double top);
    // A hidden container `name` at the given place for the help and alerts frames, inset by
    // `inset` twips; the alerts frame starts `alertsTop` down. The frames are built when first
    // shown (BuildRightPanels).
    QWidget* MakeRightPanels(const char* name, double left, double top, double width, double height, double inset,
                             double alertsTop);
    // The hidden To Do pane, 120 twips from the left at `top`.
    void MakeToDoPane(double top);
    // The end of Form_Load: key preview and the side panels' handlers. Tab goes as the controls
    // stand on screen: the backdrop, `months` (the view's month buttons or box, row by row), the
    // Prev/Next bar below them, then the side panels on the right.
    void WireKeysAndPanels(const QList<QWidget*>& months);
    // Form_KeyDown's keys: Right and Left step the view; Esc, where it leaves the view, closes it
    // and shows the year. False for any other key.
    bool NavigationKey(int keyCode, bool escapeShowsYear);

    // A press on cell (`column`, `row`) of `month` in `grid`: shows the cell's text in the date
    // box and returns its date in the grid's year; a cell without a date clears the date box and
    // the current cell's strings.
    std::optional<Date> ReadPressedCell(const YearGrid<std::string>& grid, int month, int column, int row,
                                        int gridYear);

    // Form_Resize does nothing while the view closes or the planner loads.
    bool ResizeHeld() const;
    // The To Do pane shows, at `top` across `width` twips, only on windows over 9500 twips tall.
    void PlaceToDoPane(double top, double width);
    // The side panels show only on windows over 15000 twips wide.
    bool WideEnoughForRightPanels() const;
    void HideRightPanels(QWidget* panel);
    // Places `panel` at `left`, `width` wide, down to the To Do pane's bottom (or the window's),
    // puts the alerts frame under the help frame, refills the pending lists and shows it.
    void ShowRightPanels(QWidget* panel, double left, double width);

    // What a view resets on unload beyond the common flags.
    virtual void UnloadSpecifics() {}

    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    Store& s_;
    MainShell& main_;
    ViewHover hover_;

private:
    int RightPanelsSlot() const;

    QWidget* rightPanels_ = nullptr;
    double rightPanelsInset_ = 0;
    double rightAlertsTop_ = 0;
    ViewPanels* panelHandlers_ = nullptr;

    HoverView view_;
    bool& open_;
    bool& closing_;
    bool unloaded_ = false;
};

} // namespace orvelle
