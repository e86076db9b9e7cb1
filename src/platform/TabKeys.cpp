#include "platform/TabKeys.h"

#include <QPlainTextEdit>
#include <QWidget>

namespace orvelle {

void TabMovesOn(QPlainTextEdit* box) {
    if (box) box->setTabChangesFocus(true);
}

void TabInOrder(const QList<QWidget*>& controls) {
    for (qsizetype i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace orvelle
