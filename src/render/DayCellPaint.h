#pragma once
// How a holiday or a birthday shows in a day cell: on the twelve- and six-month views a box
// filled in the category colour with the day number over it in the contrasting colour; on the
// one-month view the day number alone, bold, in the category colour.
#include "platform/Colors.h"

namespace orvelle {

struct Store;
class PictureBox;

// The colours of one category's layer. A hidden category paints plain cells (a white box with a
// black number, or a black number on the one-month view) over whatever was painted there; a
// shown one paints its colour with the text colour GetMarkTextColor gives. Black paints like a
// hidden category on the twelve- and six-month views (in both years of a six-month view alike),
// so that a holiday or birthday never becomes a black box; the one-month number stays black.
struct LayerColours {
    VbColor fill = kVbWhite;      // box on the twelve- and six-month views
    VbColor text = kVbBlack;      // number on that box
    VbColor monthText = kVbBlack; // number on the one-month view
};
// Sets gMarkTextColor as a side effect, like every painter of the calendars.
LayerColours LayerColoursOf(Store& s, int category);

// The filled box inside cell (column, row) and the day number centred over it; the fore colour
// is black afterwards.
void PaintDayBox(PictureBox& box, int column, int row, VbColor fill, VbColor text, int day);
// The day number of the one-month view: 18-point bold centred, or 10-point bold in the top left
// corner with numbers offset. The box keeps that font afterwards; the fore colour goes back to
// black.
void PaintMonthDayNumber(PictureBox& box, int column, int row, VbColor color, int day, bool offset);

} // namespace orvelle
