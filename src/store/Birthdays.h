#pragma once
// "Birthdays.dat": birthdays with a notice period, the pending ones, the main window's birthday
// indicator as data, and the per-year cell flags and stamps the calendars mark them with.
//
// Line layout: positions 1-5 "mm/dd", 6 ":", 7-8 the notice code ("-1" never, "00" on the day,
// "01".."10" days ahead), 9 ":", then the name up to the next ":", then ":" and the last four
// characters: the birth year or "****".
#include "store/DateModel.h"
#include "store/IndicatorPicture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

inline constexpr const char* kBirthdaysFile = "Birthdays.dat";

struct BirthdayRecord {
    std::string MonthDay;  // "mm/dd"
    std::string Notice;    // the code as a whole number's text: "-1", "0", "1", "3", "5", "7", "10"
    std::string Name;
    std::string BirthYear; // four digits or "****"
};

// What the image imgBDay(0) shows.
struct BirthdayIndicator {
    IndicatorPicture picture = IndicatorPicture::NonePending;
    std::string toolTip = "No Birthdays Pending";
};

struct Birthdays {
    // Index-parallel, 0 .. gBirthdayCount - 1, in file order.
    std::vector<std::string> gBirthdayLines;
    std::vector<BirthdayRecord> gBirthdays;
    int gBirthdayCount = 0;
    // The raw line of a pending birthday at its own index, empty for the others.
    std::vector<std::string> gPendingBirthdayLines;
    int gPendingBirthdayCount = 0;

    // While set, the next save shows no message; the birthday manager sets it while it is open.
    bool gBirthdaysSilentSave = false;
    // The birthday manager lists only pending birthdays when set.
    bool gBirthdayViewPending = false;

    // Cells where a birthday falls (-1) and each birthday's "MMCCRR" stamp (empty when the year
    // has no such cell), per shown year and next year; set by the calendar marking.
    YearGrid<std::int16_t> gThisYearsBirthdayCounts{};
    YearGrid<std::int16_t> gNextYearsBirthdayCounts{};
    std::vector<std::string> gThisYearsBirthdayStamps;
    std::vector<std::string> gNextYearsBirthdayStamps;

    BirthdayIndicator indicator;
};

// The record of one line; nullopt when the month and day are no calendar day or the notice is
// not a number.
std::optional<BirthdayRecord> ParseBirthdayLine(std::string_view line);
// The first day on or after today that is the birthday; 29 February counts as 28 February in a
// common year. Expects a valid "mm/dd".
Date NextBirthdayOccurrence(std::string_view monthDay, Date today);
// Pending from `notice` days before the birthday through the day itself; "-1" never.
bool IsBirthdayPending(const BirthdayRecord& r, Date today);
BirthdayIndicator BirthdayIndicatorFor(int pendingCount);

// Replaces the birthday list with the file's birthdays, works out the pending ones, clears the
// birthday cell flags and stamps and sets the indicator. A missing file gives an empty list.
void ReadBirthdays(Store& s);
// Writes the birthday manager's raw list in list order and, unless gBirthdaysSilentSave was set,
// shows "Birthdays Updated."; an empty list removes the file and says nothing. False when the
// file could not be written.
bool SaveBirthdays(Store& s, const std::vector<std::string>& listItems);

} // namespace orvelle
