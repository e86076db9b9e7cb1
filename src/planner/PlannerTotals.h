#pragma once
// Arithmetic of the page's computed boxes: the expense total and the trip and total mileage.
// Plain functions of box texts; numbers are read and written with "." as the decimal point,
// whatever the user's locale.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

// The whole text as an amount ("12", "2.5", " 3.25 "); nullopt for empty text, "1.2.3", "5$".
std::optional<double> AmountValue(std::string_view text);

// The leading number of a text, blanks ignored, up to the first character that cannot continue
// it; 0 when there is none ("12a" -> 12, "1.2.3" -> 1.2, "abc" -> 0).
double LeadingNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour. Differences of
// decimal readings are first cleaned of binary noise, so 100.3 - 99.8 counts as exactly 0.5.
long RoundHalfEven(double v);

// "#######.00": two decimals, no leading zero (0.5 -> ".50").
std::string FormatAmountText(double v);

// Text of the expense total from the six amount boxes 32..37; empty when they add up to zero.
std::string ExpenseTotalText(const std::array<std::string, 6>& amounts);

// Text of a trip's miles box from its odometer readings; empty when the trip is under 1 mile.
std::string TripMilesText(std::string_view begin, std::string_view end);

// Text of the total mileage box from the five trip boxes 54..58; empty when they add up to zero.
std::string TotalMileageText(const std::array<std::string, 5>& trips);

} // namespace orvelle
