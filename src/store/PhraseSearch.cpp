#include "store/PhraseSearch.h"

namespace orvelle {

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

PhraseMatcher::PhraseMatcher(std::string_view phrase, bool noteText) {
    for (int c = 0; c < 256; ++c) fold_[c] = UpperCp1252(static_cast<unsigned char>(c));
    if (noteText) {
        // Stored line breaks fold to themselves as CR and LF, which no phrase holds.
        fold_[0xD5] = '\r';
        fold_[0xD2] = '\n';
    }
    folded_.reserve(phrase.size());
    // The phrase is folded with the plain table: a typed letter is always a letter.
    for (char c : phrase) folded_ += static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
    const std::size_t m = folded_.size();
    skip_.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i) skip_[static_cast<unsigned char>(folded_[i])] = m - 1 - i;
}

bool PhraseMatcher::In(std::string_view text) const {
    const std::size_t m = folded_.size(), n = text.size();
    if (m == 0 || n < m) return false;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* p = reinterpret_cast<const unsigned char*>(folded_.data());
    const unsigned char last = p[m - 1];
    // Horspool on folded bytes: compare the window's last byte first, then shift by the skip of
    // that byte.
    for (std::size_t pos = 0; pos + m <= n;) {
        unsigned char c = fold_[t[pos + m - 1]];
        if (c == last) {
            std::size_t k = 0;
            while (k + 1 < m && fold_[t[pos + k]] == p[k]) ++k;
            if (k + 1 >= m) return true;
        }
        pos += skip_[c];
    }
    return false;
}

} // namespace orvelle
