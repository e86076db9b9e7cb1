#include "platform/ShapedTexts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <optional>
#include <unordered_map>

namespace orvelle {
namespace {

struct Shaped {
    std::unique_ptr<QTextLayout> layout;
    QList<QGlyphRun> runs;
    std::optional<double> advance;
};

// A font as drawn on a device of some resolution.
struct Face {
    QString fontKey;
    int dpiX, dpiY;
    bool operator==(const Face&) const = default;
};

struct FaceHash {
    size_t operator()(const Face& f) const { return qHashMulti(0, f.fontKey, f.dpiX, f.dpiY); }
};

using Texts = std::unordered_map<QString, Shaped>;

// Bounded: a print job measures every line it prints, and most of those come once.
constexpr size_t kMostTexts = 2048;

Shaped& Find(const TextKey& key) {
    static std::unordered_map<Face, Texts, FaceHash> faces;
    static size_t count = 0;
    Face face{key.fontKey, key.device ? key.device->logicalDpiX() : 0, key.device ? key.device->logicalDpiY() : 0};
    Texts& texts = faces[face];
    auto it = texts.find(key.text);
    if (it != texts.end()) return it->second;
    if (++count > kMostTexts) {
        faces.clear();
        count = 1;
        return faces[face][key.text];
    }
    return texts[key.text];
}

} // namespace

double ShapedAdvance(const TextKey& key, const QFontMetricsF& metrics) {
    Shaped& s = Find(key);
    if (!s.advance) s.advance = metrics.horizontalAdvance(key.text);
    return *s.advance;
}

void DrawShaped(QPainter& painter, const TextKey& key, const QPointF& topLeft) {
    Shaped& s = Find(key);
    if (!s.layout) {
        s.layout = std::make_unique<QTextLayout>(key.text, key.font, key.device);
        QTextOption option(Qt::AlignLeft | Qt::AlignTop);
        option.setWrapMode(QTextOption::NoWrap);
        s.layout->setTextOption(option);
        s.layout->setCacheEnabled(true);
        s.layout->beginLayout();
        QTextLine line = s.layout->createLine();
        if (line.isValid()) {
            line.setLineWidth(1e6);
            line.setPosition(QPointF(0, 0));
        }
        s.layout->endLayout();
        s.runs = s.layout->glyphRuns();
    }
    // Glyph runs are the quickest way onto a picture, and draw the same pixels as the layout
    // when nothing scales them. They carry no underline or strike-out, a scaled picture (a
    // high-resolution screen) draws large glyphs another way, and print jobs keep the layout's
    // own way of drawing text: the layout draws all of those.
    QPaintEngine* engine = painter.paintEngine();
    bool plainPicture = engine && engine->type() == QPaintEngine::Raster &&
                        painter.deviceTransform().type() <= QTransform::TxTranslate;
    if (!plainPicture || key.font.underline() || key.font.strikeOut() || key.font.overline()) {
        s.layout->draw(&painter, topLeft);
        return;
    }
    for (const QGlyphRun& run : s.runs) painter.drawGlyphRun(topLeft, run);
}

} // namespace orvelle
