#include "planner/QtTextMeasurer.h"

#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QFontMetricsF>

namespace orvelle {

double QtTextMeasurer::TextWidth(std::string_view text, const TextFont& font) const {
    QFontMetricsF metrics(MakeFont(QString::fromStdString(font.name), font.points, font.bold));
    return metrics.horizontalAdvance(FromCp1252(text)) * TwipsPerPixelX();
}

TextFont TextFontOf(const QFont& font) {
    return {font.family().toStdString(), font.pointSizeF(), font.bold()};
}

} // namespace orvelle
