#include "views/ViewNavigation.h"

namespace orvelle {
namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

// The first of the target month, checked month by month: a year outside the range cannot be
// made into a date at all.
std::optional<Date> MonthsOn(Date selected, int months, int view) {
    Ymd d = SplitDate(selected);
    int index = d.year * 12 + (d.month - 1) + months;
    int year = index / 12;
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    Date target = DateSerial(year, index % 12 + 1, 1);
    if (!ViewFitsCalendar(view, target)) return std::nullopt;
    return target;
}

} // namespace

bool ViewFitsCalendar(int view, Date selected) {
    Ymd d = SplitDate(selected);
    if (d.year < kFirstYear || d.year > kLastYear) return false;
    return view != 6 || d.year < kLastYear || d.month <= 7;
}

std::optional<Date> StepOneMonth(Date selected, int direction) { return MonthsOn(selected, direction > 0 ? 1 : -1, 1); }

std::optional<Date> StepSixMonths(Date selected, int direction) {
    return MonthsOn(selected, direction > 0 ? 6 : -6, 6);
}

std::optional<Date> StepOneYear(int shownYear, int direction) {
    int year = shownYear + (direction > 0 ? 1 : -1);
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    return DateSerial(year, 1, 1);
}

} // namespace orvelle
