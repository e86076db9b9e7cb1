#include "platform/EscapeKey.h"

#include <QAbstractButton>
#include <QPointer>
#include <QShortcut>

namespace orvelle {

void EscapePresses(QAbstractButton* button) {
    if (!button) return;
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), button->window(), nullptr, nullptr, Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, button, [b = QPointer<QAbstractButton>(button)] {
        if (b && b->isVisible() && b->isEnabled()) b->click();
    });
}

} // namespace orvelle
