#include "planner/PlannerLineEditing.h"

#include "planner/PlannerLineBox.h"
#include "planner/PlannerLineChecks.h"
#include "planner/PlannerLineWrap.h"
#include "planner/PlannerNavigation.h"
#include "planner/PlannerPageModel.h"
#include "planner/PlannerPageView.h"
#include "planner/QtTextMeasurer.h"
#include "platform/Colors.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Twips.h"
#include "store/Store.h"

#include <QLabel>

#include <algorithm>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>

namespace orvelle {

namespace {

const char* const kCursorCaption = "Cursor Position =    ";
// A box counts as out of sight below when less than this much of the page shows under its top.
constexpr double kBelowMargin = 300;

} // namespace

PlannerLineEditing::PlannerLineEditing(Store& s, PlannerPageModel& model, PlannerPageView& page, QScrollArea* scroll,
                                       std::function<void(int)> formKeyDown, QObject* parent)
    : QObject(parent), s_(s), model_(model), page_(page), scroll_(scroll), formKeyDown_(std::move(formKeyDown)),
      measurer_(std::make_unique<QtTextMeasurer>()) {
    setObjectName("PlannerLineEditing");
    s_.editing.gPlannerLineWidth = page_.Layout().boxes[0].width - kLineMarginTwips;
    for (int i = 0; i < PlannerLayout::kBoxes; ++i) {
        PlannerLineBox* box = Box(i);
        if (!box) continue;
        box->setProperty("BackColor", static_cast<qlonglong>(kPlainBackColor));
        box->onGotFocus = [this](int k) { txt_GotFocus(k); };
        box->onLostFocus = [this](int k) { txt_LostFocus(k); };
        box->onKeyDown = [this](int k, int& code, int shift) { txt_KeyDown(k, code, shift); };
        box->onKeyPress = [this](int k, int& ascii) { txt_KeyPress(k, ascii); };
        box->onMouseDown = [this](int k, int, int) { txt_MouseDown(k); };
        // What the key filter keeps out must not come in by pasting or dropping either.
        if (IsAmountBox(i) || IsOdometerBox(i))
            box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), box));
        else
            KeepFileCharactersOnly(box);
    }
}

PlannerLineBox* PlannerLineEditing::Box(int index) const {
    if (index < 0 || index >= PlannerLayout::kBoxes) return nullptr;
    return qobject_cast<PlannerLineBox*>(page_.txt(index));
}

TextFont PlannerLineEditing::BoxFont(int index) const { return TextFontOf(page_.txt(index)->font()); }

void PlannerLineEditing::UseTextMeasurer(std::unique_ptr<TextMeasurer> measurer) { measurer_ = std::move(measurer); }

bool PlannerLineEditing::LineTooWide(int index) const { return index >= 0 && index < 60 && mLineTooWide[index]; }
bool PlannerLineEditing::LineTooLong(int index) const { return index >= 0 && index < 60 && mLineTooLong[index]; }

void PlannerLineEditing::RefreshCaretLabels(int index) {
    PlannerLineBox* box = Box(index);
    if (!box) return;
    s_.editing.gPlannerCaretPos = box->SelStart();
    QString caption = kCursorCaption + QString::number(s_.editing.gPlannerCaretPos);
    for (int k = 0; k < 2; ++k) page_.lblCursPos(k)->setText(caption);
}

void PlannerLineEditing::SetBackColor(int index, long color) {
    QLineEdit* box = page_.txt(index);
    box->setProperty("BackColor", static_cast<qlonglong>(color));
    box->setStyleSheet(QString("background: %1;").arg(ColorFromVb(color).name()));
}

void PlannerLineEditing::txt_GotFocus(int index) {
    SetBackColor(index, kFocusBackColor);
    s_.editing.gCurrentPlannerLine = index;
    RefreshCaretLabels(index);
}

void PlannerLineEditing::txt_MouseDown(int index) {
    RefreshCaretLabels(index);
    emit lineEntered(index);
}

void PlannerLineEditing::txt_KeyPress(int index, int& keyAscii) {
    if (!AcceptsKeyAscii(index, keyAscii)) keyAscii = 0;
}

