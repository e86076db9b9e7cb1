#include "store/Dates.h"

#include <array>
#include <cctype>
#include <chrono>

namespace orvelle {
namespace {

using namespace std::chrono;

// 30 December 1899 lies 25569 days before the Unix epoch.
constexpr int kEpochOffset = 25569;

const std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
const std::array<const char*, 7> kDays = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

int ParseSmallInt(std::string_view s, bool& ok) {
    if (s.empty() || s.size() > 4) {
        ok = false;
        return 0;
    }
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            ok = false;
            return 0;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

std::string AmPmClock(int secondsOfDay, bool padHour, bool withSeconds) {
    int h = secondsOfDay / 3600, m = secondsOfDay / 60 % 60, s = secondsOfDay % 60;
    const char* ampm = h < 12 ? " AM" : " PM";
    int h12 = h % 12 == 0 ? 12 : h % 12;
    std::string out = padHour ? TwoDigits(h12) : std::to_string(h12);
    out += ':';
    out += TwoDigits(m);
    if (withSeconds) {
        out += ':';
        out += TwoDigits(s);
    }
    return out + ampm;
}

} // namespace

Date DateSerial(int year, int month, int day) {
    // Months and days out of range roll over, as date arithmetic users expect.
    year_month ym = std::chrono::year{year} / std::chrono::month{1};
    ym += months{month - 1};
    sys_days sd = sys_days{ym / std::chrono::day{1}} + days{day - 1};
    return static_cast<int>(sd.time_since_epoch().count()) + kEpochOffset;
}

Ymd SplitDate(Date d) {
    year_month_day ymd{sys_days{days{d - kEpochOffset}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int YearOf(Date d) { return SplitDate(d).year; }
int MonthOf(Date d) { return SplitDate(d).month; }
int DayOf(Date d) { return SplitDate(d).day; }

int Weekday(Date d) {
    // Serial 1 (31 Dec 1899) was a Sunday.
    int w = (d - 1) % 7;
    if (w < 0) w += 7;
    return w + 1;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kLen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return m == 2 && IsLeapYear(y) ? 29 : kLen[m - 1];
}

bool IsValidDate(int y, int m, int d) { return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m); }

Cell CellOf(Date d) {
    Ymd ymd = SplitDate(d);
    int firstCol = Weekday(DateSerial(ymd.year, ymd.month, 1)) - 1;
    return {ymd.month - 1, Weekday(d) - 1, (firstCol + ymd.day - 1) / 7};
}

std::string CellStampOf(Date d) {
    Cell c = CellOf(d);
    return TwoDigits(c.month) + TwoDigits(c.column) + TwoDigits(c.row);
}

std::string FourDigitYear(int year) {
    std::string s = std::to_string(year);
    if (year >= 0 && s.size() < 4) return std::string(4 - s.size(), '0') + s;
    return s;
}

std::string TwoDigits(int n) {
    std::string out = n < 0 ? "-" : "";
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < 2) out += '0';
    out += digits;
    return out;
}

std::string FormatMmDdYy(Date d) {
    Ymd y = SplitDate(d);
    return TwoDigits(y.month) + "/" + TwoDigits(y.day) + "/" + TwoDigits(y.year % 100);
}

std::string FormatMmDd(Date d) {
    Ymd y = SplitDate(d);
    return TwoDigits(y.month) + "/" + TwoDigits(y.day);
}

std::optional<Date> ParseMmDdYy(std::string_view text, int contextYear) {
    size_t a = text.find('/');
    if (a == std::string_view::npos) return std::nullopt;
    size_t b = text.find('/', a + 1);
    if (b == std::string_view::npos) return std::nullopt;
    bool ok = true;
    int m = ParseSmallInt(text.substr(0, a), ok);
    int d = ParseSmallInt(text.substr(a + 1, b - a - 1), ok);
    std::string_view ys = text.substr(b + 1);
    int y = ParseSmallInt(ys, ok);
    if (!ok) return std::nullopt;
    if (ys.size() <= 2) y = contextYear - contextYear % 100 + y;
    if (!IsValidDate(y, m, d)) return std::nullopt;
    return DateSerial(y, m, d);
}

int ExpandTwoDigitYear(int yy, int currentYear) {
    int low = currentYear - 80;
    int y = low - low % 100 + yy;
    if (y < low) y += 100;
    return y;
}

std::string MonthName(int m) { return m >= 1 && m <= 12 ? kMonths[m - 1] : ""; }
std::string MonthAbbrev(int m) { return MonthName(m).substr(0, 3); }
std::string DayName(int w) { return w >= 1 && w <= 7 ? kDays[w - 1] : ""; }
std::string DayAbbrev(int w) { return DayName(w).substr(0, 3); }

int MonthFromName(std::string_view name) {
    auto lower = [](std::string_view s) {
        std::string r(s);
        for (auto& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return r;
    };
    std::string n = lower(name);
    for (int m = 1; m <= 12; ++m) {
        if (n == lower(MonthName(m)) || n == lower(MonthAbbrev(m))) return m;
    }
    return 0;
}

std::string FormatShortDate(Date d) {
    Ymd y = SplitDate(d);
    return std::to_string(y.month) + "/" + std::to_string(y.day) + "/" + std::to_string(y.year);
}

std::string FormatLongDate(Date d) {
    Ymd y = SplitDate(d);
    return DayName(Weekday(d)) + ", " + MonthName(y.month) + " " + std::to_string(y.day) + ", " + std::to_string(y.year);
}

std::string FormatGeneralDate(Date d, int secondsOfDay) {
    return FormatShortDate(d) + " " + AmPmClock(secondsOfDay, false, true);
}

std::string FormatMediumTime(int secondsOfDay) { return AmPmClock(secondsOfDay, true, false); }
std::string FormatLongTime(int secondsOfDay) { return AmPmClock(secondsOfDay, false, true); }

int LastListedYear(int currentYear) { return currentYear + 10; }

} // namespace orvelle
