#pragma once
// The one-month view: one large month box with weekday labels and the Next/Prev bar in its
// bottom right corner, the message strip at the left and the side panels at the right on wide
// windows, and the To Do pane below on tall ones.
#include "views/CalendarViewWindow.h"

#include <array>
#include <vector>

class QScrollBar;

namespace orvelle {

class PictureBox;

class frmMonth : public CalendarViewWindow {
    Q_OBJECT
public:
    frmMonth(Store& s, MainShell& m);

    PictureBox* picMonth = nullptr;
    std::array<QLabel*, 7> lblDay{};
    // The placed icons: element 0 exists with the window, the others are made as icons are placed.
    std::vector<PictureBox*> picIcon;
    QWidget* picLeft = nullptr;
    QWidget* picTTT = nullptr;
    std::array<QLabel*, 36> lblTTT{};
    QScrollBar* VScroll1 = nullptr;
    QWidget* picRight = nullptr;

    void Form_Load();
    void Form_Resize() override;
    // Stacks the messages down the strip in their order; one too long for the strip's width
    // wraps onto further lines rather than running behind the scroll bar, and the strip (and
    // the scroll bar's reach) grows to hold them all.
    void PlaceMessageLabels();
    bool Form_KeyDown(int keyCode, int shift) override;
    void picMonth_MouseDown(int button, int shift, double x, double y);
    void picMonth_DblClick();
    void picMonth_MouseMove(int button, int shift, double x, double y);

    // Placed icons (frmMonthIcons.cpp).
    void WireIconControl(PictureBox* icon, int index);
    void picIcon_MouseDown(int index, int button);
    void picIcon_MouseMove(int index, int button);
    void picIcon_MouseUp(int index, int button);
    void picMonth_DragDrop(double x, double y);
    // Shows the placed icons as the store has them now.
    void RefreshPlacedIcons();

protected:
    void UnloadSpecifics() override;
    void Step(int direction) override;

private:
    bool mIconDragArmed = false;
};

} // namespace orvelle
