#include "notes/BoxText.h"

#include "platform/Cp1252.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

namespace {

// A run of characters longer than this with no blank or line break in it is no word of a note;
// shorter runs cost little to keep whole.
constexpr qsizetype kLongestWrappedRun = 500;
// Paragraphs longer than this keep their glyphs.
constexpr int kCachedParagraph = 8192;

bool HoldsLongRun(const QString& text) {
    qsizetype run = 0;
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u == ' ' || u == '\t' || u == QChar::LineSeparator) run = 0;
        else if (++run > kLongestWrappedRun) return true;
    }
    return false;
}

} // namespace

void KeepLayoutInProportion(QPlainTextEdit* box) {
    QTextDocument* doc = box->document();
    // Told before the changed paragraphs are laid out, so the first layout is already the cheap one.
    QObject::connect(doc, &QTextDocument::contentsChange, box, [box, doc](int from, int, int added) {
        const QTextBlock last = doc->findBlock(from + added);
        bool longRun = false;
        for (QTextBlock b = doc->findBlock(from); b.isValid(); b = b.next()) {
            if (b.length() > kCachedParagraph && !b.layout()->cacheEnabled()) b.layout()->setCacheEnabled(true);
            longRun = longRun || (b.length() > kLongestWrappedRun && HoldsLongRun(b.text()));
            if (b == last) break;
        }
        bool whole = from == 0 && added >= doc->characterCount() - 1;
        QTextOption::WrapMode wrap = longRun ? QTextOption::WrapAnywhere
                                     : whole ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                             : box->wordWrapMode();
        if (box->wordWrapMode() != wrap) box->setWordWrapMode(wrap);
    });
}

QString BoxTextOf(const QPlainTextEdit* box) {
    QString t = box->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QChar('\n'));
    t.replace(QChar::LineSeparator, QChar('\n'));
    return t;
}

} // namespace orvelle
