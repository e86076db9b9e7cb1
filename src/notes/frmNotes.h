#pragma once
// The notes window: the free-text note of one date, an MDI child of the main window. The note
// itself lives in the store (NotesStore); the window shows it, reports edits and hands Save,
// Print, Search Again and the switch to the planner to the store.
#include "store/UiHooks.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace orvelle {

struct Store;
class NotesTermBox;

class frmNotes : public QWidget {
    Q_OBJECT
public:
    explicit frmNotes(Store& store, QWidget* parent = nullptr);

    // Called by DisplayThisNote through store.hooks.ShowNotesWindow: puts the prepared note into
    // the open notes window of `area`, loading one when there is none, and shows it.
    static frmNotes* ShowPreparedNote(Store& store, QMdiArea* area);
    // The notes window open in `area`, or null.
    static frmNotes* Find(QMdiArea* area);

    // Run after Escape has closed the window (the main window's twelve-month view).
    void SetShowYearView(std::function<void()> f) { showYearView_ = std::move(f); }

    // Fills the box and caption from the store's prepared note.
    void LoadPreparedNote();

    void Form_Resize();
    // Escape and the terms keys; true when the key was handled.
    bool Form_KeyDown(int key);
    // The close question; true when the window may close. AskToClose only answers it: No
    // leaves the edits to the caller to drop.
    bool Form_QueryUnload();
    CloseAnswer AskToClose();
    void Form_Unload();
    void txtNotes_Change();
    void cmdPlanner_Click();
    bool mnuFileSave_Click();
    void mnuFilePrint_Click();
    void mnuEditSearchAgain_Click();
    // The search window opened or closed: "Search Again" is offered only while a search is on.
    void SearchStateChanged();

    // The note's lines as the box wraps them on screen, in order.
    QStringList DisplayLines() const;
    // Draws the heading and the display lines onto an open printer; false when it cannot print.
    bool PrintNote(QPrinter& printer);

    QPlainTextEdit* txtNotes() const { return txtNotes_; }
    // Closes the window the way the user would (its sub-window when it has one), with the close
    // question; false when the window stayed open.
    bool CloseWindow();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildMenus();
    // Selects the next hit of the search phrase at or after `from`; false when there is none.
    bool SelectSearchHit(int from);

    Store& store_;
    QPlainTextEdit* txtNotes_;
    QPushButton* cmdPlanner_;
    QMenu* mnuEdit_ = nullptr;
    QAction* mnuEditSearchAgain_ = nullptr;
    std::function<void()> showYearView_;
    NotesTermBox* terms_ = nullptr;
    // Set while the window closes to make way for the planner: the terms window stays.
    bool mOpeningPlanner_ = false;
};

} // namespace orvelle
