#include "store/HolidayBook.h"

#include "store/DataFiles.h"
#include "store/DateText.h"
#include "store/Holidays.h"
#include "store/ListFile.h"
#include "store/SortedText.h"
#include "store/Store.h"

#include <algorithm>

namespace orvelle {

HolidayBook HolidayBook::Read(Store& s, int year) {
    HolidayBook b;
    b.year = year;
    // Kept as the calendar's reader keeps it, so the next save copies a file with lines left
    // out into Backup first.
    SkippedLines skipped(s, "LoadHolidayList", HolidayFilePath(s, year));
    auto lines = listfile::ReadIfPresent(s, "LoadHolidayList", HolidayFilePath(s, year), &skipped);
    if (!lines) return b;
    b.fileExists = true;
    for (size_t i = 0; i < lines->size(); ++i) {
        std::string& line = (*lines)[i];
        if (!ParseHolidayLine(line, year)) {
            // Empty lines are also what ReadIfPresent leaves of an overlong one, already counted.
            if (!line.empty()) skipped.Skip(i + 1, line, "too short for a holiday");
            continue;
        }
        InsertSorted(b.lines, std::move(line));
    }
    return b;
}

size_t HolidayBook::Put(const std::string& key, std::string_view description) {
    auto same = std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return std::string_view(l).substr(0, 8) == key; });
    if (same != lines.end()) lines.erase(same);
    return InsertSorted(lines, key + ":" + listfile::OneLine(description));
}

bool HolidayBook::Remove(const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    if (it == lines.end()) return false;
    lines.erase(it);
    return true;
}

bool HolidayBook::Save(Store& s) const { return WriteHolidayFile(s, year, lines); }

std::optional<std::string> HolidayKeyFor(std::string_view dateText, int year, int currentYear) {
    // The year typed, if any, only has to make the text a date; the key takes the list's year.
    auto d = ParseTypedDate(listfile::Trim(dateText), year, currentYear);
    if (!d || !IsValidDate(year, d->month, d->day)) return std::nullopt;
    return TwoDigits(d->month) + "/" + TwoDigits(d->day) + "/" + TwoDigits(year % 100);
}

std::string HolidayDateShown(std::string_view line, int year) {
    std::string_view date = line.substr(0, 8);
    if (auto d = ParseMmDdYy(date, year); d && date.size() == 8) return FormatMmmDdYyyy(*d);
    return std::string(date);
}

std::string HolidayDescription(std::string_view line) {
    return line.size() > 9 ? std::string(line.substr(9)) : std::string();
}

} // namespace orvelle
