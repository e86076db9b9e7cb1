#pragma once
// The main window's menu commands that decide something of their own: the network share drive
// and the program's shortcuts; and the wiring of the commands whose windows are part of the
// program. Items whose windows are not there yet stay disabled; each window enables its own.
#include <string>

namespace orvelle {

struct Store;
struct ShortcutFolders;
class frmMain;

constexpr const char* kShareDrivePrompt = "Enter the Network Share Drive letter below. Example d, e, f, etc.";
constexpr const char* kShareDriveTitle = "Setting Network Share Drive";

// The answer to the share-drive question: blanks at both ends dropped, then only its first
// character counts. Nothing: an empty answer (or Cancel); NoLetter: not one of A-Z in any case.
struct ShareDriveAnswer {
    enum Kind { Nothing, NoLetter, Letter } kind = Nothing;
    char letter = 0; // lower case
};
ShareDriveAnswer ReadShareDriveAnswer(const std::string& answer);

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
