#pragma once
// The notes window's exchange menus: "Export these Notes", "Export these Notes and Assign to..."
// and "Import External Notes".
namespace orvelle {

struct Store;
class frmNotes;

// Connects the three items. The contact list and the open-file dialog come through the store's
// hooks; without them their items stay disabled.
void ConnectNotesExchange(frmNotes& w, Store& s);

} // namespace orvelle
