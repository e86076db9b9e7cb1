#pragma once
// The holiday manager's list of one year as data: the file's lines kept in ascending text order
// without regard to case (within a year by month, day, then description), one holiday a date.
#include "store/Dates.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

struct HolidayBook {
    int year = 0;
    bool fileExists = false;
    std::vector<std::string> lines; // sorted, each "mm/dd/yy:description"

    // Reads the year's file; a missing file gives an empty list with fileExists false.
    static HolidayBook Read(Store& s, int year);
    // Puts the holiday for `key` ("mm/dd/yy"), replacing the one listed for that date; returns
    // its position.
    size_t Put(const std::string& key, std::string_view description);
    // Removes the first line equal to `line`; false when there is none.
    bool Remove(const std::string& line);
    // Writes the list as the year's file (removed when the list is empty).
    bool Save(Store& s) const;
};

// The key of a typed date in `year`: its month and day with the year's two digits. nullopt when
// the text is no date, or when its month and day do not exist in `year` (29 February of a
// common year).
std::optional<std::string> HolidayKeyFor(std::string_view dateText, int year, int currentYear);

// "mm/dd/yy" of a listed line shown as "Jul 04, 2009" in its file's year; the eight characters
// as they stand when they are no date of that year.
std::string HolidayDateShown(std::string_view line, int year);
// The description: the text from the tenth character.
std::string HolidayDescription(std::string_view line);

} // namespace orvelle
