#pragma once
// The six-month view: two rows of three month boxes under their month buttons, the Next/Prev
// bar over the last box's corner, and the side panels and To Do pane on wide or tall windows.
#include "views/SidePanels.h"
#include "views/ViewHover.h"

#include <QWidget>

#include <array>

class QPushButton;

namespace orvelle {

struct Store;
class frmMain;
class PictureBox;

class frm6Months : public QWidget {
    Q_OBJECT
public:
    frm6Months(Store& s, frmMain& m);

    QWidget* picMain = nullptr;
    std::array<PictureBox*, 6> picMonth{};
    std::array<QPushButton*, 6> cmdView{};
    QWidget* picNav = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QWidget* framRight = nullptr;
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
    void LoadTheMonths();
    void cmdNext_Click();
    void cmdPrev_Click();
    bool Form_KeyDown(int keyCode, int shift);
    bool cmdView_KeyDown(int index, int keyCode, int shift);
    void cmdView_Click(int index);
    void picMain_MouseMove();
    void picMonth_MouseDown(int index, int button, int shift, double x, double y);
    void picMonth_DblClick(int index);
    void picMonth_MouseMove(int index, int button, int shift, double x, double y);
    void LoadToDo();

    bool mToDoRowsLoaded = false;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Step(int direction);
    void MakeMonth(int i);

    Store& s_;
    frmMain& main_;
    ViewHover hover_{HoverView::SixMonths};
    bool unloaded_ = false;
};

} // namespace orvelle
