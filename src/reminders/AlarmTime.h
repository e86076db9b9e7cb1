#pragma once
// The alarm clock's time texts: what the AM and PM buttons accept as a time, and the time of a
// check, both as minutes of the day.
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

// "7:30 AM", "7 PM", "12:00 AM" (midnight), "19:30 PM": the minute of the day. Seconds
// ("7:30:15 AM") are cut off, since a check sees whole minutes only. nullopt for anything else.
std::optional<int> ParseAlarmTime(std::string_view text);
// "07:30 AM"
std::string AlarmTimeText(int minuteOfDay);

} // namespace orvelle
