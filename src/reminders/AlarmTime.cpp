#include "reminders/AlarmTime.h"

#include <vector>

namespace orvelle {
namespace {

std::optional<int> Field(std::string_view f) {
    if (f.empty() || f.size() > 2) return std::nullopt;
    int v = 0;
    for (char c : f) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<int> ParseAlarmTime(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int designator = 0; // 1 AM, 2 PM
    if (text.size() >= 2) {
        std::string tail(text.substr(text.size() - 2));
        for (char& c : tail) c = static_cast<char>(c & ~0x20);
        if (tail == "AM" || tail == "PM") {
            designator = tail == "AM" ? 1 : 2;
            text.remove_suffix(2);
            while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        }
    }
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ':') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.empty() || parts.size() > 3) return std::nullopt;
    auto h = Field(parts[0]);
    auto m = parts.size() > 1 ? Field(parts[1]) : std::optional<int>(0);
    auto sec = parts.size() > 2 ? Field(parts[2]) : std::optional<int>(0);
    if (!h || !m || !sec || *h > 23 || *m > 59 || *sec > 59) return std::nullopt;
    int hour = *h;
    if (hour <= 12 && designator == 1 && hour == 12) hour = 0;
    else if (hour < 12 && designator == 2) hour += 12;
    return hour * 60 + *m;
}

std::string AlarmTimeText(int minuteOfDay) {
    int h = minuteOfDay / 60 % 24, m = minuteOfDay % 60;
    int h12 = h % 12 == 0 ? 12 : h % 12;
    auto two = [](int v) { return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10); };
    return two(h12) + ":" + two(m) + (h < 12 ? " AM" : " PM");
}

} // namespace orvelle
