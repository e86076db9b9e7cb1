#pragma once
// The main window's commands for exported planner days and notes and for the contact list:
// "Open External Notes", "Open External Planner", "Open Frequently Used Terms" (offered while the
// terms take a picked file) and "Contact List"; and the road of a picked planner day file into
// the planner window.
namespace orvelle {

class frmMain;

void ConnectExchangeMenus(frmMain& m);

} // namespace orvelle
