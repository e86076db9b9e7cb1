#include "mainwindow/ChildScroll.h"

#include <algorithm>
#include <cmath>

namespace orvelle {

int RoundTwips(double value) { return static_cast<int>(std::nearbyint(value)); }

PageScrollRange PageScrollRangeFor(int areaHeight, int childHeight) {
    PageScrollRange r;
    r.maximum = std::max(0, childHeight - areaHeight + 30);
    r.largeChange = std::max(0, areaHeight);
    r.smallChange = std::max(0, RoundTwips(areaHeight / 2.0));
    return r;
}

int ChildOverhang(double childTop, double childHeight, int areaHeight) {
    return RoundTwips(childTop + childHeight) - areaHeight;
}

int ValueAfterPageKey(int key, int value, int areaHeight, int childHeight) {
    int next = value;
    if (key == kKeyPageUp) {
        next = value > areaHeight ? value - areaHeight : 0;
    } else if (key == kKeyPageDown) {
        int overhang = ChildOverhang(-value, childHeight, areaHeight);
        // Less than a page left below: bring the child's bottom to the area's bottom.
        next = overhang < areaHeight ? childHeight - areaHeight : value + areaHeight;
    }
    return std::clamp(next, 0, PageScrollRangeFor(areaHeight, childHeight).maximum);
}

} // namespace orvelle
