#include "notes/BoxText.h"

#include "platform/Cp1252.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace orvelle {

QString ToBoxText(std::string_view bytes) {
    QString t = FromCp1252(bytes);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

std::string FromBoxText(const QString& text) {
    QString t = text;
    t.replace(QChar::ParagraphSeparator, QChar('\n'));
    t.replace(QChar::LineSeparator, QChar('\n'));
    t.replace(QChar('\n'), QStringLiteral("\r\n"));
    return ToCp1252(t);
}

QString BoxTextOf(const QPlainTextEdit* box) {
    QString t = box->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QChar('\n'));
    t.replace(QChar::LineSeparator, QChar('\n'));
    return t;
}

} // namespace orvelle
