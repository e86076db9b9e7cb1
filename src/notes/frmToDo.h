#pragma once
// The default to-do list window ("To Do List"): ten numbered items with done marks, Remove,
// Save, Print and the moves of the whole list. It edits its own copy of the marks and the
// store's gToDoTexts; nothing reaches "To Do.dat" (or the calendar's To Do pane and the
// planner's import) before Save.
#include "notes/ToDoRows.h"
#include "store/UiHooks.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelle {

struct Store;

class frmToDo : public QWidget {
    Q_OBJECT
public:
    explicit frmToDo(Store& store, QWidget* parent = nullptr);

    // The three openers (Manage > "To Do List", the planner's "Edit Default To Do List"): reads
    // the list and shows the window, one per parent. An open window is only brought forward, so
    // edits in it are never replaced behind the user's back.
    static frmToDo* Open(Store& store, QWidget* parent);

    void imgChkBox_Click(int index);
    void cmdDelete_Click(int index);
    void txt_Change(int index);
    void txt_GotFocus(int index);
    void txt_LostFocus(int index);
    // True when the key was handled (focus moved, or Enter swallowed).
    bool txt_KeyDown(int index, int key);
    // Saves and refills from the file just written; false when nothing was written.
    bool mnuFileSave_Click();
    void mnuFilePrint_Click();
    void mnuOptMoveDown_Click();
    void mnuOptMoveUp_Click();
    // The close question; true when the window may close. AskToClose only answers it: No
    // leaves the edits to the caller to drop.
    bool Form_QueryUnload();
    CloseAnswer AskToClose();
    void Form_Unload();

    const ToDoRows& Rows() const { return rows_; }
    QLineEdit* txt(int i) const { return txt_[i]; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Rows from the list that ReadToDoList left in the store.
    void FillFromStore();
    // Widgets from rows_, without counting as edits.
    void ShowRows();
    void ShowMark(int index);
    void SetBackColor(int index, const QColor& color);
    // The key is one of the menu commands' shortcuts.
    bool IsWindowShortcut(const QKeyEvent& e) const;

    Store& store_;
    ToDoRows rows_;
    bool loading_ = false;
    QLabel* lblTop_;
    std::array<QLabel*, ToDoRows::kRows> imgChkBox_{};
    std::array<QLabel*, ToDoRows::kRows> lbl_{};
    std::array<QLineEdit*, ToDoRows::kRows> txt_{};
    std::array<QPushButton*, ToDoRows::kRows> cmdDelete_{};
};

} // namespace orvelle
