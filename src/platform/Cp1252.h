#pragma once
// Conversion between the data files' Windows-1252 bytes and Qt's strings, used only where text
// meets a widget.
#include <QString>
#include <string>
#include <string_view>

namespace orvelle {

QString FromCp1252(std::string_view bytes);
// A character with no Windows-1252 form becomes "?".
std::string ToCp1252(const QString& text);

} // namespace orvelle
