#include "notes/NotesTerms.h"

#include "notes/BoxText.h"
#include "platform/Cp1252.h"
#include "platform/KeyCodeTable.h"
#include "platform/MdiChildren.h"
#include "store/Store.h"
#include "store/TermCompletion.h"
#include "store/TermLists.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace orvelle {

NotesTermBox::NotesTermBox(Store& store, QPlainTextEdit* box, QObject* parent)
    : QObject(parent), store_(store), box_(box) {
    setObjectName("NotesTermBox");
    viewport_ = box_->viewport();
    box_->installEventFilter(this);
    viewport_->installEventFilter(this);
    box_->setAcceptDrops(true);
    box_->viewport()->setAcceptDrops(true);
    store_.hooks.KeyTermIntoNotes = [this](const std::string& term) { KeyTermIn(term); };
    store_.hooks.FocusNotesBox = [this] { FocusWithItsWindow(box_); };
}

NotesTermBox::~NotesTermBox() { Detach(); }

void NotesTermBox::Detach() {
    if (!attached_) return;
    attached_ = false;
    store_.hooks.KeyTermIntoNotes = nullptr;
    store_.hooks.FocusNotesBox = nullptr;
}

std::string NotesTermBox::BoxBytes() const {
    QString text = BoxTextOf(box_);
    std::string bytes(static_cast<size_t>(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i) bytes[static_cast<size_t>(i)] = Cp1252Byte(text.at(i).unicode());
    return bytes;
}

bool NotesTermBox::txtNotes_KeyDown(QKeyEvent* e) {
    EditingState& ed = store_.editing;
    QTextCursor c = box_->textCursor();
    ed.gPlannerCaretPos = c.selectionStart();
    int keyCode = KeyCodeFromQtKey(e->key());
    const int original = keyCode;
    long caret = AcceptCompletionKey(ed, store_.prefs.gAutoCompleteOn, c.hasSelection(), keyCode,
                                     ShiftStateOf(e->modifiers()));
    if (caret < 0) return false;
    c.setPosition(static_cast<int>(std::min<long>(caret, box_->document()->characterCount() - 1)));
    box_->setTextCursor(c);
    if (keyCode == original) return false;
    // Enter takes the completion as Right does.
    QKeyEvent right(QEvent::KeyPress, QtKeyFromKeyCode(keyCode), Qt::NoModifier);
    QCoreApplication::sendEvent(box_, &right);
    return true;
}

void NotesTermBox::txtNotes_KeyUp(int keyCode, int shift) {
    Store& s = store_;
    QTextCursor c = box_->textCursor();
    s.editing.gPlannerCaretPos = c.selectionStart();
    CompletionOffer offer = CompleteOnKeyUp(s.terms.gCompletionWord, TermRules(s, true), s.terms.gFUTTerms, BoxBytes(),
                                            c.selectionStart(), keyCode, shift);
    if (!offer.shown) return;
    c.setPosition(static_cast<int>(offer.wordStart));
    c.setPosition(static_cast<int>(offer.caret), QTextCursor::KeepAnchor);
    c.insertText(FromCp1252(offer.replacement));
    c.setPosition(static_cast<int>(offer.selStart));
    c.setPosition(static_cast<int>(offer.selStart + offer.selLength), QTextCursor::KeepAnchor);
    box_->setTextCursor(c);
    EditingState& ed = s.editing;
    ed.gCompletionShown = true;
    ed.gCompletionTerm = offer.term;
    ed.gCompletionCaret = box_->textCursor().selectionEnd() - 1;
}

void NotesTermBox::AppendAndFocus(const std::string& tail) {
    QTextCursor c(box_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(FromCp1252(tail));
    box_->setTextCursor(c);
    // The term came from the terms window (a key or a drop): the keyboard comes back here.
    FocusWithItsWindow(box_);
}

void NotesTermBox::txtNotes_DragDrop(const std::string& term) {
    store_.editing.gCompletionTerm = term;
    std::string text = BoxBytes();
    AppendAndFocus(TextWithDroppedTerm(text, term, true).substr(text.size()));
}

void NotesTermBox::KeyTermIn(const std::string& term) {
    std::string text = BoxBytes();
    AppendAndFocus(TextWithKeyedTerm(text, term, true).substr(text.size()));
}

bool NotesTermBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == box_) {
        // The terms window writes here, and gives the keyboard back here, until another box
        // takes the keyboard.
        if (e->type() == QEvent::FocusIn && attached_) store_.terms.typingIn = TypingBox::NotesBox;
        if (e->type() == QEvent::KeyPress && txtNotes_KeyDown(static_cast<QKeyEvent*>(e))) return true;
        if (e->type() == QEvent::KeyRelease) {
            auto* k = static_cast<QKeyEvent*>(e);
            int keyCode = KeyCodeFromQtKey(k->key());
            if (keyCode != 0 && !k->isAutoRepeat()) txtNotes_KeyUp(keyCode, ShiftStateOf(k->modifiers()));
        }
    }
    // Drag events reach the viewport, or the box when the viewport passes them on.
    if (watched == box_ || watched == viewport_) {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDropEvent*>(e);
            if (!d->mimeData()->hasFormat(kTermDragFormat)) break;
            d->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            if (!d->mimeData()->hasFormat(kTermDragFormat)) break;
            txtNotes_DragDrop(d->mimeData()->data(kTermDragFormat).toStdString());
            d->acceptProposedAction();
            return true;
        }
        default: break;
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace orvelle
