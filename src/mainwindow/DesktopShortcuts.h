#pragma once
// Shortcuts to the program for "Create Shortcut for this Program": desktop entry files
// ("<name>.desktop") on the user's desktop and in the user's applications menu.
#include <string>

namespace orvelle {

constexpr const char* kShortcutName = "Shortcut to Orvelle";

struct ShortcutFolders {
    std::string desktop;      // $XDG_DESKTOP_DIR, the desktop of user-dirs.dirs, or ~/Desktop
    std::string applications; // $XDG_DATA_HOME/applications, or ~/.local/share/applications
};

// The folders from the environment and the user's folder settings.
ShortcutFolders DefaultShortcutFolders();

// The Exec value that starts `program` with no arguments: always quoted, with the characters
// that need it escaped.
std::string ExecValueFor(const std::string& program);

// A desktop entry that starts `program`, shown as `name` with the picture `icon` (none if empty).
std::string DesktopEntryText(const std::string& name, const std::string& program, const std::string& icon = {});

// Writes the shortcut `name` to `program` into both folders, the desktop first; each folder is
// made when missing. On the first failure stops and returns false with *error saying why (the
// shortcut written before it stays).
bool CreateProgramShortcuts(const ShortcutFolders& folders, const std::string& name, const std::string& program,
                            std::string* error, const std::string& icon = {});

} // namespace orvelle
