#pragma once
// The main window's menu commands that decide something of their own: the network share drive
// and the program's shortcuts; and the wiring of the commands whose windows are part of the
// program. Items whose windows are not there yet stay disabled; each window enables its own.
#include "store/ShareDrive.h"

#include <string>

namespace orvelle {

struct Store;
struct ShortcutFolders;
class frmMain;

// "Change Network Share Drive": asks for the letter and stores it as line 2 of the preferences.
void mnuOptNetworkShare_Click(Store& s);
// "Create Shortcut for this Program": the shortcuts to `program` in `folders`, then one message
// saying that it worked or why not.
void mnuOptCreateShortcut_Click(Store& s, const ShortcutFolders& folders, const std::string& program);

// Connects the commands above.
void ConnectMainMenuCommands(frmMain& m);

// The twelve-month view on its own, the other views unloaded (after Escape in the notes window).
void ShowYearViewAlone(frmMain& m);

} // namespace orvelle
