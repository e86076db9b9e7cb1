#pragma once
// Width of a line of text as the page draws it, in twips. The line wrap and the leave-box
// checks ask this; the window answers with the real font metrics, tests with a fake.
#include <string>
#include <string_view>

namespace orvelle {

struct TextFont {
    std::string name;  // a family name; Windows names are mapped to their Linux faces
    double points = 9;
    bool bold = false;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width in twips of `text` (Windows-1252 bytes) in `font`.
    virtual double TextWidth(std::string_view text, const TextFont& font) const = 0;
};

} // namespace orvelle
