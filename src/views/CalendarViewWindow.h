#pragma once
// What the three calendar views (twelve months, six months, one month) have in common: the
// Next/Prev bar, the side panels (help, alerts and birthdays), the To Do pane, and the way a
// view opens, resizes its panes and unloads. Each view builds its own month boxes and keeps its
// own event procedures; it places the shared parts through the helpers here.
#include "views/SidePanels.h"
#include "views/ViewHover.h"

#include <QWidget>

class QPushButton;

namespace orvelle {

struct Store;
class frmMain;

// How one view differs in what the base does for it.
struct CalendarViewKind {
    HoverView hover;
    bool& open;            // the view's "open" flag (gYearViewOpen ...)
    bool& closing;         // its "closing" flag, which holds off resizing
    int rightPanelsIndex;  // its slot in gRightPanelsShown
    bool sixMonthToDo;     // the To Do pane places itself (six-month layout)
};

class CalendarViewWindow : public QWidget {
    Q_OBJECT
public:
    QWidget* picNav = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
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
    virtual void cmdNext_Click() = 0;
    virtual void cmdPrev_Click() = 0;
    virtual bool Form_KeyDown(int keyCode, int shift) = 0;
    void LoadToDo();

    bool mToDoRowsLoaded = false;

protected:
    CalendarViewWindow(Store& s, frmMain& m, const CalendarViewKind& kind);

    // The backdrop of the month boxes ("picMain"); its mouse moves come to eventFilter.
    QWidget* MakeMainPicture();
    // The Next/Prev bar inside `parent`, wired to cmdPrev_Click and cmdNext_Click.
    void MakeNavBar(QWidget* parent, double left, double top);
    // A hidden container `name` at the given place holding the help and alerts frames, inset by
    // `inset` twips; the alerts frame starts `alertsTop` down.
    QWidget* MakeRightPanels(const char* name, double left, double top, double width, double height, double inset,
                             double alertsTop);
    // The hidden To Do pane, 120 twips from the left at `top`.
    void MakeToDoPane(double top);
    // The end of Form_Load: key preview and the side panels' handlers.
    void WireKeysAndPanels();
    // Form_KeyDown's keys: Right and Left step the view; Esc, where it leaves the view, closes it
    // and shows the year. False for any other key.
    bool NavigationKey(int keyCode, bool escapeShowsYear);

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

    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    Store& s_;
    frmMain& main_;
    ViewHover hover_;

private:
    bool& open_;
    bool& closing_;
    int rightPanelsIndex_;
    bool sixMonthToDo_;
    bool unloaded_ = false;
};

} // namespace orvelle
