#pragma once
// The alert manager's lists as data: every alert of the last read, sorted by its line without
// regard to case (which is by date, then period, then message), each keeping its own pending
// state, so a file written in any order pairs every row with its own alert. Also the checks and
// the line an edited alert is saved as.
#include "store/Alerts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct AlertEntry {
    std::string line;
    Date date = 0;
    int period = 0;
    std::string message;
    bool pending = false;
};

struct AlertBook {
    std::vector<AlertEntry> entries; // sorted by line

    static AlertBook From(const Alerts& a);
    // Positions of the listed alerts: all, or only the pending ones.
    std::vector<int> Listed(bool pendingOnly) const;
    std::vector<std::string> Lines() const;
    // Puts a line into its sorted place.
    void Add(std::string line);
    void RemoveAt(int index);
    // Removes the alerts dated before today (whole days); the count removed.
    int RemoveExpired(Date today);
};

// The period box's text as the four-digit field, or the message that refuses it.
struct AlertCheck {
    std::string line;  // the record, when accepted
    std::string error; // the message to show, when refused
    enum class Field { None, Date, Period } field = Field::None;
};
// Checks the editor and builds the record: the period must be one to four digits, the date a
// date whose day serial has five digits (18 May 1927 to 13 October 2173). Line breaks in the
// message become blanks.
AlertCheck BuildAlertRecord(std::string_view dateText, std::string_view periodText, std::string_view message,
                            int currentYear);

inline constexpr const char* kAlertPeriodTooLong = "An alert cannot be set greater than 9999 days.";
inline constexpr const char* kAlertPeriodEmpty = "Please edit the value of the Alert Period";

} // namespace orvelle
