#pragma once
// Stored texts are Windows-1252 bytes with CR LF line breaks; a Qt text box holds one "\n" per
// line break. These convert at that boundary.
#include <QString>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace orvelle {

// CR LF, lone CR and lone LF all become "\n".
QString ToBoxText(std::string_view bytes);
// Every "\n" (or paragraph or line separator) becomes CR LF; characters with no Windows-1252
// form become "?".
std::string FromBoxText(const QString& text);
// A text box's text with every character kept as typed (no-break spaces stay), "\n" per break.
QString BoxTextOf(const QPlainTextEdit* box);

} // namespace orvelle
