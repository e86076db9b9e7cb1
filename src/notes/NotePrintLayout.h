#pragma once
// Where each line of a printed note goes: the heading and two blank lines at the top of the
// first page, then one display line per print line spaced at one and a half line heights, with
// a new page whenever a line would run past the printable bottom. All measures in twips.
#include <QString>
#include <QStringList>
#include <vector>

namespace orvelle {

struct PrintedLine {
    int page = 0;     // 0-based
    double x = 0;     // from the printable area's left edge
    double y = 0;     // top of the line, from the printable area's top edge
    QString text;
};

constexpr double kNotePrintLeft = 540;
constexpr double kNotePrintTop = 720;

// lineHeight: the printed height of one line; pageHeight: the printable area's height.
std::vector<PrintedLine> LayoutNotePrint(const QString& heading, const QStringList& lines, double lineHeight,
                                         double pageHeight);

} // namespace orvelle
