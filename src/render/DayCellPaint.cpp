#include "render/DayCellPaint.h"

#include "platform/PictureBox.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"

namespace orvelle {

LayerColours LayerColoursOf(Store& s, int category) {
    LayerColours c;
    if (s.markers.gMarkerHidden[category] != 0) {
        s.markers.gMarkTextColor = kVbBlack;
        return c;
    }
    VbColor colour = s.markers.gMarkerColors[category];
    c.monthText = colour;
    // Black stands for "no colour" here: the box stays a plain white one, as when hidden.
    if (colour == kVbBlack) {
        s.markers.gMarkTextColor = kVbBlack;
        return c;
    }
    GetMarkTextColor(s, static_cast<Color>(colour));
    c.fill = colour;
    c.text = s.markers.gMarkTextColor;
    return c;
}

void PaintDayBox(PictureBox& box, int column, int row, VbColor fill, VbColor text, int day) {
    QString number = QString::number(day);
    box.FilledBox(column + 0.1, row + 0.85, column + 0.9, row + 1.65, fill);
    box.SetCurrentX(column + 0.5 - box.TextWidth(number) / 2);
    box.SetCurrentY(row + 1);
    box.SetForeColor(text);
    box.Print(number);
    box.SetForeColor(kVbBlack);
}

void PaintMonthDayNumber(PictureBox& box, int column, int row, VbColor color, int day, bool offset) {
    QString number = QString::number(day);
    box.SetFontName("MS Sans Serif");
    box.SetFontBold(true);
    if (offset) {
        box.SetFontSize(10);
        box.SetCurrentX(column + 0.05);
        box.SetCurrentY(row + 1 - box.TextHeight(number));
    } else {
        box.SetFontSize(18);
        box.SetCurrentX(column + 0.5 - box.TextWidth(number) / 2);
        box.SetCurrentY(row + 1.05);
    }
    box.SetForeColor(color);
    box.Print(number);
    box.SetForeColor(kVbBlack);
}

} // namespace orvelle
