#include "store/Numbers.h"

#include <charconv>
#include <cmath>

namespace orvelle {

double RoundHalfAway(double v, int decimals) {
    double f = std::pow(10.0, decimals);
    // The small nudge keeps values like 2.675 (stored as 2.67499...) rounding as typed.
    double scaled = v * f;
    double r = std::round(scaled + (scaled >= 0 ? 1e-9 : -1e-9));
    return r / f;
}

std::string FormatFixed(double v, int decimals) {
    // to_chars ignores the process locale, so a decimal comma can never reach a file.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, RoundHalfAway(v, decimals), std::chars_format::fixed, decimals);
    std::string s = ec == std::errc() ? std::string(buf, end) : std::string("0");
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1); // no "-0.00"
    return s;
}

std::string FormatGrouped(double v, int decimals) {
    std::string s = FormatFixed(v, decimals);
    bool neg = !s.empty() && s[0] == '-';
    if (neg) s.erase(0, 1);
    size_t dot = s.find('.');
    std::string whole = s.substr(0, dot), frac = dot == std::string::npos ? "" : s.substr(dot);
    std::string out;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return (neg ? "-" : "") + out + frac;
}

std::string PadNumber(long v, int width) {
    std::string s = std::to_string(v < 0 ? -v : v);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
    return v < 0 ? "-" + s : s;
}

std::optional<double> ParseNumber(std::string_view text) {
    size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::nullopt;
    size_t b = text.find_last_not_of(' ');
    text = text.substr(a, b - a + 1);
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+')) return std::nullopt;
    }
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size()) return std::nullopt;
    return v;
}

} // namespace orvelle
