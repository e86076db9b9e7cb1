#pragma once
// Opening a listed or found note or planner page from the note and planner list and the phrase
// search: the date becomes the selected date and its note or page opens in its own window,
// after the windows it replaces have asked about their edits.
#include "store/YearEntries.h"

#include <functional>
#include <string>

namespace orvelle {

struct Store;

// What the main window lends these windows; the planner command is disabled while unset.
struct EntryOpeners {
    // Loads the planner window and shows the selected date's page in it.
    std::function<void()> openPlanner;
    // The main window's date picker follows the selected date.
    std::function<void()> dateSelected;
    // The window holding the opened note or page comes forward with the keyboard.
    std::function<void()> entryShown;
};

// Opens the entry of the date key ("mm/dd/yy") of `year`; fromSearch marks it as opened from a
// search hit (the phrase is selected there). When the year's file has no such entry any more it
// says "Couldn't find note to open." or "Couldn't find planner to open.". False when nothing
// opened (not found, or a question about unsaved edits was cancelled).
bool OpenYearEntry(Store& s, const EntryOpeners& openers, EntryKind kind, int year, const std::string& key,
                   bool fromSearch);

} // namespace orvelle
