#include "platform/CheckBoxPicture.h"

#include <QPainter>

namespace orvelle {

QPixmap CheckBoxPicture(bool checked) {
    QPixmap pm(17, 17);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 16, 16);
    if (checked) {
        p.drawLine(0, 0, 16, 16);
        p.drawLine(0, 16, 16, 0);
    }
    return pm;
}

} // namespace orvelle