void PlannerLineEditing::txt_KeyDown(int index, int& keyCode, int shift) {
    PlannerLineBox* box = Box(index);
    if (!box) return;
    RefreshCaretLabels(index);
    EditingState& ed = s_.editing;
    ed.gLastKeyChar = std::string(1, static_cast<char>(keyCode & 0xFF));

    if (!ed.gCompletionShown) {
        // The navigation keys only move the focus; the box itself never sees them.
        switch (keyCode) {
        case vbkey::Enter:
        case vbkey::Tab: {
            int target = EnterTarget(index);
            MoveFocusByKey(target);
            FormatAndTotal(index);
            if (target >= 0) ScrollIntoView(target, true);
            keyCode = 0;
            break;
        }
        case vbkey::Down:
        case vbkey::Up: {
            bool down = keyCode == vbkey::Down;
            int target = down ? DownTarget(index) : UpTarget(index);
            MoveFocusByKey(target);
            if (target >= 0) ScrollIntoView(target, down);
            keyCode = 0;
            break;
        }
        default: break;
        }
        return;
    }

    if (box->SelLength() == 0) ed.gCompletionShown = false;
    if (!s_.prefs.gAutoCompleteOn || !ed.gCompletionShown) return;
    bool accept = false;
    if (shift == 1 && keyCode == vbkey::Space) {
        ed.gCompletionCaret += 2;
        accept = true;
    } else if (shift == 1 && keyCode == vbkey::Right) {
        accept = true;
    } else if (shift == 0 && keyCode == vbkey::Enter) {
        // Enter takes the suggestion and stays in the box: it goes on as Right.
        keyCode = vbkey::Right;
        accept = true;
    } else if (shift == 0 && (keyCode == vbkey::Insert || keyCode == vbkey::Right)) {
        accept = true;
    }
    if (!accept) return;
    ed.gCompletionShown = false;
    ed.gCompletionTerm.clear();
    // A place past the end of the text is the end (the box itself would ignore it).
    int caret = static_cast<int>(std::clamp<long>(ed.gCompletionCaret, 0, box->text().size()));
    box->setCursorPosition(caret);
    ed.gPlannerCaretPos = caret;
}

void PlannerLineEditing::MoveFocus(int target) {
    if (PlannerLineBox* box = Box(target)) box->setFocus(Qt::OtherFocusReason);
}

void PlannerLineEditing::MoveFocusByKey(int target) {
    MoveFocus(target);
    if (Box(target)) emit lineEntered(target);
}

void PlannerLineEditing::ScrollIntoView(int box, bool downwards) {
    if (!scroll_ || !formKeyDown_) return;
    QScrollBar* bar = scroll_->verticalScrollBar();
    const double top = page_.Layout().boxes[box].top;
    // A page step may not reach a box far away; go on while the page still moves.
    for (int step = 0; step < 20; ++step) {
        const double shownFrom = PixelsToTwipsY(bar->value());
        const double height = PixelsToTwipsY(scroll_->viewport()->height());
        bool hidden = downwards ? height + shownFrom < top + kBelowMargin : top < shownFrom;
        if (!hidden) return;
        int before = bar->value();
        formKeyDown_(downwards ? vbkey::PageDown : vbkey::PageUp);
        if (bar->value() == before) return;
    }
}

void PlannerLineEditing::FormatAndTotal(int index) {
    if (!IsAmountBox(index) && !IsOdometerBox(index)) return;
    QLineEdit* box = page_.txt(index);
    QString formatted = FromCp1252(FormatOnLeave(index, ToCp1252(box->text())));
    if (formatted != box->text()) box->setText(formatted);
    if (IsAmountBox(index)) model_.AddTheAmounts();
    else model_.AddTheMiles(index);
    ShowComputedBoxes();
}

void PlannerLineEditing::ShowComputedBoxes() {
    for (int i : {38, 54, 55, 56, 57, 58, 59}) {
        QString text = FromCp1252(model_.BoxText(i));
        if (page_.txt(i)->text() != text) page_.txt(i)->setText(text);
    }
}

