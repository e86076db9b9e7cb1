#include "store/DateTools.h"

#include "store/DateText.h"

#include <cctype>

namespace orvelle {

const std::array<IntervalUnit, 9> kIntervalUnits{{
    {"Years", "yyyy", "mnuDateDiffSYears"},
    {kDayOfYearName, "", ""},
    {"Quarters", "q", "mnuDateDiffSQuarters"},
    {"Months", "m", "mnuDateDiffSMonths"},
    {"Weeks", "w", "mnuDateDiffSWeeks"},
    {"Days", "d", "mnuDateDiffSDays"},
    {"Hours", "h", "mnuDateDiffSHours"},
    {"Minutes", "n", "mnuDateDiffSMinutes"},
    {"Seconds", "s", "mnuDateDiffSSeconds"},
}};

std::string IntervalName(std::string_view code) {
    if (code.empty()) return "";
    for (const IntervalUnit& u : kIntervalUnits)
        if (code == u.code) return u.name;
    return "";
}

namespace {

// Splits off a time of day ("10:30", "10:30:15 PM") after the date; false when the part after
// the date is no time.
bool DropTime(std::string_view& text) {
    size_t colon = text.find(':');
    if (colon == std::string_view::npos) return true;
    size_t hourStart = text.find_last_of(' ', colon);
    if (hourStart == std::string_view::npos) return false;
    std::string_view time = text.substr(hourStart + 1);
    text = text.substr(0, hourStart);
    int fields[3] = {-1, -1, -1};
    int n = 0;
    size_t i = 0;
    while (i < time.size() && n < 3) {
        size_t j = i;
        int v = 0;
        while (j < time.size() && std::isdigit(static_cast<unsigned char>(time[j])) && j - i < 3) v = v * 10 + (time[j++] - '0');
        if (j == i) return false;
        fields[n++] = v;
        i = j;
        if (i < time.size() && time[i] == ':') ++i;
        else break;
    }
    std::string rest(time.substr(i));
    rest.erase(0, rest.find_first_not_of(' '));
    for (auto& c : rest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!rest.empty() && rest != "AM" && rest != "PM") return false;
    return n >= 2 && fields[0] <= 23 && fields[1] <= 59 && fields[2] <= 59;
}

} // namespace

std::optional<Date> RecognizeDate(std::string_view text, int currentYear) {
    if (!DropTime(text)) return std::nullopt;
    auto d = ParseTypedDate(text, currentYear, currentYear);
    if (!d) return std::nullopt;
    return d->serial();
}

std::int64_t DateDiff(std::string_view code, Date start, Date end) {
    Ymd a = SplitDate(start), b = SplitDate(end);
    std::int64_t days = static_cast<std::int64_t>(end) - start;
    if (code == "yyyy") return b.year - a.year;
    if (code == "q") return (b.year * 4LL + (b.month - 1) / 3) - (a.year * 4LL + (a.month - 1) / 3);
    if (code == "m") return (b.year * 12LL + b.month) - (a.year * 12LL + a.month);
    if (code == "w") return days / 7;
    if (code == "d") return days;
    if (code == "h") return days * 24;
    if (code == "n") return days * 24 * 60;
    if (code == "s") return days * 24 * 60 * 60;
    return 0;
}

std::string FormatDateDiff(std::int64_t count) {
    if (count == 0) return "";
    std::string digits = std::to_string(count < 0 ? -count : count);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return count < 0 ? "-" + out : out;
}

WeekdayOccurrences FindWeekdays(Date start, Date end, int weekday) {
    WeekdayOccurrences r;
    if (end < start || weekday < 0 || weekday > 6) return r;
    // Weekday() counts Sunday as 1.
    int offset = ((weekday + 1) - Weekday(start) + 7) % 7;
    for (std::int64_t d = static_cast<std::int64_t>(start) + offset; d <= end; d += 7) {
        if (++r.count > kMaxWeekdayRows) {
            r.tooMany = true;
            break;
        }
        r.dates.push_back(static_cast<Date>(d));
    }
    return r;
}

} // namespace orvelle
