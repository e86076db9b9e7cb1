// frmMonth's placed icons: pressing one (to move it, or to offer "Remove Selected Icon"), moving
// it to another day, and the drop of a palette slot or a moved icon on the month box.
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "views/MonthIconControls.h"
#include "store/IconPlacing.h"
#include "store/Store.h"
#include "views/DateSelection.h"
#include "views/IconDrag.h"
#include "views/frmMonth.h"

namespace orvelle {

void frmMonth::WireIconControl(PictureBox* icon, int index) {
    icon->onMouseDown = [this, index](int b, int, double, double) { picIcon_MouseDown(index, b); };
    icon->onMouseMove = [this, index](int b, int, double, double) { picIcon_MouseMove(index, b); };
    icon->onMouseUp = [this, index](int b, int, double, double) { picIcon_MouseUp(index, b); };
}

void frmMonth::picIcon_MouseDown(int index, int button) {
    s_.icons.drag.gPressedIconIndex = index;
    if (button == kLeftButton) {
        mIconDragArmed = true;
    } else if (button == kRightButton) {
        main_.SetMenuEnabled("mnuOptDateRemoveIcon", true);
        PopUpDateMenu(main_);
    }
}

void frmMonth::picIcon_MouseMove(int index, int button) {
    if (!(button & kLeftButton) || !mIconDragArmed) return;
    mIconDragArmed = false;
    if (!BeginIconMove(s_, index)) return;
    RunIconDrag(&IconControl(*this, index), LoadIconPicture(s_, s_.icons.gPlacedIcons[index].pictureNumber));
    // Released outside the month box: the icon stays where it was, its position taken.
    EndIconDrag(s_);
}

void frmMonth::picIcon_MouseUp(int, int) { mIconDragArmed = false; }

void frmMonth::picMonth_DragDrop(double x, double y) {
    DropResult r = IconDrop(s_, x, y);
    if (r.outcome != DropOutcome::Placed) return;
    RefreshPlacedIcons();
    main_.SetMenuEnabled("mnuOptDateRemoveAll", true);
}

void frmMonth::RefreshPlacedIcons() { ShowPlacedIcons(s_, *this); }

} // namespace orvelle
