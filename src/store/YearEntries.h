#pragma once
// One year's notes or planner days as the note and planner list and the phrase search see
// them: read from the year's file into lists of their own. Choosing a year there never moves
// the selected date and never re-reads the lists that the calendar and the open notes and
// planner windows work on, so each of those windows still saves under its own date.
#include "store/DayFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

enum class EntryKind { Notes, Planners };

struct YearEntries {
    EntryKind kind = EntryKind::Notes;
    int year = 0;
    // Parallel and in date order, as the store keeps them.
    std::vector<std::string> texts;
    std::vector<std::string> dates;  // "mm/dd/yy"
    std::vector<std::string> stamps;
    std::vector<std::string> sorted;
    YearGrid<std::int16_t> flags{};
    int index = -1;

    int Count() const { return static_cast<int>(dates.size()); }
    DayListRef Ref() { return {texts, dates, stamps, sorted, flags, index, year}; }
};

// Reads the year's "Notes.dat" or "Planner.dat" (a missing file gives no entries).
YearEntries ReadYearEntries(Store& s, EntryKind kind, int year);

// Month of an entry's "mm/dd/yy" key, 0 when it has none.
int EntryMonth(std::string_view key);
// The date keys of the entries in `month` (1-12; 0 = the whole year), in date order.
std::vector<std::string> EntryKeysInMonth(const YearEntries& e, int month);
// The date keys of the entries in `month` whose text holds the phrase, case ignored; a planner
// day's whole record counts (time captions, to-do lines, amounts, marks).
std::vector<std::string> FindPhraseInYear(const YearEntries& e, std::string_view phrase, int month);

// Deletes the entries of `keys` from the year's file: the file is read afresh, the entries
// still in it are left out of the rewrite ("Notes Saved" / "Planner Records Updated"), and the
// store's lists that hold that year are read again, each keeping its open entry by date.
// Returns how many entries went, -1 when the file could not be written (reported; the old file
// stays). When none of the keys is there any more nothing is written and 0 comes back, unless
// saveEvenIfNone asks for the save all the same.
int DeleteYearEntries(Store& s, EntryKind kind, int year, const std::vector<std::string>& keys,
                      bool saveEvenIfNone = false);

} // namespace orvelle
