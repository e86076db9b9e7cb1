#pragma once
// "UserPreferences.txt": lines of key and value in a fixed order, addressed by position, and
// the program-wide values derived from them.
#include "store/Dates.h"

#include <optional>
#include <string>
#include <vector>

namespace orvelle {

struct Store;

// Line indexes (line number - 1) of the preference table.
enum PrefLine {
    kPrefFirstInstance = 0,
    kPrefSharedDirectory = 1,
    kPrefAutoCompleteWord = 10,
    kPrefAutoStartPosition = 11,
    kPrefShowFUT = 12,
    kPrefMinimizeFUT = 13,
    kPrefInstallDate = 14,
    kPrefDefaultPrinter = 15,
    kPrefTermsFile = 17,
    kPrefLoadFUTPosition = 18,
    kPrefFUTPosition = 19,
};
constexpr int kPrefLineTotal = 20;

// The key expected at each index ("App First Instance:" ...); line 17 carries none.
const std::string& PrefKey(int index);

struct Preferences {
    // Always at least kPrefLineTotal lines after a read; lines beyond them are kept.
    std::vector<std::string> gPrefLines;
    int gPrefLineCount = 0;

    bool gFirstInstance = false;
    Date gInstallDate = 0;

    std::string gShareDrive;          // "s"
    std::string gShareRoot;           // "/mnt/s/", ends in "/"
    std::string gSharePlannersFolder; // gShareRoot + "Planners And Notes", no trailing "/"

    bool gAutoCompleteWord = false;
    bool gAutoCompleteOn = false;
    int gAutoStartPosition = 0;
    long gAutoStartKeys = 0;
    bool gShowFUT = false;
    bool gMinimizeFUT = false;

    std::string gDefaultFUTFile;
    std::string gFUTFileName;
    bool gLoadFUTPosition = false;
    std::string gFUTPosition;
    double gFUTLeft = 0, gFUTTop = 0, gFUTWidth = 0, gFUTHeight = 0;

    // Device name from "Default Printer:"; the print layer matches it with MatchDefaultPrinter.
    std::string gDefaultPrinter;
};

void GetUserPreferences(Store& s);
// Writes the line table whole and atomically; a failure is reported and the old file stays.
bool SaveUserPreferences(Store& s);
// The "Change Network Share Drive" commands: stores the letter in lower case as line 2, saves,
// and derives the share folders again. False for anything but one letter, or when the save fails.
bool SetShareDrive(Store& s, const std::string& letter);

// Value of a line taken by position: the text after as many characters as the expected key has.
std::string PrefValue(const std::string& line, int index);
// "True"/"False" in any case, or a number (non-zero is True); nullopt otherwise.
std::optional<bool> ParsePrefBool(const std::string& text);
// A drive letter's folder: $ORVELLE_DRIVES/x/ when that is set, else /mnt/x/.
std::string ShareRootForDrive(char letter);
// Takes "Left=", "Top=", "Width=" and "Height=" from a stored terms-window position; a key
// that is missing or unreadable leaves its value alone.
void ParseFUTPosition(const std::string& text, Preferences& p);
// Index of the first printer whose device name equals `name` exactly, or -1.
int MatchDefaultPrinter(const std::vector<std::string>& printerNames, const std::string& name);

} // namespace orvelle
