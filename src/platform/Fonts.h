#pragma once
// The windows were designed with Windows fonts; on Linux they are drawn with the metric-
// compatible Liberation families so that text widths, and with them the layouts, stay close.
#include <QFont>
#include <QString>

namespace orvelle {

// "MS Sans Serif" and "Arial" -> "Liberation Sans", "Times New Roman" -> "Liberation Serif"
// (case-insensitive); any other name is returned unchanged.
QString MapFont(const QString& name);

// A font of the mapped family; sizes are in points and may be fractional (8.25).
QFont MakeFont(const QString& name, double pointSize, bool bold = false);

// The face the windows use when nothing else is said: "MS Sans Serif" 8.25 pt.
QFont DefaultWindowFont();

} // namespace orvelle
