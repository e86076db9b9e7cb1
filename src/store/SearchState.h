#pragma once
// The phrase search's hand-over to the notes and planner windows: a hit is being opened, and
// the phrase to select there and to look for with "Search Again".
#include <string>

namespace orvelle {

struct SearchState {
    bool gSearchActive = false;
    std::string gSearchText;
    // Where the planner's "Search Again" resumes: its line, and the position within it.
    int gSearchLine = 0;
    int gSearchPos = 0;
};

} // namespace orvelle
