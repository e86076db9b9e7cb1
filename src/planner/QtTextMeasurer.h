#pragma once
// Text widths from the screen's font metrics, converted to twips.
#include "planner/TextMeasurer.h"

class QFont;

namespace orvelle {

class QtTextMeasurer : public TextMeasurer {
public:
    double TextWidth(std::string_view text, const TextFont& font) const override;
};

// The font a widget draws with, as a TextFont.
TextFont TextFontOf(const QFont& font);

} // namespace orvelle
