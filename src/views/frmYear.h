#pragma once
// The twelve-month view: twelve month boxes under their month buttons in four columns, the
// Next/Prev bar under the last box, and the side panels and To Do pane on wide or tall windows.
#include "views/CalendarViewWindow.h"

#include <array>

namespace orvelle {

class PictureBox;

class frmYear : public CalendarViewWindow {
    Q_OBJECT
public:
    frmYear(Store& s, frmMain& m);

    QWidget* picMain = nullptr;
    std::array<PictureBox*, 12> picMonth{};
    std::array<QPushButton*, 12> cmdMonth{};
    QWidget* framRight = nullptr;

    void Form_Load();
    void Form_Resize() override;
    void LoadTheMonths();
    void cmdNext_Click() override;
    void cmdPrev_Click() override;
    bool Form_KeyDown(int keyCode, int shift) override;
    void cmdMonth_Click(int index);
    void cmdMonth_MouseMove(int index);
    void picMain_MouseMove();
    void picMonth_MouseDown(int index, int button, int shift, double x, double y);
    void picMonth_DblClick(int index);
    void picMonth_MouseMove(int index, int button, int shift, double x, double y);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Step(int direction);
    void MakeMonth(int i);
};

} // namespace orvelle
