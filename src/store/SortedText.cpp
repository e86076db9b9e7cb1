#include "store/SortedText.h"

#include <algorithm>

namespace orvelle {
namespace {

unsigned char Fold(char ch) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

} // namespace

bool LessWithoutCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

std::string UpperCp1252(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
    }
    return out;
}

size_t InsertSorted(std::vector<std::string>& items, std::string item) {
    auto at = std::upper_bound(items.begin(), items.end(), item,
                               [](const std::string& a, const std::string& b) { return LessWithoutCase(a, b); });
    size_t pos = static_cast<size_t>(at - items.begin());
    items.insert(at, std::move(item));
    return pos;
}

} // namespace orvelle
