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
    frmYear(Store& s, MainShell& m);

    // The inner area of a month box's picture in the screen's pixels.
    static QSize MonthPictureSize();

    std::array<PictureBox*, 12> picMonth{};
    std::array<QPushButton*, 12> cmdMonth{};
    QWidget* framRight = nullptr;

    void Form_Load();
    void Form_Resize() override;
    void LoadTheMonths();
    void cmdMonth_Click(int index);
    void cmdMonth_MouseMove(int index);
    void picMonth_MouseDown(int index, int button, int shift, double x, double y);
    void picMonth_DblClick(int index);
    void picMonth_MouseMove(int index, int button, int shift, double x, double y);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

    void Step(int direction) override;

private:
    void MakeMonth(int i);
};

} // namespace orvelle
