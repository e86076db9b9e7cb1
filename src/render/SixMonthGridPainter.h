#pragma once
// Paints the grid and the day numbers of the six-month view's boxes: three-letter weekday heads,
// ruled cells, and the day numbers (centred, or at the cell's left edge with numbers offset) with
// today's cell filled in the colour of the "Today's Date" category.
#include "render/SixMonthLayout.h"

#include <array>

namespace orvelle {

struct Store;
class PictureBox;

class SixMonthGridPainter {
public:
    explicit SixMonthGridPainter(const Store& s);
    void DrawHeadsAndRules(PictureBox& box) const;
    void DrawDayNumbers(const std::array<PictureBox*, 6>& boxes, const SixMonthLayout& layout) const;

private:
    const Store& s_;
};

} // namespace orvelle
