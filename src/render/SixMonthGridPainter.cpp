#include "render/SixMonthGridPainter.h"

#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"

namespace orvelle {

SixMonthGridPainter::SixMonthGridPainter(const Store& s) : s_(s) {}

void SixMonthGridPainter::DrawHeadsAndRules(PictureBox& box) const {
    // A box's fore colour can be left at today's text colour by the last drawing; the heads and
    // rules are always black.
    box.SetForeColor(kVbBlack);
    for (int c = 0; c < 7; ++c) {
        QString head = FromCp1252(s_.view.gDayNames[c].substr(0, 3));
        box.SetCurrentX(c + 0.5 - box.TextWidth(head) / 2);
        box.SetCurrentY(0.05);
        box.Print(head);
    }
    for (int x = 1; x <= 6; ++x) box.Line(x, 0, x, box.ScaleHeight(), kVbBlack);
    for (double y = 0.75; y < 6.0; y += 1.0) box.Line(0, y, box.ScaleWidth(), y, kVbBlack);
}

void SixMonthGridPainter::DrawDayNumbers(const std::array<PictureBox*, 6>& boxes, const SixMonthLayout& layout) const {
    Date today = s_.view.gToday;
    bool highlight = s_.flags.gHighlightToday;
    VbColor todayFill = s_.markers.gMarkerColors[kTodayCategory];
    for (const SixMonthDay& d : layout.days) {
        PictureBox& box = *boxes[d.box];
        if (highlight && d.date == today) {
            box.FilledBox(d.column + 0.1, d.row + 0.85, d.column + 0.9, d.row + 1.65, todayFill);
            box.SetForeColor(s_.markers.gMarkTextColor);
        } else {
            box.SetForeColor(kVbBlack);
        }
        QString number = QString::number(d.day);
        if (s_.view.gShowNumbersOffset) {
            box.SetCurrentX(d.column + 0.05);
            box.SetCurrentY(d.row + 1 - box.TextHeight(number) / 2);
        } else {
            box.SetCurrentX(d.column + 0.5 - box.TextWidth(number) / 2);
            box.SetCurrentY(d.row + 1);
        }
        box.Print(number);
    }
    for (PictureBox* box : boxes) box->SetForeColor(kVbBlack);
}

} // namespace orvelle
