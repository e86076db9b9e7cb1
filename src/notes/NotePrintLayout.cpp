#include "notes/NotePrintLayout.h"

#include <cmath>

namespace orvelle {

std::vector<PrintedLine> LayoutNotePrint(const QString& heading, const QStringList& lines, double lineHeight,
                                         double pageHeight) {
    std::vector<PrintedLine> out;
    out.reserve(static_cast<size_t>(lines.size()) + 1);
    out.push_back({0, kNotePrintLeft, kNotePrintTop, heading});
    // The heading ends with two line breaks of its own and then the print's line end.
    double y = kNotePrintTop + 3 * lineHeight;
    int page = 0;
    for (const QString& line : lines) {
        double y0 = std::nearbyint(y); // whole twips, halves to even
        // A line that would pass the printable bottom starts a new page, unless it already
        // stands at the top (a page too short for one line still gets one per page).
        if (y0 + lineHeight > pageHeight && y0 > kNotePrintTop) {
            ++page;
            y0 = kNotePrintTop;
        }
        out.push_back({page, kNotePrintLeft, y0, line});
        y = y0 + 1.5 * lineHeight;
    }
    return out;
}

} // namespace orvelle
