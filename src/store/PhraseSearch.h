#pragma once
// The phrase search over notes and planner records: a plain substring test that ignores letter
// case (Windows-1252 letters, accented ones included), and nothing else. Built once per search,
// it skips through the text by pairs of bytes that do not occur in the phrase, so a year of
// records is scanned at memory speed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvelle {

class PhraseMatcher {
public:
    // noteText: the texts are notes in their stored form, whose pair of bytes 0xD5 0xD2 is a line
    // break; a hit never takes in a byte of that pair.
    explicit PhraseMatcher(std::string_view phrase, bool noteText = false);

    // True when the phrase occurs in `text`; an empty phrase occurs nowhere.
    bool In(std::string_view text) const;

private:
    std::array<unsigned char, 256> fold_{};
    // Shift for the raw pair of bytes ending the window, by the pair's hash; small enough to
    // stay in the first-level cache, where the scan's chain of look-ups is fastest.
    std::array<std::uint8_t, 4096> shift_{};
    std::string folded_;
    bool noteText_ = false;
};

// Windows-1252 upper case of one byte: a-z and the accented small letters.
unsigned char UpperCp1252(unsigned char c);

} // namespace orvelle
