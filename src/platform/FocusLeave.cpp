#include "platform/FocusLeave.h"

#include <QFocusEvent>

namespace orvelle {

bool LeavesControl(const QEvent* e) {
    if (e->type() != QEvent::FocusOut) return false;
    switch (static_cast<const QFocusEvent*>(e)->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: return false;
    default: return true;
    }
}

} // namespace orvelle
