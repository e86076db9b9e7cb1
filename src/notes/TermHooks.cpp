#include "notes/TermHooks.h"

#include "notes/frmFUT.h"
#include "notes/frmPref.h"
#include "store/Store.h"

namespace orvelle {

void InstallTermHooks(Store& store) {
    store.hooks.ShowTermsWindow = [&store](bool minimized) { frmFUT::ShowWindow(store, minimized); };
    store.hooks.UnloadTermsWindow = [] {
        if (frmFUT* w = frmFUT::Find()) w->close();
    };
    store.hooks.ShowTermPreferences = [&store] { frmPref::ShowDialog(store); };
}

} // namespace orvelle
