#pragma once
// The pending alerts and pending birthdays beside the calendars as rows: each row shows the
// alert's message or the birthday's name and carries the record's index, which a click turns
// into the record's date. Rows are built as "<text>, four tabs, the byte 0xE0, <index>" and the
// index is read back after the last 0xE0, so a text holding that byte itself cannot mislead it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Alerts;
struct Birthdays;

inline constexpr char kPendingIndexMark = '\xE0';

struct PendingRow {
    std::string text; // what the list shows
    int index = 0;    // the record's position in the alert or birthday list
};

// "<text>\t\t\t\t\xE0<index>"
std::string PendingItemText(std::string_view text, int index);
// The decimal number after the item's last 0xE0; nullopt when there is none or it is no number.
std::optional<int> PendingItemIndex(std::string_view item);

// The pending alerts (birthdays), sorted by their item text without regard to case.
std::vector<PendingRow> PendingAlertRows(const Alerts& a);
std::vector<PendingRow> PendingBirthdayRows(const Birthdays& b);

// "Alert Date = mm/dd/yy" of alert `index`; nullopt when the list has no such alert (any more).
std::optional<std::string> AlertDateCaption(const Alerts& a, int index);
// "Date = mm/dd/yy": the birthday's month and day in `currentYear`. A 29 February in a common
// year is shown as written ("Date = 02/29/09"). nullopt when the list has no such birthday.
std::optional<std::string> BirthdayDateCaption(const Birthdays& b, int index, int currentYear);

} // namespace orvelle
