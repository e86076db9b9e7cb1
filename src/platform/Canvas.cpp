#include "platform/Canvas.h"

#include "platform/Fonts.h"
#include "platform/ShapedTexts.h"
#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvelle {
namespace {

QString NormalizeLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

struct Piece {
    double x;  // pixels from the line's start
    QString text;
};

// A line cut at its tabs: each tab moves on to the next tab stop after the text before it.
// Stops are every 8 average character widths of the font, counted from where the line starts.
// The pieces are placed by hand because the layout engine scales tab stops by the device's
// resolution, which on a print job puts everything after a tab off the paper.
template <class Advance>
std::vector<Piece> TabbedPieces(const QFontMetricsF& fm, const QString& line, Advance&& advance,
                                double* width = nullptr) {
    std::vector<Piece> pieces;
    double stop = 8 * fm.averageCharWidth();
    if (stop <= 0) stop = 8 * advance(QStringLiteral("x"));
    stop = std::max(1.0, stop);
    double x = 0;
    const QStringList parts = line.split(QChar('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) x = (std::floor(x / stop + 1e-9) + 1) * stop;
        if (parts[i].isEmpty()) continue;
        pieces.push_back({x, parts[i]});
        x += advance(parts[i]);
    }
    if (width) *width = x;
    return pieces;
}

} // namespace

Canvas::Canvas() : fontName_(QStringLiteral("MS Sans Serif")), font_(DefaultWindowFont()) {}

void Canvas::SetDevice(QPaintDevice* device) { device_ = device; }
void Canvas::SetPainter(QPainter* painter) { painter_ = painter; }

QPaintDevice* Canvas::Device() const { return painter_ ? painter_->device() : device_; }

double Canvas::DeviceWidth() const { return Frame().deviceWidth; }
double Canvas::DeviceHeight() const { return Frame().deviceHeight; }

Canvas::Extent Canvas::Frame() const {
    // One preparation for the whole frame: a picture box asks its widget for the screen's
    // ratio each time, which is most of what a short text costs to place.
    PrepareDevice();
    Extent e;
    if (QPaintDevice* d = Device()) {
        // In the device's own pixels before a high-resolution screen's ratio.
        double ratio = d->devicePixelRatioF();
        e.deviceWidth = d->width() / ratio;
        e.deviceHeight = d->height() / ratio;
    }
    e.scaleWidth = scaleWidth_ ? *scaleWidth_ : e.deviceWidth * kTwipsPerInch / DpiX();
    e.scaleHeight = scaleHeight_ ? *scaleHeight_ : e.deviceHeight * kTwipsPerInch / DpiY();
    return e;
}

double Canvas::DpiX() const {
    QPaintDevice* d = Device();
    return d && d->logicalDpiX() > 0 ? d->logicalDpiX() : 96.0;
}

double Canvas::DpiY() const {
    QPaintDevice* d = Device();
    return d && d->logicalDpiY() > 0 ? d->logicalDpiY() : 96.0;
}

void Canvas::SetScale(double left, double top, double width, double height) {
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

void Canvas::SetScaleWidth(double width) {
    if (!scaleHeight_) scaleHeight_ = ScaleHeight();
    scaleWidth_ = width;
}

void Canvas::SetScaleHeight(double height) {
    if (!scaleWidth_) scaleWidth_ = ScaleWidth();
    scaleHeight_ = height;
}

void Canvas::SetScaleLeft(double left) { scaleLeft_ = left; }
void Canvas::SetScaleTop(double top) { scaleTop_ = top; }

double Canvas::ScaleWidth() const { return scaleWidth_ ? *scaleWidth_ : Frame().scaleWidth; }
double Canvas::ScaleHeight() const { return scaleHeight_ ? *scaleHeight_ : Frame().scaleHeight; }

void Canvas::ResetScale() {
    scaleWidth_.reset();
    scaleHeight_.reset();
    scaleLeft_ = scaleTop_ = 0;
}

void Canvas::SetFontName(const QString& name) {
    fontName_ = name;
    font_.setFamily(MapFont(name));
    FontChanged();
}

void Canvas::SetFontSize(double points) {
    if (points > 0 && points != font_.pointSizeF()) {
        font_.setPointSizeF(points);
        FontChanged();
    }
}

void Canvas::SetFontBold(bool bold) {
    if (bold == font_.bold()) return;
    font_.setBold(bold);
    FontChanged();
}

void Canvas::SetCanvasFont(const QFont& font) {
    fontName_ = font.family();
    font_ = font;
    font_.setFamily(MapFont(font.family()));
    FontChanged();
}

void Canvas::SetTextAntialiasing(bool on) {
    if (on == textAntialiasing_) return;
    textAntialiasing_ = on;
    FontChanged();
}

void Canvas::FontChanged() {
    drawingFont_.reset();
    metrics_.reset();
}

const QFont& Canvas::DrawingFont() const {
    if (!drawingFont_) {
        drawingFont_ = font_;
        if (!textAntialiasing_) drawingFont_->setStyleStrategy(QFont::NoAntialias);
        // key() leaves out the hinting and kerning, which change how a text is shaped.
        drawingFontKey_ = drawingFont_->key() + QChar(',') + QString::number(drawingFont_->hintingPreference()) +
                          QChar(',') + QString::number(drawingFont_->kerning());
    }
    return *drawingFont_;
}

const QFontMetricsF& Canvas::Metrics() const {
    const QPaintDevice* d = Device();
    int dpiX = d ? d->logicalDpiX() : 0, dpiY = d ? d->logicalDpiY() : 0;
    if (!metrics_ || d != metricsDevice_ || dpiX != metricsDpiX_ || dpiY != metricsDpiY_) {
        const QFont& f = DrawingFont();
        metrics_.emplace(d ? QFontMetricsF(f, d) : QFontMetricsF(f));
        metricsDevice_ = d;
        metricsDpiX_ = dpiX;
        metricsDpiY_ = dpiY;
    }
    return *metrics_;
}

double Canvas::Advance(const QString& text) const {
    return ShapedAdvance({DrawingFont(), drawingFontKey_, Device(), text}, Metrics());
}

QPointF Canvas::ToPixels(double x, double y) const { return ToPixels(Frame(), x, y); }

QPointF Canvas::ToPixels(const Extent& e, double x, double y) const {
    double px = e.scaleWidth != 0 ? (x - scaleLeft_) * e.deviceWidth / e.scaleWidth : 0;
    double py = e.scaleHeight != 0 ? (y - scaleTop_) * e.deviceHeight / e.scaleHeight : 0;
    return {px, py};
}

QPointF Canvas::ToUser(QPointF pixel) const {
    Extent e = Frame();
    double x = e.deviceWidth > 0 ? scaleLeft_ + pixel.x() * e.scaleWidth / e.deviceWidth : scaleLeft_;
    double y = e.deviceHeight > 0 ? scaleTop_ + pixel.y() * e.scaleHeight / e.deviceHeight : scaleTop_;
    return {x, y};
}

QRect Canvas::PixelRect(double x1, double y1, double x2, double y2) const {
    QPointF a = ToPixels(x1, y1), b = ToPixels(x2, y2);
    int l = static_cast<int>(std::lround(std::min(a.x(), b.x())));
    int r = static_cast<int>(std::lround(std::max(a.x(), b.x())));
    int t = static_cast<int>(std::lround(std::min(a.y(), b.y())));
    int btm = static_cast<int>(std::lround(std::max(a.y(), b.y())));
    return QRect(QPoint(l, t), QPoint(r, btm));
}

template <class F> void Canvas::Paint(F&& draw) {
    PrepareDevice();
    if (painter_) {
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, false);
        draw(*painter_);
        painter_->restore();
    } else {
        QPaintDevice* d = Device();
        if (!d || d->width() <= 0 || d->height() <= 0) return;
        QPainter p(d);
        if (!p.isActive()) return;
        p.setRenderHint(QPainter::Antialiasing, false);
        draw(p);
    }
    Changed();
}

void Canvas::DrawLines(QPainter& p, const QFont& font, const QString& text, QPointF at) {
    const QFontMetricsF& fm = Metrics();
    const QStringList lines = text.split(QChar('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const Piece& piece : TabbedPieces(fm, lines[i], [this](const QString& t) { return Advance(t); })) {
            QPointF from(at.x() + piece.x, at.y() + i * fm.lineSpacing());
            DrawShaped(p, {font, drawingFontKey_, p.device(), piece.text}, from);
        }
    }
}

void Canvas::Print(const QString& text, bool newLine) {
    QString t = NormalizeLineEnds(text);
    QPointF at = ToPixels(currentX_, currentY_);
    QFont f = DrawingFont();
    QColor color = ColorFromVb(foreColor_);
    Paint([&](QPainter& p) {
        p.setFont(f);
        p.setPen(color);
        DrawLines(p, f, t, at);
    });
    if (newLine) {
        currentX_ = scaleLeft_;
        currentY_ += TextHeight(t);
    } else {
        currentX_ += TextWidth(t.section('\n', -1));
    }
}

void Canvas::PrintEach(const std::vector<PlacedText>& texts) {
    if (texts.empty()) return;
    Extent e = Frame();
    QFont f = DrawingFont();
    Paint([&](QPainter& p) {
        p.setFont(f);
        // Texts of one line and no tab, in the same colour one after another, go down together.
        std::vector<QString> normalized;
        normalized.reserve(texts.size());
        std::vector<PlacedKey> together;
        std::optional<VbColor> pen;
        for (const PlacedText& t : texts) {
            if (pen != t.color) {
                DrawShapedTogether(p, together);
                together.clear();
                pen = t.color;
                p.setPen(ColorFromVb(t.color));
            }
            normalized.push_back(NormalizeLineEnds(t.text));
            const QString& text = normalized.back();
            QPointF at = ToPixels(e, t.x, t.y);
            if (text.contains(QChar('\n')) || text.contains(QChar('\t'))) {
                DrawShapedTogether(p, together);
                together.clear();
                DrawLines(p, f, text, at);
            } else if (!text.isEmpty()) {
                together.push_back({{f, drawingFontKey_, p.device(), text}, at});
            }
        }
        DrawShapedTogether(p, together);
    });
    const PlacedText& last = texts.back();
    foreColor_ = last.color;
    currentX_ = scaleLeft_;
    currentY_ = last.y + TextHeight(NormalizeLineEnds(last.text));
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::optional<VbColor> color) {
    QPointF a = ToPixels(x1, y1), b = ToPixels(x2, y2);
    QColor c = ColorFromVb(color.value_or(foreColor_));
    int width = std::max(1, static_cast<int>(std::lround(DpiX() / 96.0)));
    Paint([&](QPainter& p) {
        p.setPen(QPen(c, width));
        p.drawLine(QPoint(static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y()))),
                   QPoint(static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y()))));
    });
    currentX_ = x2;
    currentY_ = y2;
}

