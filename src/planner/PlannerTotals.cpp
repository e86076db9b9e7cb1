#include "planner/PlannerTotals.h"

#include "store/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvelle {

std::optional<double> AmountValue(std::string_view text) {
    // Only digits, one point and an optional sign: never a decimal comma or a grouping comma.
    return ParseNumber(text);
}

double LeadingNumber(std::string_view text) {
    std::string digits;
    bool seenPoint = false, seenDigit = false, seenSign = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        if ((c == '-' || c == '+') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            digits += c;
        } else if (c >= '0' && c <= '9') {
            seenDigit = true;
            digits += c;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            digits += c;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0;
    if (digits[0] == '+') digits.erase(0, 1);
    if (digits.back() == '.') digits.pop_back();
    double v = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), v);
    return v;
}

long RoundHalfEven(double v) {
    // Readings are at most ten characters; anything beyond is clamped rather than overflowing.
    if (!std::isfinite(v)) return 0;
    v = std::clamp(v, -1e15, 1e15);
    // Odometer readings carry at most a few decimals; rounding to micro-units first keeps
    // 12045.4 - 12000 (45.40000000000055) and 0.5000000000000142 on their decimal values.
    double cleaned = std::round(v * 1e6) / 1e6;
    double r = std::round(cleaned);
    if (std::fabs(cleaned - std::trunc(cleaned)) == 0.5) r = 2.0 * std::round(cleaned / 2.0);
    return static_cast<long>(r);
}

std::string FormatAmountText(double v) {
    // Built from whole cents, so no C library locale can bring in a decimal comma.
    if (!std::isfinite(v)) return {};
    v = std::clamp(v, -1e15, 1e15);
    long long cents = std::llround(RoundHalfAway(v, 2) * 100.0);
    bool negative = cents < 0;
    if (negative) cents = -cents;
    long long whole = cents / 100, frac = cents % 100;
    std::string text = whole > 0 ? std::to_string(whole) : std::string();
    text += '.';
    text += static_cast<char>('0' + frac / 10);
    text += static_cast<char>('0' + frac % 10);
    return negative ? "-" + text : text;
}

std::string ExpenseTotalText(const std::array<std::string, 6>& amounts) {
    double sum = 0;
    for (const auto& a : amounts) {
        if (auto v = AmountValue(a)) sum += *v;
    }
    // Compare at the cents shown: a sum that prints as zero leaves the box empty.
    if (RoundHalfAway(sum, 2) == 0) return {};
    return FormatAmountText(sum);
}

std::string TripMilesText(std::string_view begin, std::string_view end) {
    long miles = RoundHalfEven(LeadingNumber(end) - LeadingNumber(begin));
    return miles < 1 ? std::string() : std::to_string(miles);
}

std::string TotalMileageText(const std::array<std::string, 5>& trips) {
    long total = 0;
    for (const auto& t : trips) total = RoundHalfEven(static_cast<double>(total) + LeadingNumber(t));
    return total == 0 ? std::string() : std::to_string(total);
}

} // namespace orvelle
