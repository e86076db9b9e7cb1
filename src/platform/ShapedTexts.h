#pragma once
// Texts shaped once and drawn many times. Shaping a text (finding and placing its glyphs) costs
// far more than drawing it, and the calendar views print the same few texts over and over: the
// twelve-month view alone prints the same 31 day numbers on twelve boxes. The cache is shared by
// every canvas of the GUI thread; a text is known by its font, the device's resolution and
// its characters, so what is drawn is exactly what a fresh layout would draw.
#include <QFont>
#include <QPointF>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPaintDevice;
class QPainter;

namespace orvelle {

struct TextKey {
    const QFont& font;
    const QString& fontKey; // font.key(), kept by the caller as it is not free to build
    QPaintDevice* device;
    const QString& text;
};

// The text's advance; `metrics` (the font's on the device) measures it the first time.
double ShapedAdvance(const TextKey& key, const QFontMetricsF& metrics);
// Draws one line of text (no tabs or line breaks) with its top left at `topLeft`, as
// QPainter::drawText does for a rectangle aligned to its top left without wrapping.
void DrawShaped(QPainter& painter, const TextKey& key, const QPointF& topLeft);

// The same for many texts of one font in the painter's pen, each at its own top left: on a plain
// picture their glyphs go down in one run, the same pixels as text by text for far less.
struct PlacedKey {
    TextKey key;
    QPointF topLeft;
};
void DrawShapedTogether(QPainter& painter, const std::vector<PlacedKey>& texts);

} // namespace orvelle
