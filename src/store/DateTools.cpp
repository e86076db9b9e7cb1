#include "store/DateTools.h"

#include <cctype>
#include <algorithm>
#include <charconv>

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

// The text split into words and numbers; separators ("/", "-", ",", ".", blanks) dropped.
struct Token {
    std::string text;
    bool number = false;
};

std::vector<Token> Tokens(std::string_view text) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c) || std::isalpha(c)) {
            bool digits = std::isdigit(c) != 0;
            size_t j = i;
            while (j < text.size() && (digits ? std::isdigit(static_cast<unsigned char>(text[j]))
                                              : std::isalpha(static_cast<unsigned char>(text[j]))))
                ++j;
            out.push_back({std::string(text.substr(i, j - i)), digits});
            i = j;
        } else if (c == ':') {
            out.push_back({":", false});
            ++i;
        } else {
            ++i;
        }
    }
    return out;
}

std::optional<int> Number(const Token& t) {
    if (!t.number || t.text.size() > 9) return std::nullopt;
    int v = 0;
    std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
    return v;
}

// A trailing time of day ("10:30", "10:30:15 PM", "10 PM"): checked, then dropped.
bool DropTime(std::vector<Token>& t) {
    auto colon = std::find_if(t.begin(), t.end(), [](const Token& x) { return x.text == ":"; });
    size_t start = t.size();
    if (colon != t.end()) {
        start = static_cast<size_t>(colon - t.begin());
        if (start == 0) return false;
        --start; // the hour
    } else if (!t.empty() && !t.back().number) {
        std::string w = t.back().text;
        for (auto& c : w) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((w == "AM" || w == "PM") && t.size() >= 2 && t[t.size() - 2].number) start = t.size() - 2;
    }
    if (start == t.size()) return true;
    if (!Number(t[start]) || *Number(t[start]) > 23) return false;
    for (size_t i = start; i < t.size(); ++i) {
        const Token& x = t[i];
        if (x.text == ":") continue;
        if (x.number) {
            if (!Number(x) || *Number(x) > 59) return false;
            continue;
        }
        std::string w = x.text;
        for (auto& c : w) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (w != "AM" && w != "PM") return false;
    }
    t.resize(start);
    return true;
}

int FullYear(const Token& t, int currentYear) {
    int y = *Number(t);
    return t.text.size() <= 2 ? ExpandTwoDigitYear(y, currentYear) : y;
}

std::optional<Date> Checked(int year, int month, int day) {
    if (year < 100 || year > 9999 || !IsValidDate(year, month, day)) return std::nullopt;
    return DateSerial(year, month, day);
}

} // namespace

std::optional<Date> RecognizeDate(std::string_view text, int currentYear) {
    std::vector<Token> t = Tokens(text);
    if (!DropTime(t) || t.size() < 2 || t.size() > 3) return std::nullopt;
    for (const Token& x : t)
        if (x.number && !Number(x)) return std::nullopt;
    int named = -1; // index of the month's name
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].number) continue;
        if (named >= 0 || MonthFromName(t[i].text) == 0) return std::nullopt;
        named = static_cast<int>(i);
    }
    if (named < 0) {
        if (t.size() == 2) return Checked(currentYear, *Number(t[0]), *Number(t[1]));
        if (t[0].text.size() == 4) return Checked(*Number(t[0]), *Number(t[1]), *Number(t[2]));
        return Checked(FullYear(t[2], currentYear), *Number(t[0]), *Number(t[1]));
    }
    int month = MonthFromName(t[named].text);
    std::vector<Token> rest;
    for (size_t i = 0; i < t.size(); ++i)
        if (static_cast<int>(i) != named) rest.push_back(t[i]);
    if (rest.size() == 1) return Checked(currentYear, month, *Number(rest[0]));
    // "July 4, 1976" and "4 July 1976" put the day first; a four-digit first number is a year.
    if (rest[0].text.size() == 4) return Checked(*Number(rest[0]), month, *Number(rest[1]));
    return Checked(FullYear(rest[1], currentYear), month, *Number(rest[0]));
}

std::string FormatMmmDdYyyy(Date d) {
    Ymd y = SplitDate(d);
    return MonthAbbrev(y.month) + " " + TwoDigits(y.day) + ", " + std::to_string(y.year);
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
