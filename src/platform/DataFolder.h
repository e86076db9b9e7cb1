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
// else "orvelle-defaults/" in the data folder of the prefix it is installed under.
std::string ShippedDefaultsFolder();
// The program's icon in the largest size drawn, or empty when it is not to be found.
std::string ProgramIconFile();

struct SeedResult {
    std::vector<std::string> copied; // relative paths, "/"-separated
    std::vector<std::string> failed; // relative path and reason
};

// Copies every file under `defaultsFolder` (sub-folders included) that is missing from
// `appPath`. Each copy is written whole to a temporary file and renamed, so an interrupted
// start never leaves a cut-off default behind (which would then never be replaced); the copies
// are flushed together once at the end rather than one by one.
SeedResult SeedDataFolder(const std::string& appPath, const std::string& defaultsFolder);

// Removes the temporary files that interrupted saves left in the data folder and its immediate
// sub-folders: only regular files named like WriteFileAtomic's ("<name>.tmp-XXXXXX"). Call it
// only while holding the lock, so that no other copy is saving. Returns how many went.
int RemoveStaleTempFiles(const std::string& appPath);

// The start routine before the main window: creates the data folder, refuses a second copy on
// the same folder with "Another instance of this application is already running." (through
// s.ui), refuses a data folder that cannot be written or locked (saying why), removes stale
// temporary files, then seeds the folder with the files the main window reads, logging any that
// could not be copied. The pictures ("Images/") wait for FinishSeeding or the first picture
// read; then all the copies are made durable in the background (waited for before the program
// ends). Returns the held lock, or null when the program must end.
std::unique_ptr<SingleInstance> StartRoutine(Store& s, const std::string& defaultsFolder);
// Copies the start's pictures now if they are still to come: called before any picture is read.
void WaitForShippedPictures();
// The same, then logs the pictures that could not be copied; called once the window is drawn.
void FinishSeeding(Store& s);

} // namespace orvelle
