#pragma once
// Puts the open-file dialog and the contact list behind the store's hooks, as top-level windows
// over `parent` (the main window); the main window calls this once at start-up.
class QWidget;

namespace orvelle {

struct Store;

// Sets store.hooks.ShowFileDialog and store.hooks.ShowContactList.
void InstallExchangeWindows(Store& store, QWidget* parent);

} // namespace orvelle
