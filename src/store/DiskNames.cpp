#include "store/DiskNames.h"

#include "store/TextFile.h"

#include <array>

namespace orvelle {
namespace {

// 0x80-0x9F.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of well-formed UTF-8 at `i` (advanced past it); false when malformed.
bool NextCodePoint(std::string_view s, size_t& i, char32_t& c) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    int more = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (more < 0) return false;
    c = more == 0 ? b : more == 1 ? (b & 0x1F) : more == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= more; ++k) {
        if (i + static_cast<size_t>(k) >= s.size()) return false;
        unsigned char t = byte(i + static_cast<size_t>(k));
        if ((t & 0xC0) != 0x80) return false;
        c = (c << 6) | (t & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
    i += static_cast<size_t>(more) + 1;
    return true;
}

} // namespace

// The Windows-1252 byte of a code point; false when it has none.
bool Cp1252ByteOf(char32_t c, char& out) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out = static_cast<char>(c);
        return true;
    }
    for (size_t k = 0; k < kHigh.size(); ++k) {
        if (kHigh[k] == c) {
            out = static_cast<char>(0x80 + k);
            return true;
        }
    }
    return false;
}

char32_t Cp1252CodePoint(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte; }

std::string DiskName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char b : name) AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(b)));
    return out;
}

bool IsUtf8(std::string_view bytes) {
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();)
        if (!NextCodePoint(bytes, i, c)) return false;
    return true;
}

std::string NameFromDisk(std::string_view diskName) {
    std::string out;
    out.reserve(diskName.size());
    char32_t c = 0;
    for (size_t i = 0; i < diskName.size();) {
        char b = 0;
        if (!NextCodePoint(diskName, i, c) || !Cp1252ByteOf(c, b)) return std::string(diskName);
        out += b;
    }
    return out;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    std::string utf8 = folder + DiskName(name);
    if (utf8.size() == folder.size() + name.size() || PathExists(utf8)) return utf8;
    std::string raw = folder + name;
    return PathExists(raw) ? raw : utf8;
}

} // namespace orvelle
