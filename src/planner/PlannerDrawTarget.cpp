#include "planner/PlannerDrawTarget.h"

#include "platform/Canvas.h"
#include "platform/Twips.h"

#include <QFontMetricsF>

namespace orvelle {

double RecordingDrawTarget::TextWidth(const QString& text) const {
    static const double twipsPerPixel = PixelsToTwipsX(1000) / 1000.0;
    return QFontMetricsF(font_).horizontalAdvance(text) * twipsPerPixel;
}

void RecordingDrawTarget::PrintText(double x, double y, const QString& text) {
    ops_.push_back({Op::Text, x, y, x + TextWidth(text), y, text, font_});
}

void RecordingDrawTarget::Line(double x1, double y1, double x2, double y2) {
    ops_.push_back({Op::Line, x1, y1, x2, y2, {}, font_});
}

void RecordingDrawTarget::Box(double x1, double y1, double x2, double y2) {
    ops_.push_back({Op::Box, x1, y1, x2, y2, {}, font_});
}

void CanvasDrawTarget::SetFont(const QFont& font) {
    c_.SetFontName(font.family());
    c_.SetFontSize(font.pointSizeF());
    c_.SetFontBold(font.bold());
}

double CanvasDrawTarget::TextWidth(const QString& text) const { return c_.TextWidth(text); }

void CanvasDrawTarget::PrintText(double x, double y, const QString& text) {
    c_.SetCurrentX(x);
    c_.SetCurrentY(y);
    // A print job drops whatever follows a tab: a tab prints as a blank.
    QString t = text;
    t.replace('\t', ' ');
    c_.Print(t, false);
}

void CanvasDrawTarget::Line(double x1, double y1, double x2, double y2) { c_.Line(x1, y1, x2, y2, kVbBlack); }

void CanvasDrawTarget::Box(double x1, double y1, double x2, double y2) { c_.Box(x1, y1, x2, y2, kVbBlack); }

} // namespace orvelle
