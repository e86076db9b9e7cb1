#pragma once
// The planner window's exchange commands: export of the page to the share folder or to a
// contact, import of a planner day file, and its merge into the user's own records.
namespace orvelle {

struct Store;
class frmPlanner;

// Connects "Export this Planner to Share Folder", "Export this Planner and Assign to...",
// "Import Planner File" and "Merge this Planner into My Planner Records". The contact list and
// the open-file dialog come through the store's hooks; without them their items stay disabled.
// While the page shows an imported day, "Save Planner" is disabled and Merge enabled.
void ConnectPlannerExchange(frmPlanner& w, Store& s);

// The merge command: stores the imported page as the record of its file's date (asking before
// it replaces a stored day). False when nothing was stored.
bool mnuFileMerge_Click(frmPlanner& w, Store& s);

} // namespace orvelle
