#pragma once
// Number formats of the data files and windows, always with "." as the decimal point.
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

// Rounds halves away from zero.
double RoundHalfAway(double v, int decimals);
// Fixed decimals: FormatFixed(12.5, 2) -> "12.50".
std::string FormatFixed(double v, int decimals);
// Thousands separators with fixed decimals: FormatGrouped(1234567, 0) -> "1,234,567".
std::string FormatGrouped(double v, int decimals);
// Zero-padded whole number: PadNumber(7, 3) -> "007".
std::string PadNumber(long v, int width);
// Reads a plain decimal number ("12", "-3.5", " 4.25 "); nullopt for anything else.
std::optional<double> ParseNumber(std::string_view text);

} // namespace orvelle
