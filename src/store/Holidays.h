#pragma once
// Holiday files "Holidays/<yyyy>Holidays.dat", the reading side: the holidays of the shown year and
// of the next, with each holiday's cell stamp and a flag per holiday cell. The holiday manager
// writes the files through WriteHolidayFile.
//
// Line layout: positions 1-8 the date "mm/dd/yy", 9 a separator (":"), 10 to the end the name
// (which may hold ":").
#include "store/DateModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

struct Holidays {
    // Index-parallel, 0 .. count - 1, in file order.
    int gThisYearsHolidayCount = 0;
    std::vector<std::string> gThisYearsHolidayNames;
    std::vector<std::string> gThisYearsHolidayDates;  // "mm/dd/yy"
    std::vector<std::string> gThisYearsHolidayStamps; // "MMCCRR", empty when not a date of the year
    YearGrid<std::int16_t> gThisYearsHolidayFlags{};  // -1 on a holiday's cell

    int gNextYearsHolidayCount = 0;
    std::vector<std::string> gNextYearsHolidayNames;
    std::vector<std::string> gNextYearsHolidayDates;
    std::vector<std::string> gNextYearsHolidayStamps;
    YearGrid<std::int16_t> gNextYearsHolidayFlags{};
};

struct HolidayEntry {
    std::string date;  // the first 8 characters
    std::string name;  // from the 10th character
    std::string stamp; // the date's cell in `year`, or empty
};

// "2009Holidays.dat"
std::string HolidayFileName(int year);
std::string HolidayFilePath(const Store& s, int year);
// The cell stamp of a date written exactly "mm/dd/yy" with the two-digit year of `year`, the way
// the year's date grid holds it; empty for anything else.
std::string HolidayStampOf(std::string_view date, int year);
// nullopt for a line too short to hold a date and its separator.
std::optional<HolidayEntry> ParseHolidayLine(std::string_view line, int year);

// Read the holiday file of the selected date's year (of the year after) into the lists and flags.
// Each read replaces the lists and the flags whole; a missing file gives no holidays.
void AssignThisYearsHolidays(Store& s);
void AssignNextYearsHolidays(Store& s);

// Replaces the year's holiday file with the non-empty lines, each ended by CR LF; with none left
// the file is removed. The "Holidays" folder is created when missing. Failures are reported through
// LogError as "SaveHolidayFile"; false then, and the old file stays.
bool WriteHolidayFile(Store& s, int year, const std::vector<std::string>& lines);

} // namespace orvelle
