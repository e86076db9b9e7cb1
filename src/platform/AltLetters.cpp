#include "platform/AltLetters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace orvelle {
namespace {

class AltLettersTypeNothing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        // Ctrl+Alt is AltGr on some keyboards, which types letters of its own. An open menu
        // reads the letter as one of its items' keys.
        Qt::KeyboardModifiers mods = k->modifiers();
        if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier) || k->text().isEmpty() ||
            !k->text().at(0).isPrint() || QApplication::activePopupWidget())
            return false;
        // Passed on to the parents, the key is seen again: it is replaced at its first delivery.
        if (watched != QApplication::focusWidget()) return false;
        QKeyEvent without(QEvent::KeyPress, k->key(), mods, k->nativeScanCode(), k->nativeVirtualKey(),
                          k->nativeModifiers(), QString(), k->isAutoRepeat(), ushort(k->count()), k->device());
        QCoreApplication::sendEvent(watched, &without);
        k->setAccepted(without.isAccepted());
        return true;
    }
};

} // namespace

void InstallAltLettersTypeNothing(QCoreApplication* app) {
    static QPointer<QObject> installed;
    if (!app || (installed && installed->parent() == app)) return;
    installed = new AltLettersTypeNothing(app);
    app->installEventFilter(installed);
}

} // namespace orvelle
