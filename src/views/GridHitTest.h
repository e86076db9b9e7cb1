#pragma once
// Turns a point in a month box's 7 x 6.75 grid units into a day cell. Shared by the press and
// hover handlers of all three views.
namespace orvelle {

struct GridHit {
    int column = 0; // 0-6, Sunday = 0
    int row = 0;    // -1 in the head band, else 0-5 (or beyond when dragged out of the box)
    bool inHeader = false;
    // True when the cell lies inside the 7 x 6 grid below the head band.
    bool InGrid() const { return !inHeader && column >= 0 && column <= 6 && row >= 0 && row <= 5; }
};

// Column = X - 0.5 and row = Y - 1.25, each to the nearest whole number with halves to even, so
// a point on a grid line belongs to the even neighbour. Y at or above 0.75 is the head band.
GridHit HitTestCell(float x, float y);

// Rounds to the nearest integer, halves to the even one (the platform's rounding of grid units).
int RoundHalfEven(float v);

} // namespace orvelle
