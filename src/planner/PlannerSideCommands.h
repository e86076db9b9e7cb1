#pragma once
// The planner's side commands: the done marks, the share drive, the caret labels, Search Again,
// and clearing or importing the to-do lines.
namespace orvelle {

struct Store;
class frmPlanner;

// Turns to-do item `index` (0..9) done or open. The mark is part of the page: it counts as an
// edit, so leaving the day or closing asks before it is lost.
void imgChkBox_Click(frmPlanner& w, Store& s, int index);
// "Show Cursor Position" / "Hide Cursor Position".
void mnuOptShowCursPos_Click(frmPlanner& w);
// Goes on with the phrase search after the last hit; past line 59 says "No more occurences.".
void mnuEditSearchAgain_Click(frmPlanner& w, Store& s);
// Empties the ten to-do lines and their done marks, without asking.
void mnuToDoClear_Click(frmPlanner& w, Store& s);
// Fills the to-do lines from the default list, asking first when any of them holds text.
void mnuToDoImport_Click(frmPlanner& w, Store& s);

// Enables and connects those items, "Change Network Share Drive" and the check images' clicks.
void ConnectPlannerSideCommands(frmPlanner& w, Store& s);

} // namespace orvelle
