#pragma once
// Reading the date picker's three texts (month name, day, year) as one date, and tidying a
// typed year. Pure text logic so it can be checked without a window.
#include "store/Dates.h"

#include <optional>
#include <string>
#include <vector>

namespace orvelle {

// The date the three texts name, or nullopt when they name none (31 April, 29 February of a
// common year, an empty or non-numeric year, an unknown month). A one- or two-digit year is
// expanded around currentYear.
std::optional<Date> ReadPickerDate(const std::string& month, const std::string& day, const std::string& year,
                                   int currentYear);

// The message shown when the picker names no date.
std::string InvalidPickerDateMessage(const std::string& month, const std::string& day, const std::string& year);

// The year box after it loses the focus: four characters stay; a one- or two-digit year becomes
// its four-digit year; anything else is left as typed (the next command refuses it).
std::string TidyYearText(const std::string& text, int currentYear);

// The picker's lists: twelve month names, days 1-31, years 2008 .. currentYear + 10.
std::vector<std::string> PickerMonthNames();
std::vector<std::string> PickerDays();
std::vector<std::string> PickerYears(int currentYear);

} // namespace orvelle
