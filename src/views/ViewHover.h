#pragma once
// The hover handler of a calendar view window (picMonth_MouseMove): for the cell under the
// pointer it sets the month box's tooltip, the main window's date box, position labels, date
// menu items and note and planner buttons. One per window; it remembers the last handled
// position so that a move to the same point does nothing.
#include "views/HoverText.h"

#include <string>

namespace orvelle {

struct Store;
class MainShell;
class PictureBox;

class ViewHover {
public:
    explicit ViewHover(HoverView view) : view_(view) {}

    // One-month view: the box shows the month the view last drew (MonthViewShows).
    void MoveOverMonth(Store& s, MainShell& m, PictureBox& box, float x, float y);
    // Six-month view: the box's month and year come from its button's caption ("March, 2009").
    void MoveOverSixMonthBox(Store& s, MainShell& m, PictureBox& box, const std::string& buttonCaption, float x,
                             float y);
    // Twelve-month view: box `index` shows month index `index`.
    void MoveOverYearBox(Store& s, MainShell& m, PictureBox& box, int index, float x, float y);

    // The pointer position of the last move handled to a regular end; both 0 at first.
    float mLastHoverX = 0;
    float mLastHoverY = 0;

private:
    // The notes or planner window is open, or the pointer has not moved: nothing to do.
    bool Ignored(const Store& s, float x, float y) const;
    void Handle(Store& s, MainShell& m, PictureBox& box, int month, bool nextYear, float x, float y);

    HoverView view_;
};

} // namespace orvelle
