#include "mainwindow/PickerDate.h"

#include <cctype>

namespace orvelle {
namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// Digits only, at most `maxLen` of them.
std::optional<int> Digits(const std::string& s, size_t maxLen) {
    if (s.empty() || s.size() > maxLen) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<int> ReadYear(const std::string& text, int currentYear) {
    std::string t = Trim(text);
    auto v = Digits(t, 4);
    if (!v) return std::nullopt;
    if (t.size() <= 2) return ExpandTwoDigitYear(*v, currentYear);
    // A three-digit year is a typing slip, not the year 209.
    if (t.size() == 3) return std::nullopt;
    return *v;
}

} // namespace

std::optional<Date> ReadPickerDate(const std::string& month, const std::string& day, const std::string& year,
                                   int currentYear) {
    int m = MonthFromName(Trim(month));
    auto d = Digits(Trim(day), 2);
    auto y = ReadYear(year, currentYear);
    if (m == 0 || !d || !y || !IsValidDate(*y, m, *d)) return std::nullopt;
    return DateSerial(*y, m, *d);
}

std::string InvalidPickerDateMessage(const std::string& month, const std::string& day, const std::string& year) {
    std::string text = "\"";
    text += Trim(month);
    text += ' ';
    text += Trim(day);
    text += ", ";
    text += Trim(year);
    text += "\" is not a valid date. Please choose a month, day and year that form a date.";
    return text;
}

std::string TidyYearText(const std::string& text, int currentYear) {
    if (text.size() == 4) return text;
    std::string t = Trim(text);
    if (t.size() <= 2) {
        if (auto v = Digits(t, 2)) return std::to_string(ExpandTwoDigitYear(*v, currentYear));
    }
    return text;
}

std::vector<std::string> PickerMonthNames() {
    std::vector<std::string> out;
    for (int m = 1; m <= 12; ++m) out.push_back(MonthName(m));
    return out;
}

std::vector<std::string> PickerDays() {
    std::vector<std::string> out;
    for (int d = 1; d <= 31; ++d) out.push_back(std::to_string(d));
    return out;
}

std::vector<std::string> PickerYears(int currentYear) {
    std::vector<std::string> out;
    for (int y = kFirstListedYear; y <= LastListedYear(currentYear); ++y) out.push_back(std::to_string(y));
    return out;
}

} // namespace orvelle
