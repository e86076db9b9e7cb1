#pragma once
// Colours are kept as the data files store them: 0x00BBGGRR (red in the lowest byte), as
// decimal text in files and as a plain integer in memory. QColor exists only at the widget edge.
#include <QColor>

namespace orvelle {

// 0x00BBGGRR; -1 means "no colour" (a point outside a picture box).
using VbColor = long;

constexpr VbColor kVbBlack = 0x000000;
constexpr VbColor kVbWhite = 0xFFFFFF;

constexpr VbColor VbRgb(int red, int green, int blue) {
    return static_cast<VbColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Only the low 24 bits count; the result is opaque.
QColor ColorFromVb(VbColor color);
// Alpha is dropped.
VbColor VbFromColor(const QColor& color);

} // namespace orvelle
