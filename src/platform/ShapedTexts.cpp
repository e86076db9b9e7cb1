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

Shaped& Laid(const TextKey& key) {
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
    return s;
}

// Glyph runs are the quickest way onto a picture, and draw the same pixels as the layout when
// nothing scales them. They carry no underline or strike-out, a scaled picture (a
// high-resolution screen) draws large glyphs another way, and print jobs keep the layout's own
// way of drawing text: the layout draws all of those.
bool RunsDrawAlike(QPainter& painter, const QFont& font) {
    QPaintEngine* engine = painter.paintEngine();
    bool plainPicture = engine && engine->type() == QPaintEngine::Raster &&
                        painter.deviceTransform().type() <= QTransform::TxTranslate;
    return plainPicture && !font.underline() && !font.strikeOut() && !font.overline();
}

} // namespace

double ShapedAdvance(const TextKey& key, const QFontMetricsF& metrics) {
    Shaped& s = Find(key);
    if (!s.advance) s.advance = metrics.horizontalAdvance(key.text);
    return *s.advance;
}

void DrawShaped(QPainter& painter, const TextKey& key, const QPointF& topLeft) {
    Shaped& s = Laid(key);
    if (!RunsDrawAlike(painter, key.font)) {
        s.layout->draw(&painter, topLeft);
        return;
    }
    for (const QGlyphRun& run : s.runs) painter.drawGlyphRun(topLeft, run);
}

void DrawShapedTogether(QPainter& painter, const std::vector<PlacedKey>& texts) {
    // One run per font face in a row: a text whose glyphs come from a fallback face, or a run
    // whose glyphs stand for a split ligature, ends the run being gathered.
    QList<quint32> glyphs;
    QList<QPointF> positions;
    QRawFont face;
    auto flush = [&] {
        if (glyphs.isEmpty()) return;
        QGlyphRun together;
        together.setRawFont(face);
        together.setGlyphIndexes(glyphs);
        // Each glyph where the text's own run would put it from the text's top left.
        together.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), together);
        glyphs.clear();
        positions.clear();
    };
    for (const PlacedKey& t : texts) {
        Shaped& s = Laid(t.key);
        if (!RunsDrawAlike(painter, t.key.font)) {
            flush();
            s.layout->draw(&painter, t.topLeft);
            continue;
        }
        for (const QGlyphRun& run : s.runs) {
            if (run.flags() != QGlyphRun::GlyphRunFlags() || run.rawFont() != face) {
                flush();
                face = run.rawFont();
            }
            if (run.flags() != QGlyphRun::GlyphRunFlags()) {
                painter.drawGlyphRun(t.topLeft, run);
                continue;
            }
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype i = 0; i < std::min(indexes.size(), at.size()); ++i) {
                glyphs.append(indexes[i]);
                positions.append(t.topLeft + at[i]);
            }
        }
    }
    flush();
}

} // namespace orvelle
