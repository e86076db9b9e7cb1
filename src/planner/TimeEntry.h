#pragma once
// What the time editor of the planner's time labels accepts. Times are read by our own rules,
// never the locale's: h[:mm] with an optional AM/PM (or A/P), hours 0-23 without one.
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

// Seconds after midnight of a typed time: "12:30" -> 12:30 PM, "8:45PM" -> 8:45 PM, "20:45",
// "8 am", "08:45 PM". nullopt for anything else ("25:00", "8:60", "13 PM", "", "8:5").
std::optional<int> ParseTimeEntry(std::string_view text);

// The caption a typed time gives ("08:45 PM"), empty for an empty text (a continuance line),
// nullopt when the text is no time.
std::optional<std::string> TimeCaptionFromEntry(std::string_view text);

// The characters the time editor takes: digits, ":", Backspace and the letters of AM and PM.
bool TimeEditorAcceptsKey(int keyAscii);

// Shown when the editor's text is no time.
std::string InvalidTimeMessage();

} // namespace orvelle
