#include "store/DateText.h"

#include <cctype>
#include <string>
#include <vector>

namespace orvelle {
namespace {

struct Token {
    std::string text;
    bool digits = false;
};

bool IsSeparator(char c) { return c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == '\t'; }

std::optional<std::vector<Token>> Tokens(std::string_view text) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (IsSeparator(c)) { ++i; continue; }
        auto u = static_cast<unsigned char>(c);
        bool digit = std::isdigit(u) != 0;
        if (!digit && !std::isalpha(u)) return std::nullopt;
        Token t{{}, digit};
        while (i < text.size() && !IsSeparator(text[i])) {
            auto v = static_cast<unsigned char>(text[i]);
            if ((std::isdigit(v) != 0) != digit || (!digit && !std::isalpha(v))) return std::nullopt;
            t.text += text[i++];
        }
        out.push_back(std::move(t));
    }
    return out;
}

std::optional<int> Number(const Token& t, size_t maxDigits) {
    if (!t.digits || t.text.empty() || t.text.size() > maxDigits) return std::nullopt;
    return std::stoi(t.text);
}

std::optional<int> Year(const Token& t, int currentYear) {
    if (!t.digits || t.text.size() == 3 || t.text.size() > 4) return std::nullopt;
    int y = std::stoi(t.text);
    return t.text.size() <= 2 ? ExpandTwoDigitYear(y, currentYear) : y;
}

} // namespace

std::optional<TypedDate> ParseTypedDate(std::string_view text, int defaultYear, int currentYear) {
    auto tokens = Tokens(text);
    if (!tokens || tokens->size() < 2 || tokens->size() > 3) return std::nullopt;
    const auto& t = *tokens;
    std::optional<int> m, d, y;
    const Token* yearToken = nullptr;
    if (!t[0].digits) { // "July 4", "Jul 04, 2009"
        m = MonthFromName(t[0].text);
        d = Number(t[1], 2);
    } else if (!t[1].digits) { // "4 July 2009"
        d = Number(t[0], 2);
        m = MonthFromName(t[1].text);
    } else if (t.size() == 3 && t[0].text.size() == 4) { // "2009/7/4"
        y = Year(t[0], currentYear);
        yearToken = &t[0];
        m = Number(t[1], 2);
        d = Number(t[2], 2);
        if (!y) return std::nullopt;
    } else {
        m = Number(t[0], 2);
        d = Number(t[1], 2);
    }
    if (t.size() == 3 && !y) {
        y = Year(t[2], currentYear);
        yearToken = &t[2];
        if (!y) return std::nullopt;
    }
    if (!m || !d || *m == 0) return std::nullopt;
    TypedDate r{y.value_or(defaultYear), *m, *d, y.has_value(), yearToken && yearToken->text.size() <= 2};
    if (r.year < 100 || r.year > 9999 || !IsValidDate(r.year, r.month, r.day)) return std::nullopt;
    return r;
}

std::string FormatMmmDdYyyy(Date d) {
    Ymd v = SplitDate(d);
    return MonthAbbrev(v.month) + " " + TwoDigits(v.day) + ", " + std::to_string(v.year);
}

} // namespace orvelle
