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

// Keeps the box's layout time in proportion to its text, whatever text it is given. A box that
// keeps words whole goes through the rest of an unbroken run again for each screen line of it,
// so once the text holds a run of hundreds of characters with no blank, the box wraps anywhere
// (until a new text replaces the whole). A long paragraph keeps its shaped glyphs: otherwise
// each repaint, each blink of the caret included, shapes all of it anew.
void KeepLayoutInProportion(QPlainTextEdit* box);

} // namespace orvelle
