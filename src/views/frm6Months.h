#pragma once
// The six-month view: two rows of three month boxes under their month buttons, the Next/Prev
// bar over the last box's corner, and the side panels and To Do pane on wide or tall windows.
#include "views/CalendarViewWindow.h"

#include <array>

namespace orvelle {

class PictureBox;

class frm6Months : public CalendarViewWindow {
    Q_OBJECT
public:
    frm6Months(Store& s, MainShell& m);

    std::array<PictureBox*, 6> picMonth{};
    std::array<QPushButton*, 6> cmdView{};
    QWidget* framRight = nullptr;

    void Form_Load();
    void Form_Resize() override;
    void LoadTheMonths();
    bool cmdView_KeyDown(int index, int keyCode, int shift);
    void cmdView_Click(int index);
    void picMonth_MouseDown(int index, int button, int shift, double x, double y);
    void picMonth_DblClick(int index);
    void picMonth_MouseMove(int index, int button, int shift, double x, double y);

protected:
    void Step(int direction) override;

private:
    void MakeMonth(int i);
};

} // namespace orvelle
