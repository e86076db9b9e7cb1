#pragma once
// Manage > "To Do List", Manage > "Notes and Planners" and Edit > "Find": the to-do window, the
// note and planner list and the phrase search.
namespace orvelle {

class frmMain;

void ConnectNoteListMenus(frmMain& m);

} // namespace orvelle
