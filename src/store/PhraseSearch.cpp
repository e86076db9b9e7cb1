#include "store/PhraseSearch.h"

#include <algorithm>
#include <vector>

namespace orvelle {
namespace {

// The two bytes ending the window, as they stand in the text, hashed into the shift table.
inline std::size_t PairHash(unsigned a, unsigned b) {
    unsigned v = a | (b << 8);
    return (v ^ (v >> 5)) & 0xFFF;
}

// Whether text[pos, pos + len) takes in a byte of a note's stored line break (0xD5 0xD2). The
// pair never overlaps another: 0xD5 only begins one and 0xD2 only ends one.
bool HoldsStoredBreak(std::string_view text, std::size_t pos, std::size_t len) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = pos; i < pos + len; ++i) {
        if (at(i) == 0xD5 && i + 1 < text.size() && at(i + 1) == 0xD2) return true;
        if (at(i) == 0xD2 && i > 0 && at(i - 1) == 0xD5) return true;
    }
    return false;
}

} // namespace

unsigned char UpperCp1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A; // s caron
    case 0x9C: return 0x8C; // oe
    case 0x9E: return 0x8E; // z caron
    case 0xFF: return 0x9F; // y diaeresis
    default: return c;
    }
}

PhraseMatcher::PhraseMatcher(std::string_view phrase, bool noteText) : noteText_(noteText) {
    for (int c = 0; c < 256; ++c) fold_[c] = UpperCp1252(static_cast<unsigned char>(c));
    folded_.reserve(phrase.size());
    for (char c : phrase) folded_ += static_cast<char>(fold_[static_cast<unsigned char>(c)]);
    const std::size_t m = folded_.size();
    if (m < 2) return;
    // Longer phrases shift by at most 255; they are still found, only more slowly. Pairs that
    // share a hash keep the smaller shift.
    const auto most = static_cast<std::uint8_t>(std::min<std::size_t>(m - 1, 0xFF));
    shift_.fill(most);
    const auto* p = reinterpret_cast<const unsigned char*>(folded_.data());
    // The table is keyed by the text's own bytes: every byte that folds to a phrase byte gets
    // its pair entered, so the scan does no folding until a window may hold the phrase.
    std::array<std::vector<unsigned char>, 256> forms;
    for (int c = 0; c < 256; ++c) forms[fold_[c]].push_back(static_cast<unsigned char>(c));
    for (std::size_t i = 0; i + 1 < m; ++i) {
        auto d = static_cast<std::uint8_t>(std::min<std::size_t>(m - 2 - i, most));
        for (unsigned char a : forms[p[i]])
            for (unsigned char b : forms[p[i + 1]]) {
                std::uint8_t& slot = shift_[PairHash(a, b)];
                slot = std::min(slot, d);
            }
    }
}

bool PhraseMatcher::In(std::string_view text) const {
    const std::size_t m = folded_.size(), n = text.size();
    if (m == 0 || n < m) return false;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* p = reinterpret_cast<const unsigned char*>(folded_.data());
    if (m == 1) {
        for (std::size_t i = 0; i < n; ++i)
            if (fold_[t[i]] == p[0] && !(noteText_ && HoldsStoredBreak(text, i, 1))) return true;
        return false;
    }
    // Horspool on pairs: the folded pair of bytes that ends the window says how far the phrase
    // can move; 0 means the window may hold the phrase and is compared in full.
    for (std::size_t pos = 0; pos + m <= n;) {
        std::size_t shift = shift_[PairHash(t[pos + m - 2], t[pos + m - 1])];
        if (shift == 0) {
            std::size_t k = 0;
            while (k < m && fold_[t[pos + k]] == p[k]) ++k;
            if (k == m && !(noteText_ && HoldsStoredBreak(text, pos, m))) return true;
            shift = 1;
        }
        pos += shift;
    }
    return false;
}

} // namespace orvelle
