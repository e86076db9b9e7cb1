#include "planner/PlannerTerms.h"

#include "planner/PlannerLayout.h"
#include "planner/PlannerLineBox.h"
#include "planner/PlannerLineEditing.h"
#include "planner/PlannerPageView.h"
#include "platform/Cp1252.h"
#include "platform/MdiChildren.h"
#include "platform/Twips.h"
#include "store/Store.h"
#include "store/TermCompletion.h"
#include "store/TermLists.h"

#include <QDropEvent>
#include <QMimeData>

namespace orvelle {
namespace {

// One byte per character position of the box.
std::string BoxBytes(const QString& text) {
    std::string bytes(static_cast<size_t>(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i) bytes[static_cast<size_t>(i)] = Cp1252Byte(text.at(i).unicode());
    return bytes;
}

QLineEdit* LineBox(PlannerPageView& page, int index) {
    return index >= 0 && index < PlannerLayout::kBoxes ? page.txt(index) : nullptr;
}

} // namespace

PlannerTerms::PlannerTerms(Store& s, PlannerPageView& page, PlannerLineEditing& editing, QObject* parent)
    : QObject(parent), s_(s), page_(page), editing_(editing) {
    setObjectName("PlannerTerms");
    for (int i = 0; i < PlannerLayout::kBoxes; ++i) {
        auto* box = qobject_cast<PlannerLineBox*>(page_.txt(i));
        if (!box) continue;
        box->onKeyUp = [this](int k, int code, int shift) { txt_KeyUp(k, code, shift); };
        box->installEventFilter(this);
    }
    s_.hooks.KeyTermIntoPlanner = [this](const std::string& term) { KeyTermIn(term); };
    // The window hands the keyboard on to where typing belongs: an open time editor being typed
    // in, else the current line, or the print preview while that covers the page.
    s_.hooks.FocusPlannerLine = [this] { FocusWithItsWindow(qobject_cast<QWidget*>(this->parent())); };
    SetDefaultFUTGeometry(s_, ScreenWidthTwips());
}

PlannerTerms::~PlannerTerms() { Detach(); }

void PlannerTerms::Detach() {
    if (!attached_) return;
    attached_ = false;
    s_.hooks.KeyTermIntoPlanner = nullptr;
    s_.hooks.FocusPlannerLine = nullptr;
}

void PlannerTerms::txt_KeyUp(int index, int keyCode, int shift) {
    auto* box = qobject_cast<PlannerLineBox*>(LineBox(page_, index));
    if (!box) return;
    EditingState& ed = s_.editing;
    ed.gLastKeyChar = std::string(1, static_cast<char>(keyCode & 0xFF));
    editing_.RefreshCaretLabels(index);
    const std::string text = BoxBytes(box->text());
    CompletionOffer offer = CompleteOnKeyUp(s_.terms.gCompletionWord, TermRules(s_, false), s_.terms.gFUTTerms, text,
                                            box->SelStart(), keyCode, shift);
    if (!offer.shown) return;
    QString before = box->text().left(static_cast<qsizetype>(offer.wordStart));
    QString after = box->text().mid(static_cast<qsizetype>(offer.caret));
    // Through the box's change handling, which stores the line (cut to its slot, as typed text).
    box->setText(before + FromCp1252(offer.replacement) + after);
    box->setSelection(static_cast<int>(offer.selStart), static_cast<int>(offer.selLength));
    ed.gCompletionShown = true;
    ed.gCompletionTerm = offer.term;
    ed.gCompletionCaret = box->SelStart() + box->SelLength() - 1;
}

void PlannerTerms::SetLineAndFocus(int index, const std::string& text) {
    QLineEdit* box = LineBox(page_, index);
    if (!box) return;
    box->setText(FromCp1252(text));
    box->setCursorPosition(static_cast<int>(box->text().size()));
    // The term came from the terms window (a key or a drop): the keyboard comes back here.
    FocusWithItsWindow(box);
}

void PlannerTerms::txt_DragDrop(int index, const std::string& term) {
    QLineEdit* box = LineBox(page_, index);
    if (!box) return;
    s_.editing.gCompletionTerm = term;
    SetLineAndFocus(index, TextWithDroppedTerm(BoxBytes(box->text()), term, false));
}

void PlannerTerms::KeyTermIn(const std::string& term) {
    int index = s_.editing.gCurrentPlannerLine;
    QLineEdit* box = LineBox(page_, index);
    if (!box) return;
    // A print preview covers the page: a term would land in a line nobody sees.
    if (box->isHidden()) {
        FocusWithItsWindow(qobject_cast<QWidget*>(parent()));
        return;
    }
    SetLineAndFocus(index, TextWithKeyedTerm(BoxBytes(box->text()), term, false));
}

bool PlannerTerms::eventFilter(QObject* watched, QEvent* e) {
    // The terms window writes into this page, and gives the keyboard back to it, until another
    // box takes the keyboard.
    if (e->type() == QEvent::FocusIn && attached_) s_.terms.typingIn = TypingBox::PlannerLine;
    if (e->type() != QEvent::DragEnter && e->type() != QEvent::DragMove && e->type() != QEvent::Drop)
        return QObject::eventFilter(watched, e);
    auto* box = qobject_cast<PlannerLineBox*>(watched);
    auto* d = static_cast<QDropEvent*>(e);
    if (!box || !d->mimeData()->hasFormat(kTermDragFormat)) return QObject::eventFilter(watched, e);
    if (e->type() == QEvent::Drop) txt_DragDrop(box->Index(), d->mimeData()->data(kTermDragFormat).toStdString());
    d->acceptProposedAction();
    return true;
}

} // namespace orvelle
