#include "platform/Cp1252.h"

#include "store/DiskNames.h"

namespace orvelle {
namespace {

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
    char b = '?';
    Cp1252ByteOf(c, b);
    return b;
}

QString FromCp1252(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (unsigned char b : bytes) {
        // Only 0x80-0x9F differ from Latin-1; the table lookup is kept off the common bytes.
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? static_cast<char16_t>(Cp1252CodePoint(b)) : static_cast<char16_t>(b));
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

QString FromFileSystem(std::string_view bytes) {
    return IsUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())) : FromCp1252(bytes);
}

} // namespace orvelle
