#include "planner/PlannerLineChecks.h"

namespace orvelle {

std::string TooWideMessage() {
    return std::string("The length of the text exceeds the width of the box ") +
           "and will not allow the page to print correctly.";
}

std::string TooLongMessage(int maxChars) {
    return std::string("There are too many characters on this line ") + "(more than " + std::to_string(maxChars) +
           "). " + "The excess text will be truncated if saved to a file.";
}

LineCheck CheckLineOnLeave(std::string_view text, double boxWidth, int maxChars, const TextMeasurer& measurer,
                           const TextFont& font) {
    LineCheck c;
    c.tooWide = measurer.TextWidth(text, font) > boxWidth - kLineMarginTwips;
    if (c.tooWide) c.toolTip = TooWideMessage();
    // The length message wins when both fail: losing text on save is the graver matter.
    c.tooLong = static_cast<int>(text.size()) > maxChars;
    if (c.tooLong) c.toolTip = TooLongMessage(maxChars);
    c.backColor = c.tooWide || c.tooLong ? kFailedBackColor : kPlainBackColor;
    return c;
}

} // namespace orvelle