void PlannerLineEditing::txt_LostFocus(int index) {
    PlannerLineBox* box = Box(index);
    if (!box) return;
    s_.editing.gLostFocusLine = index;
    mLostFocusCaret = box->CaretAtLeave();
    LineCheck check = CheckLineOnLeave(ToCp1252(box->text()), page_.Layout().boxes[index].width,
                                       model_.MaxChars(index), *measurer_, BoxFont(index));
    mLineTooWide[index] = check.tooWide;
    mLineTooLong[index] = check.tooLong;
    SetBackColor(index, check.backColor);
    box->setToolTip(QString::fromStdString(check.toolTip));
    FormatAndTotal(index);
}

void PlannerLineEditing::ReturnFocusToLastLine() {
    PlannerLineBox* box = Box(s_.editing.gLostFocusLine);
    if (!box) return;
    box->setFocus(Qt::OtherFocusReason);
    box->setCursorPosition(mLostFocusCaret);
}

void PlannerLineEditing::MakeCurrentLine(int index) {
    PlannerLineBox* box = Box(index);
    if (!box) return;
    // A line holding the focus is left by the focus move itself; one that kept its colour when
    // the window lost the keyboard is left here, or two lines would show as current.
    for (int i = 0; i < PlannerLayout::kBoxes; ++i) {
        QLineEdit* other = page_.txt(i);
        if (i != index && !other->hasFocus() && other->property("BackColor").toLongLong() == kFocusBackColor)
            txt_LostFocus(i);
    }
    box->setFocus(Qt::OtherFocusReason);
    if (!box->hasFocus()) txt_GotFocus(index);
    emit lineEntered(index);
}

void PlannerLineEditing::txt_Change(int index) {
    if (s_.flags.gPlannerLoading) return;
    QLineEdit* box = page_.txt(index);
    if (!wrapping_ && index < kAppointmentLines) {
        EditingState& ed = s_.editing;
        ed.gWrapLineText = ToCp1252(box->text());
        double width = measurer_->TextWidth(ed.gWrapLineText, BoxFont(index));
        if (width > page_.Layout().boxes[index].width && model_.LineType(index) == "Push") {
            char key = ed.gLastKeyChar.empty() ? '\0' : ed.gLastKeyChar[0];
            CheckWrapPosition(ed.gWrapLineText, ed.gPlannerCaretPos, key, ed.wrap);
            if (ed.wrap.gWrapNeeded) WrapLine(index);
        }
    }
    if (!mainCaretLabel_) mainCaretLabel_ = page_.window()->findChild<QLabel*>("lblCurPos");
    if (mainCaretLabel_) mainCaretLabel_->setText("Text Position = " + QString::number(Box(index) ? Box(index)->SelStart() : 0));
}

void PlannerLineEditing::WrapLine(int index) {
    EditingState& ed = s_.editing;
    std::array<std::string, kAppointmentLines> lines;
    std::array<bool, kAppointmentLines> push{};
    for (int k = 0; k < kAppointmentLines; ++k) {
        lines[k] = ToCp1252(page_.txt(k)->text());
        push[k] = model_.LineType(k) == "Push";
    }
    WrapMetrics metrics{*measurer_, BoxFont(index), static_cast<double>(page_.Layout().boxes[index].width),
                        ed.gPlannerLineWidth};
    WrapResult result = WrapPlannerLine(index, lines, push, ed.gPlannerCaretPos, ed.wrap, metrics);
    ed.wrap.gWrapNeeded = false;
    if (result.lines.empty()) return;

    wrapping_ = true;
    for (const auto& [line, text] : result.lines) page_.txt(line)->setText(FromCp1252(text));
    wrapping_ = false;

    PlannerLineBox* caretBox = Box(result.caretLine);
    if (result.caretLine != index) {
        // The caret went on into the continuance line: that is the line the user is at now.
        MoveFocusByKey(result.caretLine);
        ScrollIntoView(result.caretLine, true);
    }
    caretBox->setCursorPosition(result.caretPos);
    ed.gPlannerCaretPos = result.caretPos;
}

} // namespace orvelle
