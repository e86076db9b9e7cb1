#include "planner/TimeEntry.h"

#include "store/Dates.h"

#include <cctype>

namespace orvelle {

namespace {

std::string_view Trim(std::string_view t) {
    size_t b = t.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return t.substr(b, t.find_last_not_of(' ') - b + 1);
}

// Reads one or two digits at `pos`; -1 when there are none.
int ReadDigits(std::string_view t, size_t& pos, size_t maxDigits) {
    int value = 0;
    size_t start = pos;
    while (pos < t.size() && pos - start < maxDigits && std::isdigit(static_cast<unsigned char>(t[pos])))
        value = value * 10 + (t[pos++] - '0');
    return pos == start ? -1 : value;
}

} // namespace

std::optional<int> ParseTimeEntry(std::string_view text) {
    std::string_view t = Trim(text);
    size_t pos = 0;
    int hour = ReadDigits(t, pos, 2);
    if (hour < 0) return std::nullopt;
    int minute = 0;
    if (pos < t.size() && t[pos] == ':') {
        ++pos;
        size_t start = pos;
        minute = ReadDigits(t, pos, 2);
        if (minute < 0 || pos - start != 2 || minute > 59) return std::nullopt;
    }
    std::string_view rest = Trim(t.substr(pos));
    std::string suffix;
    for (char c : rest) suffix += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (suffix.empty()) {
        if (hour > 23) return std::nullopt;
    } else if (suffix == "AM" || suffix == "A" || suffix == "PM" || suffix == "P") {
        if (hour < 1 || hour > 12) return std::nullopt;
        bool pm = suffix[0] == 'P';
        hour = hour % 12 + (pm ? 12 : 0);
    } else {
        return std::nullopt;
    }
    return hour * 3600 + minute * 60;
}

std::optional<std::string> TimeCaptionFromEntry(std::string_view text) {
    if (Trim(text).empty()) return std::string();
    std::optional<int> seconds = ParseTimeEntry(text);
    if (!seconds) return std::nullopt;
    return FormatMediumTime(*seconds);
}

bool TimeEditorAcceptsKey(int k) {
    return k == 8 || (k >= '0' && k <= '9') || k == ':' || k == 'A' || k == 'M' || k == 'P' || k == 'a' ||
           k == 'm' || k == 'p';
}

std::string InvalidTimeMessage() {
    return std::string("Please enter a valid time using this sample format: \"8:45 PM\" or") + "\r\n" +
           "delete the contents of the box entirely to create a continuance line.";
}

} // namespace orvelle
