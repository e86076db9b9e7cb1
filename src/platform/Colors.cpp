#include "platform/Colors.h"

namespace orvelle {

QColor ColorFromVb(VbColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

VbColor VbFromColor(const QColor& color) {
    QColor c = color.toRgb();
    return VbRgb(c.red(), c.green(), c.blue());
}

} // namespace orvelle
