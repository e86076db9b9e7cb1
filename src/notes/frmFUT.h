#pragma once
// The terms window: the current list of frequently used terms in a small window kept above the
// others beside the planner or the notes window. It shows the store's term state (TermLists)
// and hands every command to the store; hooks.RefreshTermsWindow makes it look again.
#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;

namespace orvelle {

struct Store;

class frmFUT : public QWidget {
    Q_OBJECT
public:
    explicit frmFUT(Store& store);
    ~frmFUT() override;

    // The loaded terms window, or null.
    static frmFUT* Find();
    // Loads the window when it is not loaded (reading the current list) and shows it, minimised
    // when asked; a loaded one is only brought forward.
    static frmFUT* ShowWindow(Store& store, bool minimized = false);

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void cmdOpt_Click(int index);
    void cmdCase_Click(int index);
    // Left/Insert put the selected term into the box being typed in; true when swallowed.
    bool lstFUT_KeyDown(int keyCode);
    void lstMoreFUT_Click();
    bool lstMoreFUT_KeyDown(int keyCode);
    void mnuFileNewFUT_Click();
    void mnuWindowSavePosition_Click();

    // Shows what the store's term state holds.
    void RefreshFromStore();
    // The selected row of the term list, -1 for none.
    int CurrentRow() const;

    QListWidget* lstFUT() const { return lstFUT_; }
    QListWidget* lstMoreFUT() const { return lstMoreFUT_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildMenus();
    // Runs a command of the window; one that a click started gives the keyboard back to the
    // box being typed in afterwards.
    void RunCommand(bool byMouse, const std::function<void()>& command);
    void StartDrag();
    void KeepGeometry();
    // Sizes the client so that the outer frame is placeOuter_, once the frame is known.
    void FitOuterFrame();

    Store& store_;
    QWidget* client_ = nullptr;
    QListWidget* lstFUT_ = nullptr;
    QListWidget* lstMoreFUT_ = nullptr;
    // Compared by address only: events can still come while the list is being taken down.
    QObject* listViewport_ = nullptr;
    QWidget* picOpt_ = nullptr;
    QPushButton* cmdOpt_[4] = {};
    QPushButton* cmdCase_[3] = {};
    QMenu* mnuFile_ = nullptr;
    QAction* mnuFileDelete_ = nullptr;
    QAction* mnuFileOpenFUT_ = nullptr;
    bool dragArmed_ = false;
    QPoint dragFrom_;
    QRect placeOuter_;
    bool unloaded_ = false;
    bool wasShowingMore_ = false;
    // The last command chosen in one of the window's menus was chosen with the mouse.
    bool menuByMouse_ = false;
    // The command running opened a window that takes the keyboard, or one of the term dialogs.
    bool openedWindow_ = false;
    QPointer<QDialog> openedDialog_;
};

} // namespace orvelle
