#include "platform/Fonts.h"

namespace orvelle {

QString MapFont(const QString& name) {
    QString n = name.trimmed();
    if (n.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 || n.compare("Arial", Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Sans");
    }
    if (n.compare("Times New Roman", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Serif");
    return name;
}

QFont MakeFont(const QString& name, double pointSize, bool bold) {
    QFont f(MapFont(name));
    if (pointSize > 0) f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont DefaultWindowFont() { return MakeFont(QStringLiteral("MS Sans Serif"), 8.25); }

} // namespace orvelle
