#pragma once
// The main window's commands of the terms feature: the terms window (File > "Open Frequently
// Used Terms", Manage > "Frequently Used Terms" > "Edit List") and the term preferences
// ("Edit Preferences"); also hands the store its hooks for those windows.
namespace orvelle {

class frmMain;

void ConnectTermMenus(frmMain& m);

} // namespace orvelle
