#pragma once
// The arithmetic of the main window's page scroll bar: a letter-size child window (12240 x
// 15840 twips) is pushed up by the bar's value, in twips, inside an inner area of a given height.
namespace orvelle {

constexpr int kPageWidthTwips = 12240;
constexpr int kPageHeightTwips = 15840;

// Virtual key codes of the page keys.
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;

struct PageScrollRange {
    int maximum = 0;     // the minimum is always 0
    int largeChange = 0; // one inner area
    int smallChange = 0; // half an inner area
};

// To the nearest whole twip; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundTwips(double value);

// The bar's range for a child `childHeight` high in an area `areaHeight` high. The maximum
// keeps 30 twips below the page; an area taller than the page gives 0, never a negative maximum.
PageScrollRange PageScrollRangeFor(int areaHeight, int childHeight = kPageHeightTwips);

// How far the child's bottom edge lies below the bottom of the area.
int ChildOverhang(double childTop, double childHeight, int areaHeight);

// The bar's value after Page Up / Page Down (any other key leaves it alone). The child's top is
// minus the current value; Page Down stops where the child's bottom meets the area's bottom.
// The result always lies within [0, maximum].
int ValueAfterPageKey(int key, int value, int areaHeight, int childHeight = kPageHeightTwips);

} // namespace orvelle
