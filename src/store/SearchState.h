#pragma once
// The phrase search's hand-over to the notes and planner windows: a hit is being opened, and
// the phrase to select there and to look for with "Search Again".
#include <string>
#include <vector>

namespace orvelle {

struct SearchState {
    bool gSearchActive = false;
    std::string gSearchText;
    // Where the planner's "Search Again" resumes: its line, and the position within it.
    int gSearchLine = 0;
    int gSearchPos = 0;
    // "Notes" or "Planners": what the search window searches and opens.
    std::string gSearchLocation = "Notes";
    // The phrases searched while the program runs, in order of first use.
    std::vector<std::string> gSearchHistory;
};

} // namespace orvelle
