#pragma once
// Calendar arithmetic and the fixed US English date formats used in files and on screen.
// A date is a day serial counted from 30 December 1899, so day 1 is 31 December 1899.
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

using Date = int;

struct Ymd {
    int year = 1899;
    int month = 12;
    int day = 30;
};

struct Cell {
    int month = 0;  // 0-11
    int column = 0; // 0-6, Sunday = 0
    int row = 0;    // 0-5
};

Date DateSerial(int year, int month, int day);
Ymd SplitDate(Date d);
int YearOf(Date d);
int MonthOf(Date d);
int DayOf(Date d);
int Weekday(Date d); // Sunday = 1 ... Saturday = 7
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// The grid cell of a date within its own year, and its "MMCCRR" stamp.
Cell CellOf(Date d);
std::string CellStampOf(Date d);

std::string TwoDigits(int n);                 // 5 -> "05"
// A year in a data folder's or file's name: always four digits (999 -> "0999").
std::string FourDigitYear(int year);
std::string FormatMmDdYy(Date d);             // "03/05/09"
std::string FormatMmDd(Date d);               // "03/05"
// Reads "mm/dd/yy" (or "m/d/yy"): the two-digit year takes the century of contextYear.
std::optional<Date> ParseMmDdYy(std::string_view text, int contextYear);
// A two-digit year with no context maps into [currentYear - 80, currentYear + 19].
int ExpandTwoDigitYear(int yy, int currentYear);

std::string MonthName(int month);   // 1 -> "January"
std::string MonthAbbrev(int month); // 1 -> "Jan"
std::string DayName(int weekday);   // 1 -> "Sunday"
std::string DayAbbrev(int weekday); // 1 -> "Sun"
// Full or three-letter English month name, any case; 0 when unknown.
int MonthFromName(std::string_view name);

std::string FormatShortDate(Date d);  // "3/5/2009"
std::string FormatLongDate(Date d);   // "Thursday, March 5, 2009"
// secondsOfDay in [0, 86400)
std::string FormatGeneralDate(Date d, int secondsOfDay); // "3/5/2009 2:05:09 PM"
std::string FormatMediumTime(int secondsOfDay);          // "02:05 PM"
std::string FormatLongTime(int secondsOfDay);            // "2:05:09 PM"

// Year pickers list 2008 through the current year + 10.
constexpr int kFirstListedYear = 2008;
int LastListedYear(int currentYear);

} // namespace orvelle
