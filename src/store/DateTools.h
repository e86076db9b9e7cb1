#pragma once
// The two date calculators: the interval between two dates in one unit, and the dates on which
// one weekday falls in a period; and the typed-date recognition both windows use.
#include "store/DateText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

// What the calculators keep between their windows' openings.
struct DateTools {
    std::string gDateDiffInterval; // "yyyy", "q", "m", "w", "d", "h", "n", "s"; empty at first
    Date gNumDaysStart = 0;        // 30 December 1899 until a date is entered
    Date gNumDaysEnd = 0;
    int gNumDaysWeekday = 0; // 0 = Sunday
};

struct IntervalUnit {
    const char* name; // as the unit list shows it
    const char* code; // empty: no unit of its own
    const char* menuItem;
};
// In the unit list's order.
extern const std::array<IntervalUnit, 9> kIntervalUnits;
// The unit's name for a code, or "" when the code is unknown.
std::string IntervalName(std::string_view code);
// "Day of Year" has no interval code; it counts days and says so.
constexpr const char* kDayOfYearName = "Day of Year";

// A date as a user types it, in US English forms: "7/4/1976", "07-04-76", "7/4" (this year),
// "Jul 04, 1976", "July 4 1976", "4 July 1976", "1976-07-04"; a time of day after it is
// accepted and dropped. Two-digit years map into [currentYear - 80, currentYear + 19].
std::optional<Date> RecognizeDate(std::string_view text, int currentYear);

// The number of unit boundaries between start and end, negative when end is earlier; 64-bit,
// so no pair of dates overflows it. An unknown code counts 0.
std::int64_t DateDiff(std::string_view code, Date start, Date end);
// "1,440"; "-10"; empty for 0.
std::string FormatDateDiff(std::int64_t count);

constexpr int kMaxWeekdayRows = 31999;
struct WeekdayOccurrences {
    std::vector<Date> dates; // at most kMaxWeekdayRows
    int count = 0;           // kMaxWeekdayRows + 1 when the period held too many
    bool tooMany = false;
};
// Every date from start to end, both included, whose weekday is `weekday` (0 = Sunday).
WeekdayOccurrences FindWeekdays(Date start, Date end, int weekday);

} // namespace orvelle