void Canvas::Box(double x1, double y1, double x2, double y2, std::optional<VbColor> color) {
    QRect r = PixelRect(x1, y1, x2, y2);
    QColor c = ColorFromVb(color.value_or(foreColor_));
    int width = std::max(1, static_cast<int>(std::lround(DpiX() / 96.0)));
    Paint([&](QPainter& p) {
        p.setPen(QPen(c, width));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
    });
    currentX_ = x2;
    currentY_ = y2;
}

void Canvas::FilledBox(double x1, double y1, double x2, double y2, std::optional<VbColor> color) {
    QRect r = PixelRect(x1, y1, x2, y2);
    QColor c = ColorFromVb(color.value_or(foreColor_));
    Paint([&](QPainter& p) { p.fillRect(r, c); });
    currentX_ = x2;
    currentY_ = y2;
}

void Canvas::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    if (picture.isNull()) return;
    QRectF target(ToPixels(x, y), ToPixels(x + width, y + height));
    Paint([&](QPainter& p) { p.drawImage(target.normalized(), picture); });
}

double Canvas::TextWidth(const QString& text) const {
    const QFontMetricsF& fm = Metrics();
    double widest = 0;
    for (const QString& line : NormalizeLineEnds(text).split('\n')) {
        double w = 0;
        TabbedPieces(fm, line, [this](const QString& t) { return Advance(t); }, &w);
        widest = std::max(widest, w);
    }
    Extent e = Frame();
    return e.deviceWidth > 0 ? widest * e.scaleWidth / e.deviceWidth : widest * kTwipsPerInch / DpiX();
}

double Canvas::TextHeight(const QString& text) const {
    const QFontMetricsF& fm = Metrics();
    double lines = NormalizeLineEnds(text).count('\n') + 1;
    double px = fm.height() * lines;
    Extent e = Frame();
    return e.deviceHeight > 0 ? px * e.scaleHeight / e.deviceHeight : px * kTwipsPerInch / DpiY();
}

} // namespace orvelle
