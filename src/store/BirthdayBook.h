#pragma once
// The birthday manager's lists as data: every birthday of the last read sorted by its line
// without regard to case (by month, then day), each keeping its own pending state; the rows of
// the month list and the name list; the display-name rule, the age and the record an edited
// birthday is saved as.
#include "store/Birthdays.h"
#include "store/Clock.h"
#include "store/DateText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct BirthdayEntry {
    std::string line;
    BirthdayRecord record;
    bool pending = false;
};

struct BirthdayRow {
    std::string text; // what the list shows and prints
    int index = 0;    // the entry's position in the book
};

struct BirthdayBook {
    std::vector<BirthdayEntry> entries; // sorted by line

    static BirthdayBook From(const Birthdays& b);
    std::vector<std::string> Lines() const;
    void Add(std::string line);
    // Removes the entries at these positions (any order, repeats ignored).
    void RemoveAll(std::vector<int> indexes);

    // Month list: "mm/dd", a tab and the name, in book order. Name list: display name, " - " and
    // the date part, sorted by that text without regard to case.
    std::vector<BirthdayRow> MonthRows(bool pendingOnly) const;
    std::vector<BirthdayRow> NameRows(bool pendingOnly) const;
};

// "Alan Reed Jr." -> "Reed Jr., Alan"; a suffix (Jr., Sr., I, II, III) counts only as the whole
// last word.
std::string BirthdayDisplayName(std::string_view name);
// "03/15/1962", or "03/15" without a birth year.
std::string BirthdayDatePart(const BirthdayRecord& r);
// Whole years from the birth date to `now`; nullopt without a birth year.
std::optional<int> BirthdayAge(const BirthdayRecord& r, Moment now);

// Notice codes of the options optNotify(0..6), as written in the file.
inline constexpr const char* kNoticeCodes[7] = {"-1", "00", "01", "03", "05", "07", "10"};
// The option of a record's code ("-1", "0", "1", ... as read); 5 (seven days) for an unknown one.
int NoticeOptionOf(std::string_view code);

// The birth date typed into the editor's date box; nullopt when the text names none. A birth
// date is never after today: a two-digit year takes the century, and a missing year the last
// year, that puts the date no later than today. 29 February without a year is a date only in a
// leap year (then the last one not after today), so that the editor can refuse it for what it is.
std::optional<TypedDate> ParseBirthDate(std::string_view text, Date today);

struct BirthdayCheck {
    std::string line;
    std::string error;
    bool nameField = false; // the refusal is about the name
};
// Checks the editor and builds the record. The name is trimmed; the date must be a date
// (ParseBirthDate); 29 February is refused; without rememberAge the year is "****".
BirthdayCheck BuildBirthdayRecord(std::string_view name, std::string_view dateText, bool rememberAge, int option,
                                  Date today);

inline constexpr const char* kFebruary29Refused =
    "February 29 cannot be entered as a valid date (Leap Year only). Please\r\n"
    "enter either February 28 or March 1. We apologize for the inconvenience.";
inline constexpr const char* kFutureBirthRefused =
    "A birth date cannot be after today. Please check the year, or uncheck Remember Age.";

} // namespace orvelle
