#include "platform/FileCharacters.h"

#include "platform/Cp1252.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStringList>
#include <QTextCursor>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace orvelle {
namespace {

bool Kept(char16_t c) { return c < 0x80 || Cp1252Byte(c) != '?'; }

// A multi-line box holds its line breaks as separators of its own; they are saved as CR LF.
bool KeptInBox(char16_t c) { return Kept(c) || c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

QString Composed(const QString& text) { return text.normalized(QString::NormalizationForm_C); }

QString Without(const QString& text, const QString& notKept) {
    QString out;
    for (char32_t c : text.toUcs4())
        if (!notKept.contains(QString::fromUcs4(&c, 1))) out += QString::fromUcs4(&c, 1);
    return out;
}

// "ő", "日" and U+200B
QString Named(const QString& characters) {
    QStringList names;
    for (char32_t c : characters.toUcs4()) {
        bool visible = QChar::isPrint(c) && !QChar::isMark(c) && !QChar::isSpace(c);
        names << (visible ? "\"" + QString::fromUcs4(&c, 1) + "\""
                          : QString("U+%1").arg(static_cast<uint>(c), 4, 16, QChar('0')).toUpper());
    }
    if (names.size() < 2) return names.join(QString());
    QString last = names.takeLast();
    return names.join(", ") + " and " + last;
}

QString& Waiting() {
    static QString waiting;
    return waiting;
}

void TellWaiting() {
    QString characters = std::exchange(Waiting(), QString());
    bool one = characters.toUcs4().size() == 1;
    QString text = Named(characters) +
                   " cannot be kept: the program's files hold only Western European (Windows-1252) characters. " +
                   (one ? "It was" : "They were") + " not put in.";
    AppPrompter().MsgBoxUtf8(text.toStdString(), MsgButtons::OK, one ? "Character Not Kept" : "Characters Not Kept");
}

// Inside an edit the message waits for the event to end; refusals until then join it.
void Tell(const QString& characters, bool now) {
    if (characters.isEmpty()) return;
    bool waiting = !Waiting().isEmpty();
    Waiting() = CharactersNotKept(Waiting() + characters);
    if (waiting) return;
    if (now) TellWaiting();
    else QMetaObject::invokeMethod(QCoreApplication::instance(), &TellWaiting, Qt::QueuedConnection);
}

void TellTooLong(qsizetype most) {
    static bool waiting = false;
    if (std::exchange(waiting, true)) return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [most] {
            waiting = false;
            AppPrompter().MsgBox("This box holds at most " + std::to_string(most) +
                                     " characters, what its line in the file can keep. The text was not put in.",
                                 MsgButtons::OK, "Text Too Long");
        },
        Qt::QueuedConnection);
}

class KeptOnlyValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString composed = Composed(input);
        QString notKept = CharactersNotKept(composed);
        if (!notKept.isEmpty()) {
            TellCharactersNotKept(notKept);
            return Invalid;
        }
        // Only an edit that makes the text longer is refused: text the program sets is its own
        // (the saves check it), and a longer one may shrink.
        auto* box = qobject_cast<const QLineEdit*>(parent());
        if (most >= 0 && composed.size() > most && composed.size() > shown && box && box->isModified()) {
            TellTooLong(most);
            return Invalid;
        }
        if (composed != input) {
            pos = static_cast<int>(Composed(input.left(pos)).size());
            input = composed;
        }
        return Acceptable;
    }
    qsizetype most = -1;   // no limit
    qsizetype shown = 0;   // the length of the box's text
};

} // namespace

QString CharactersNotKept(const QString& text) {
    bool all = true;
    for (QChar c : text) all = all && Kept(c.unicode());
    if (all) return {};
    QString out;
    for (char32_t c : text.toUcs4()) {
        QString one = QString::fromUcs4(&c, 1);
        if ((c > 0xFFFF || !Kept(static_cast<char16_t>(c))) && !out.contains(one)) out += one;
    }
    return out;
}

void TellCharactersNotKept(const QString& characters) { Tell(characters, false); }

void KeepFileCharactersOnly(QLineEdit* box) {
    if (!box || box->validator()) return;
    box->setValidator(new KeptOnlyValidator(box));
    // Setting the text (as an assistive tool does) is not refused by the validator, only
    // reported by it: such text loses what cannot be kept.
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        if (CharactersNotKept(text).isEmpty()) return;
        QMetaObject::invokeMethod(
            box,
            [box] {
                QString now = Composed(box->text());
                if (QString notKept = CharactersNotKept(now); !notKept.isEmpty()) box->setText(Without(now, notKept));
            },
            Qt::QueuedConnection);
    });
}

void KeepFileTextWithin(QLineEdit* box, size_t most) {
    if (!box) return;
    KeepFileCharactersOnly(box);
    auto* v = const_cast<KeptOnlyValidator*>(dynamic_cast<const KeptOnlyValidator*>(box->validator()));
    if (!v) return;
    if (v->most < 0) {
        // While validating, the box already holds the edit: the length before it is kept here.
        v->shown = box->text().size();
        QObject::connect(box, &QLineEdit::textChanged, v, [v](const QString& text) { v->shown = text.size(); });
    }
    v->most = most > static_cast<size_t>(std::numeric_limits<int>::max()) ? -1 : static_cast<qsizetype>(most);
}

void KeepFileCharactersOnly(QComboBox* box) {
    if (box) KeepFileCharactersOnly(box->lineEdit());
}

FileTextEdit::FileTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        if (checkQueued_ || added <= 0) return;
        // The added text read at once: a whole note set into the box is read in one go, where
        // asking the document for each character costs as much as laying the note out.
        QTextCursor range(document());
        range.setPosition(position);
        range.setPosition(std::min(position + added, document()->characterCount() - 1), QTextCursor::KeepAnchor);
        const QString text = range.selectedText();
        for (QChar c : text) {
            if (KeptInBox(c.unicode())) continue;
            checkQueued_ = true;
            QMetaObject::invokeMethod(this, &FileTextEdit::DropCharactersNotKept, Qt::QueuedConnection);
            return;
        }
    });
}

void FileTextEdit::keyPressEvent(QKeyEvent* e) {
    QString notKept = CharactersNotKept(e->text());
    if (notKept.isEmpty() || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    TellCharactersNotKept(notKept);
    e->accept();
}

void FileTextEdit::inputMethodEvent(QInputMethodEvent* e) {
    QString notKept = CharactersNotKept(Composed(e->commitString()));
    if (notKept.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    TellCharactersNotKept(notKept);
    QInputMethodEvent withoutCommit(e->preeditString(), e->attributes());
    withoutCommit.setCommitString(QString(), e->replacementStart(), e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
}

void FileTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = Composed(source->text());
    if (QString notKept = CharactersNotKept(text); !notKept.isEmpty()) {
        TellCharactersNotKept(notKept);
        return;
    }
    QMimeData composed;
    composed.setText(text);
    QPlainTextEdit::insertFromMimeData(&composed);
}

void FileTextEdit::DropCharactersNotKept() {
    checkQueued_ = false;
    const QString raw = document()->toRawText();
    QString dropped;
    QTextCursor c(document());
    c.beginEditBlock();
    for (int end = static_cast<int>(raw.size()); end > 0;) {
        int start = end;
        while (start > 0 && !KeptInBox(raw.at(start - 1).unicode())) --start;
        if (start == end) {
            --end;
            continue;
        }
        dropped.prepend(raw.mid(start, end - start));
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        end = start;
    }
    c.endEditBlock();
    Tell(CharactersNotKept(dropped), true);
}

} // namespace orvelle
