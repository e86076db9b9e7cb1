#pragma once
// The checks a line box's text must pass when the box is left: it must fit the printed width
// of the box, and it must fit the field it is stored in. A box that fails turns red and its
// tooltip says why.
#include "planner/TextMeasurer.h"

#include <string>
#include <string_view>

namespace orvelle {

// Box backgrounds, as 0x00BBGGRR colour values.
constexpr long kFocusBackColor = 0xFFFF00;  // cyan: the box with the focus
constexpr long kPlainBackColor = 0xFFFFFF;  // white
constexpr long kFailedBackColor = 0x0000FF; // red: the text failed a check

// The margin a line keeps inside its box, in twips; the line wrap keeps the same.
constexpr double kLineMarginTwips = 30;

struct LineCheck {
    bool tooWide = false;
    bool tooLong = false;
    std::string toolTip;  // empty when both checks pass
    long backColor = kPlainBackColor;
};

// `boxWidth` in twips; `maxChars` is the width of the line's field in the day record.
LineCheck CheckLineOnLeave(std::string_view text, double boxWidth, int maxChars, const TextMeasurer& measurer,
                           const TextFont& font);

std::string TooWideMessage();
std::string TooLongMessage(int maxChars);

} // namespace orvelle
