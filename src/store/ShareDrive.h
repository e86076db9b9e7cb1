#pragma once
// "Change Network Share Drive", one procedure for the main window and the planner: asks for the
// drive letter, stores it in the preferences and derives the share folders again at once.
#include <string>

namespace orvelle {

struct Store;

constexpr const char* kShareDrivePrompt = "Enter the Network Share Drive letter below. Example d, e, f, etc.";
constexpr const char* kShareDriveTitle = "Setting Network Share Drive";

// The answer to the share-drive question: blanks at both ends dropped, then only its first
// character counts. Nothing: an empty answer (or Cancel); NoLetter: not one of A-Z in any case.
struct ShareDriveAnswer {
    enum Kind { Nothing, NoLetter, Letter } kind = Nothing;
    char letter = 0; // lower case
};
ShareDriveAnswer ReadShareDriveAnswer(const std::string& answer);

// Asks, answers a non-letter with "Could not determine drive letter." and saves a letter
// (a failed save is reported by the save itself).
void ChangeNetworkShareDrive(Store& s);

} // namespace orvelle
