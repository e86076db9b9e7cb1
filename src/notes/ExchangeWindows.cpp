#include "notes/ExchangeWindows.h"

#include "notes/frmEmailList.h"
#include "notes/frmFile.h"
#include "store/Store.h"

#include <QPointer>

namespace orvelle {

void InstallExchangeWindows(Store& store, QWidget* parent) {
    QPointer<QWidget> guarded(parent);
    bool hasParent = parent != nullptr;
    auto owner = [guarded, hasParent]() -> QWidget* { return hasParent ? guarded.data() : nullptr; };
    store.hooks.ShowFileDialog = [&store, guarded, hasParent, owner](FileDialogMode mode) {
        if (hasParent && !guarded) return;
        frmFile::Open(store, mode, owner());
    };
    store.hooks.ShowContactList = [&store, guarded, hasParent, owner](ExportKind pending) {
        if (hasParent && !guarded) return;
        frmEmailList::Open(store, pending, owner());
    };
}

} // namespace orvelle
