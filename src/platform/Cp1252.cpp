#include "platform/Cp1252.h"

#include <array>

namespace orvelle {
namespace {

// 0x80-0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsUnassignedC1(char16_t c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

} // namespace

char Cp1252Byte(char16_t c) {
    if (c < 0x80 || c >= 0xA0) {
        if (c <= 0xFF) return static_cast<char>(c);
    } else if (IsUnassignedC1(c)) {
        return static_cast<char>(c);
    } else {
        return '?'; // a C1 control that Windows-1252 uses for a printable character
    }
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString FromCp1252(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (unsigned char b : bytes) {
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b));
    }
    return out;
}

std::string ToCp1252(const QString& text) {
    const qsizetype n = text.size();
    std::string out(static_cast<size_t>(n), '\0');
    char* d = out.data();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = src[i];
        if (c < 0x80) {
            *d++ = static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            ++i; // one character outside the Basic Multilingual Plane, one "?"
            *d++ = '?';
        } else {
            *d++ = Cp1252Byte(c);
        }
    }
    out.resize(static_cast<size_t>(d - out.data()));
    return out;
}

} // namespace orvelle
