#pragma once
// The one-month view: one large month box with weekday labels and the Next/Prev bar in its
// bottom right corner, the message strip at the left and the side panels at the right on wide
// windows, and the To Do pane below on tall ones.
#include "views/SidePanels.h"
#include "views/ViewHover.h"

#include <QWidget>

#include <array>
#include <vector>

class QPushButton;
class QScrollBar;

namespace orvelle {

struct Store;
class frmMain;
class PictureBox;

class frmMonth : public QWidget {
    Q_OBJECT
public:
    frmMonth(Store& s, frmMain& m);

    PictureBox* picMonth = nullptr;
    QWidget* picNav = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    std::array<QLabel*, 7> lblDay{};
    // The placed icons: element 0 exists with the window, the others are made as icons are placed.
    std::vector<PictureBox*> picIcon;
    QWidget* picLeft = nullptr;
    QWidget* picTTT = nullptr;
    std::array<QLabel*, 36> lblTTT{};
    QScrollBar* VScroll1 = nullptr;
    QWidget* picRight = nullptr;
    QGroupBox* framHelp = nullptr;
    QGroupBox* framAlerts = nullptr;
    QListWidget* lstHelp = nullptr;
    QPlainTextEdit* txtHelp = nullptr;
    QLabel* lblSubject = nullptr;
    QListWidget* lstAlerts = nullptr;
    QListWidget* lstBirthdays = nullptr;
    QWidget* picToDo = nullptr;

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void cmdNext_Click();
    void cmdPrev_Click();
    bool Form_KeyDown(int keyCode, int shift);
    void picMonth_MouseDown(int button, int shift, double x, double y);
    void picMonth_DblClick();
    void picMonth_MouseMove(int button, int shift, double x, double y);
    void LoadToDo();

    bool mToDoRowsLoaded = false;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Step(int direction);

    Store& s_;
    frmMain& main_;
    ViewHover hover_{HoverView::OneMonth};
    bool unloaded_ = false;
};

} // namespace orvelle
