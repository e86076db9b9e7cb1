#pragma once
// The daily planner window: the page of one date with its own menus, the two day buttons, Save,
// and the close question. A child of the main window's MDI area; it also works on its own.
//
// The main window opens a date with OpenPlannerFor(date). The page is taller than most screens
// and scrolls inside the window (Page Up / Page Down). While it is loaded the window answers the
// store's planner hooks (ShowPlannerPage, SavePlanner, UnloadPlannerWindow).
#include "planner/PlannerPageModel.h"
#include "store/Dates.h"
#include "store/UiHooks.h"

#include <QWidget>

#include <array>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QScrollArea;

namespace orvelle {

struct Store;
class PlannerLineEditing;
class PlannerPageView;
class PlannerTerms;
class PlannerTimeLabels;

class frmPlanner : public QWidget {
    Q_OBJECT
public:
    explicit frmPlanner(Store& store, QWidget* parent = nullptr);
    ~frmPlanner() override;

    // The road from the main window's "Open Planner for Selected Date": the date becomes the
    // selected date, the page is reset and the date's stored page is shown.
    void OpenPlannerFor(Date date);

    // Resets the page for a new date: hourly captions, empty lines, nothing done; the main
    // window's caption becomes "Orvelle: Daily Planner".
    void InitializePlannerForm();
    // Shows what the page buffers hold (after the store read a record into them).
    void ShowPlannerPage();
    // "Save Planner": false when nothing was saved (a failed write, or No to overwriting).
    bool SavePlanner();

    PlannerPageModel& Model() { return model_; }
    // True once the window has closed (its deletion may still be pending).
    bool IsUnloaded() const { return unloaded_; }
    PlannerPageView* Page() const { return page_; }
    // The line boxes' editing rules and the time labels with their editor.
    PlannerLineEditing* Editing() const { return editing_; }
    PlannerTimeLabels* TimeLabels() const { return timeLabels_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    // Where the keyboard goes back into the page: the open time editor when the user was in it,
    // else the current line (line 0 on a page just opened), its caret where it was left.
    QLineEdit* TypingControl() const;

    // The event procedures, public so the main window and tests can drive them.
    void cmdDay_Click(int index);
    void mnuFileSave_Click();
    void mnuFileExit_Click();
    void mnuFileQuit_Click();
    void mnuOptShowMainLabel_Click();
    // Form_QueryUnload: the save question; false when the window must stay open. AskToClose
    // only answers it: No leaves the edits to the caller to drop.
    bool Form_QueryUnload();
    CloseAnswer AskToClose();

signals:
    // The planner was left through its own exit commands: show the twelve-month view.
    void exitedToCalendar();
    // A date's page is on show: the main window brings the planner up in place of the view.
    void pageShown();
    // The day buttons moved the selected date: the date picker should follow.
    void selectedDateChanged(Date date);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenus();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool enabled);
    void ConnectPage();
    void txt_Change(int index);
    // Form_KeyDown: true when the key was the window's (page keys, Esc).
    bool Form_KeyDown(int key);
    void ScrollOnPageKey(int key);
    void RefreshPage();
    void RefreshBox(int i);
    void ShowDateCaption(bool hasRecord);
    // The date of the page on show: the window's own, not the program's selected date.
    Date PageDate() const;
    void SelectSearchHit();
    // Scrolls the search hit's line into sight together with the date heading above it.
    void ShowHitWithHeading();
    void Form_Unload();

    Store& s_;
    PlannerPageModel model_;
    QMenuBar* menuBar_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PlannerPageView* page_ = nullptr;
    PlannerLineEditing* editing_ = nullptr;
    PlannerTimeLabels* timeLabels_ = nullptr;
    PlannerTerms* terms_ = nullptr;
    bool unloaded_ = false;
    bool refreshing_ = false;
    bool pageShown_ = false;
    // The search hit's line while the page is kept showing it, -1 once the user scrolled.
    int hitShown_ = -1;
    // The open time editor, not a line, was the last to have the keyboard.
    bool inTimeEditor_ = false;
};

} // namespace orvelle
