#pragma once
// Placing, moving and removing icons on the days of the one-month view, without any window: the
// pool of placed-icon controls, the four positions of a day and the rules of a drop. The month
// view shows store.icons.gPlacedIcons after each step; the drag and drop of the windows only
// starts a drag here and hands the drop point over.
#include <string>

namespace orvelle {

struct Store;

enum class DropOutcome {
    Placed,
    NoDrag,        // nothing was being dragged
    OffTheGrid,    // the title and weekday band, or outside the six weeks
    OutsideMonth,  // a cell of no date
    TemplateDay,   // the 29th or 30th of the template
    DayFull,       // all four positions taken ("Day Full" was shown)
};

struct DropResult {
    DropOutcome outcome = DropOutcome::NoDrag;
    int control = -1; // the control that shows the placed icon
};

// The control for a new icon: the first free member of the pool, else a new one (never past
// 124, since each member in use holds one of the month's positions). Sets gIconTargetIndex.
int GetAvailableIcon(Store& s);

// A palette slot leaves the palette.
void BeginPaletteDrag(Store& s, int slot);
// Control `index` starts to move: its position is freed until the drop. False (nothing starts)
// when the control shows no icon.
bool BeginIconMove(Store& s, int index);
// The drag ended without a drop that placed or refused it (released outside the month, or
// the platform cancelled it): a moved icon takes its old position again.
void EndIconDrag(Store& s);

// The drop at (x, y) in month-box units. Refused drops leave every icon where it was; a moved
// icon keeps its old position, which is marked occupied again.
DropResult IconDrop(Store& s, double x, double y);

// "Remove Selected Icon": the icon of gPressedIconIndex. False when that control shows none.
bool RemoveSelectedIcon(Store& s);
// "Remove All Icons": asks first; false when the answer was No.
bool RemoveAllIcons(Store& s);

// The caption editor's save: slot, picture and caption into the palette table, then the file.
bool SetIconTag(Store& s, int slot, int picture, const std::string& caption);

} // namespace orvelle
