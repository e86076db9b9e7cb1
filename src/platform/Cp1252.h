#pragma once
// Conversion between the data files' Windows-1252 bytes and Qt's strings, used only where text
// meets a widget. Every byte is one character and back: the five bytes Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same value,
// so they too survive a trip through a widget.
#include <QString>
#include <string>
#include <string_view>

namespace orvelle {

QString FromCp1252(std::string_view bytes);
// One byte per character; a character with no Windows-1252 form (a surrogate pair counts as one
// character) becomes "?".
std::string ToCp1252(const QString& text);
// The byte of one character, or '?' when it has none.
char Cp1252Byte(char16_t c);

// A file name or path as the disk holds it, for showing: UTF-8, or the Windows-1252 bytes an
// older copy wrote.
QString FromFileSystem(std::string_view bytes);

} // namespace orvelle
