#include "views/GridHitTest.h"

#include <cmath>

namespace orvelle {

int RoundHalfEven(float v) { return static_cast<int>(std::nearbyint(v)); }

GridHit HitTestCell(float x, float y) {
    GridHit h;
    h.column = RoundHalfEven(x - 0.5f);
    h.row = RoundHalfEven(y - 1.25f);
    h.inHeader = y <= 0.75f;
    if (h.inHeader) h.row = -1;
    return h;
}

} // namespace orvelle
