#pragma once
// Dates as the user types them into the managers' date boxes: "7/4", "07/04/09", "7-4-2009",
// "2009/7/4", "Jul 04, 2009", "July 4", "4 July 2009". US order, month first.
#include "store/Dates.h"

#include <optional>
#include <string_view>

namespace orvelle {

struct TypedDate {
    int year = 0, month = 0, day = 0;
    bool yearGiven = false; // false: the year is defaultYear
    bool shortYear = false; // typed with one or two digits, so its century was chosen
    Date serial() const { return DateSerial(year, month, day); }
};

// The date the text names, checked against its year (29 February only in a leap year); nullopt
// for anything else. A missing year is defaultYear; a one- or two-digit year maps into
// [currentYear - 80, currentYear + 19].
std::optional<TypedDate> ParseTypedDate(std::string_view text, int defaultYear, int currentYear);

// "Jul 04, 2009"
std::string FormatMmmDdYyyy(Date d);
// "July"
inline std::string FormatMmmm(Date d) { return MonthName(MonthOf(d)); }

} // namespace orvelle
