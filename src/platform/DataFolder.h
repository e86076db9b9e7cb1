#pragma once
// The data folder at start-up: created when missing and given every shipped default file it
// lacks. Shipped files live in "defaults/" beside the program; a file already in the data
// folder is never overwritten, whatever its content.
#include <memory>
#include <string>
#include <vector>

namespace orvelle {

struct Store;
class SingleInstance;

// The shipped files with a trailing "/": "defaults/" beside the running program (a build tree),
// else "orvelle/defaults/" in the data folder of the prefix it is installed under.
std::string ShippedDefaultsFolder();
// The program's icon in the largest size drawn, or empty when it is not to be found.
std::string ProgramIconFile();

struct SeedResult {
    std::vector<std::string> copied; // relative paths, "/"-separated
    std::vector<std::string> failed; // relative path and reason
};

// Copies every file under `defaultsFolder` (sub-folders included) that is missing from
// `appPath`. Each copy is written whole to a temporary file and renamed, so an interrupted
// start never leaves a cut-off default behind (which would then never be replaced).
SeedResult SeedDataFolder(const std::string& appPath, const std::string& defaultsFolder);

// The start routine before the main window: creates the data folder, refuses a second copy on
// the same folder with "Another instance of this application is already running." (through
// s.ui), then seeds the folder, logging any file that could not be copied. Returns the lock
// (held unless the folder does not allow one), or null when the program must end.
std::unique_ptr<SingleInstance> StartRoutine(Store& s, const std::string& defaultsFolder);

} // namespace orvelle
