#include "store/IconPlacing.h"

#include "store/IconFiles.h"
#include "store/Store.h"

#include <cmath>

namespace orvelle {
namespace {

auto& LinesOfMode(Store& s) { return s.flags.gTemplateMode ? s.icons.gTemplateIconLines : s.icons.gMonthIconLines; }
int& LineCountOfMode(Store& s) {
    return s.flags.gTemplateMode ? s.icons.gTemplateIconLineCount : s.icons.gMonthIconLineCount;
}

void EnsurePaletteRead(Store& s) {
    if (s.icons.gIconTagLast != kIconPaletteSlots - 1) ReadIconTags(s);
}

// The moved icon's old position counts as occupied again.
void PutMovedIconBack(Store& s) {
    IconDragState& d = s.icons.drag;
    if (d.movedDay >= 0 && d.movedDay < 31 && d.movedPosition >= 0 && d.movedPosition < kIconPositionsPerDay)
        s.icons.gDayIconSlots[d.movedDay][d.movedPosition] = -1;
    d.movedDay = d.movedPosition = -1;
    d.movedPicture.clear();
}

DropResult Refuse(Store& s, DropOutcome outcome) {
    if (s.icons.drag.gDragKind == "Picture") PutMovedIconBack(s);
    s.icons.drag.gDragKind.clear();
    return {outcome, -1};
}

bool ShowsIcon(const Store& s, int k) {
    return k >= 0 && k < s.icons.gIconControlCount && k < static_cast<int>(s.icons.gPlacedIcons.size()) &&
           s.icons.gPlacedIcons[k].visible;
}

} // namespace

int GetAvailableIcon(Store& s) {
    IconFiles& ic = s.icons;
    if (ic.gIconControlCount == 0) {
        // The month's first icon takes member 0, which always exists.
        ic.gIconPool.assign(1, IconPoolEntry{0, 0});
        ic.gIconControlsInUse[0] = -1;
        ic.gIconControlCount = 1;
        ic.drag.gIconTargetIndex = 0;
        return 0;
    }
    for (int i = 0; i < ic.gIconControlCount && i < static_cast<int>(ic.gIconPool.size()); ++i) {
        if (ic.gIconPool[i].freeFlag == -1) {
            ic.gIconPool[i].freeFlag = 0;
            ic.drag.gIconTargetIndex = i;
            return i;
        }
    }
    int k = ic.gIconControlCount;
    if (k >= kMaxIconPlacements) return -1; // cannot happen: IconDrop takes a position first
    ic.gIconControlsInUse[k] = -1;
    ic.gIconPool.resize(static_cast<size_t>(k) + 1);
    ic.gIconPool[k] = IconPoolEntry{k, 0};
    ic.gIconControlCount = k + 1;
    ic.drag.gIconTargetIndex = k;
    return k;
}

void BeginPaletteDrag(Store& s, int slot) {
    IconDragState& d = s.icons.drag;
    if (slot < 0 || slot >= kIconPaletteSlots) return;
    d.gDragKind = "Image";
    d.gDraggedIconNumber = slot;
    d.movedDay = d.movedPosition = -1;
}

bool BeginIconMove(Store& s, int index) {
    if (!ShowsIcon(s, index)) return false;
    const PlacedIcon& p = s.icons.gPlacedIcons[index];
    auto line = ParseIconPlacement(p.tag);
    if (!line) return false;
    IconDragState& d = s.icons.drag;
    d.gPressedIconIndex = index;
    d.gDraggedIconNumber = line->slot;
    d.gDragKind = "Picture";
    d.movedDay = line->day;
    d.movedPosition = line->position;
    d.movedPicture = p.pictureNumber;
    s.icons.gDayIconSlots[line->day][line->position] = 0;
    return true;
}

void EndIconDrag(Store& s) {
    if (s.icons.drag.gDragKind.empty()) return;
    Refuse(s, DropOutcome::NoDrag);
}

DropResult IconDrop(Store& s, double x, double y) {
    IconFiles& ic = s.icons;
    IconDragState& d = ic.drag;
    if (d.gDragKind.empty()) return {};
    bool moving = d.gDragKind == "Picture";

    // Halves go to the even neighbour (the default rounding mode), so x = 1.0 is column 0.
    double column = std::nearbyint(x - 0.5);
    double row = std::nearbyint(y - 1.25);
    if (!(y >= 0.75) || !(column >= 0 && column <= 6) || !(row >= 0 && row <= 5))
        return Refuse(s, DropOutcome::OffTheGrid);
    int c = static_cast<int>(column), r = static_cast<int>(row);

    // In template mode the cells are January's, the month shown, whatever month is selected.
    MonthCells cells = IconMonthCells(s);
    const std::string& text = cells[c][r];
    if (IsBlankDateCell(text) || text.size() < 5) return Refuse(s, DropOutcome::OutsideMonth);
    int day = (text[3] - '0') * 10 + (text[4] - '0');
    if (day < 1 || day > 31) return Refuse(s, DropOutcome::OutsideMonth);
    if (s.flags.gTemplateMode && (day == 29 || day == 30)) return Refuse(s, DropOutcome::TemplateDay);
    int d0 = day - 1;

    // The position is found before a control is taken, so a full day uses up no control.
    auto& slots = ic.gDayIconSlots[d0];
    int position = -1;
    for (int p = 0; p < kIconPositionsPerDay && position < 0; ++p)
        if (slots[p] == 0) position = p;
    if (position < 0) {
        s.ui->MsgBox("Day Full", MsgButtons::OK, "");
        return Refuse(s, DropOutcome::DayFull);
    }

    EnsurePaletteRead(s);
    int slot = d.gDraggedIconNumber;
    if (slot < 0 || slot >= kIconPaletteSlots) return Refuse(s, DropOutcome::NoDrag);
    int k = moving ? d.gPressedIconIndex : GetAvailableIcon(s);
    if (k < 0 || k >= kMaxIconPlacements) return Refuse(s, DropOutcome::NoDrag);

    slots[position] = -1;
    if (ic.gPlacedIcons.size() <= static_cast<size_t>(k)) ic.gPlacedIcons.resize(static_cast<size_t>(k) + 1);
    PlacedIcon& icon = ic.gPlacedIcons[k];
    icon.visible = true;
    icon.column = c;
    icon.row = r;
    icon.left = c + IconFiles::gIconSlotOffsetsX[position];
    icon.top = r + IconFiles::gIconOffsetY;
    icon.tag = FormatIconPlacement({d0, position, slot});
    icon.slot = slot;
    // A moved icon keeps the picture it was given; its caption is the slot's current one.
    icon.pictureNumber = moving ? d.movedPicture : ic.gIconTagNumbers[slot];
    icon.caption = ic.gIconTagCaptions[slot];
    LinesOfMode(s)[k] = icon.tag;

    s.flags.gMonthIconsChanged = true;
    d.gDragKind.clear();
    d.movedDay = d.movedPosition = -1;
    d.movedPicture.clear();
    return {DropOutcome::Placed, k};
}

bool RemoveSelectedIcon(Store& s) {
    IconFiles& ic = s.icons;
    int k = ic.drag.gPressedIconIndex;
    // An icon already removed keeps its old tag; freeing that position again would free
    // whichever icon sits there now.
    if (!ShowsIcon(s, k)) return false;
    PlacedIcon& icon = ic.gPlacedIcons[k];
    if (auto line = ParseIconPlacement(icon.tag)) ic.gDayIconSlots[line->day][line->position] = 0;
    auto& lines = LinesOfMode(s);
    int found = lines[k] == icon.tag ? k : -1;
    for (int j = 0; found < 0 && j < ic.gIconControlCount; ++j)
        if (!lines[j].empty() && lines[j] == icon.tag) found = j;
    if (found >= 0) {
        lines[found].clear();
        int& count = LineCountOfMode(s);
        if (count > 0) --count;
    }
    if (k < static_cast<int>(ic.gIconPool.size())) ic.gIconPool[k].freeFlag = -1;
    icon.visible = false;
    s.flags.gMonthIconsChanged = true;
    return true;
}

bool RemoveAllIcons(Store& s) {
    MsgAnswer a = s.ui->MsgBox("Proceeding with this action will remove all icons for the entire month. Continue?",
                               MsgButtons::YesNo, "Preparing to remove all Icons");
    if (a != MsgAnswer::Yes) return false;
    IconFiles& ic = s.icons;
    for (int k = 0; k < ic.gIconControlCount; ++k) {
        if (k < static_cast<int>(ic.gIconPool.size())) ic.gIconPool[k].freeFlag = -1;
        if (k < static_cast<int>(ic.gPlacedIcons.size())) ic.gPlacedIcons[k].visible = false;
    }
    for (auto& day : ic.gDayIconSlots) day.fill(0);
    for (auto& line : LinesOfMode(s)) line.clear();
    LineCountOfMode(s) = 0;
    s.flags.gMonthIconsChanged = true;
    return true;
}

bool SetIconTag(Store& s, int slot, int picture, const std::string& caption) {
    if (slot < 0 || slot >= kIconPaletteSlots || picture < 0 || picture >= kIconPictureCount) return false;
    // A save before the palette was read would write 95 blank lines.
    EnsurePaletteRead(s);
    IconFiles& ic = s.icons;
    std::string oldCaption = ic.gIconTagCaptions[slot], oldNumber = ic.gIconTagNumbers[slot],
                oldLine = ic.gIconTagLines[slot];
    ic.gIconTagCaptions[slot] = caption;
    ic.gIconTagNumbers[slot] = std::to_string(picture);
    ic.gIconTagLines[slot] = FormatIconTagLine(picture, caption);
    if (SaveIconTags(s)) return true;
    // The palette keeps showing what the file holds; a later save of another slot would
    // otherwise write this refused one behind the user's back.
    ic.gIconTagCaptions[slot] = oldCaption;
    ic.gIconTagNumbers[slot] = oldNumber;
    ic.gIconTagLines[slot] = oldLine;
    return false;
}

} // namespace orvelle
