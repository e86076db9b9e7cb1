#pragma once
// The placed icons of the one-month view: one small picture box (picIcon_k) on frmMonth's month
// box per control index of the last icon read, at its day's slot, with its palette picture from
// "Images/<n>.ico" and the slot's caption as tool tip. Member 0 always exists; the others last
// as long as the month shown.
#include <QImage>

#include <string>

namespace orvelle {

struct Store;
class frmMonth;
class PictureBox;

// Member k of the view's icon controls, created (hidden) when missing.
PictureBox& IconControl(frmMonth& view, int k);
// Unloads members 1 and up; member 0 stays, hidden.
void RemovePlacedIconControls(frmMonth& view);
// Builds and shows the controls from store.icons.gPlacedIcons. A control whose picture file is
// missing or unreadable stays in its slot, blank, so only that slot shows nothing.
void ShowPlacedIcons(const Store& s, frmMonth& view);
// Null when the picture cannot be read.
QImage LoadIconPicture(const Store& s, const std::string& pictureNumber);

} // namespace orvelle
