#include "planner/PlannerTimeLabels.h"

#include "planner/PlannerLineBox.h"
#include "planner/PlannerLineEditing.h"
#include "planner/PlannerNavigation.h"
#include "planner/PlannerPageModel.h"
#include "planner/PlannerPageView.h"
#include "planner/TimeEntry.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "store/Store.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <utility>

namespace orvelle {

namespace {

constexpr int kEditorWidth = 915;
constexpr int kEditorHeight = 285;
constexpr int kOkWidth = 375;
constexpr int kOkHeight = 255;
// The editor covers its label, reaching 60 twips past its top left; the button stands 90
// twips left of the editor.
constexpr int kEditorOffset = 60;
constexpr int kOkGap = 90;

} // namespace

PlannerTimeLabels::PlannerTimeLabels(Store& s, PlannerPageModel& model, PlannerPageView& page, QMenuBar* menus,
                                     PlannerLineEditing& editing, QObject* parent)
    : QObject(parent), s_(s), model_(model), page_(page), menus_(menus), editing_(editing) {
    setObjectName("PlannerTimeLabels");
    txtTime_ = new PlannerLineBox(-1, &page_);
    txtTime_->setObjectName("txtTime");
    txtTime_->setProperty("Tag", "Hide");
    txtTime_->setFont(MakeFont("Times New Roman", 9.75));
    ResizeTwips(txtTime_, kEditorWidth, kEditorHeight);
    txtTime_->onKeyDown = [this](int, int& code, int shift) { txtTime_KeyDown(code, shift); };
    txtTime_->onKeyPress = [this](int, int& ascii) { txtTime_KeyPress(ascii); };
    // A time typed into the open editor is an edit of the page, so leaving the page asks first.
    connect(txtTime_, &QLineEdit::textEdited, this, [this] {
        if (editorLabel_ >= 0) MarkPageChanged();
    });
    txtTime_->hide();
    txtTime_->installEventFilter(this);

    cmdOK_ = new QPushButton("ok", &page_);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setProperty("Tag", "Hide");
    cmdOK_->setFocusPolicy(Qt::NoFocus);
    cmdOK_->setStyleSheet("QPushButton { padding: 0px; }");
    ResizeTwips(cmdOK_, kOkWidth, kOkHeight);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    cmdOK_->hide();

    for (int i = 0; i < PlannerLayout::kTimeLabels; ++i) {
        page_.lblTime(i)->installEventFilter(this);
        page_.lblTime(i)->setToolTip("Right Click to change... Click to make Bold.");
    }
    // The Edit menu's time commands act on the time of the line the user is at: the label last
    // pressed, or the appointment line moved to since, by the keys or the mouse.
    connect(&editing_, &PlannerLineEditing::lineEntered, this, [this](int line) {
        if (line >= 0 && line < PlannerLayout::kTimeLabels) mTimeLabelIndex = line;
    });
    if (QAction* a = Item("mnuEditTime")) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this] { mnuEditTime_Click(); });
    }
    if (QAction* a = Item("mnuEditDelete")) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this] { mnuEditDelete_Click(); });
    }
}

QAction* PlannerTimeLabels::Item(const char* name) const { return menus_ ? menus_->findChild<QAction*>(name) : nullptr; }

bool PlannerTimeLabels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtTime_) {
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn)
            KeepEditorSelection(*static_cast<QFocusEvent*>(event));
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
    for (int i = 0; i < PlannerLayout::kTimeLabels; ++i) {
        if (watched != page_.lblTime(i)) continue;
        auto* mouse = static_cast<QMouseEvent*>(event);
        popupAt_ = mouse->globalPosition().toPoint();
        lblTime_MouseDown(i, mouse->button() == Qt::LeftButton ? 1 : mouse->button() == Qt::RightButton ? 2 : 4);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PlannerTimeLabels::lblTime_MouseDown(int index, int button) {
    if (index < 0 || index >= PlannerLayout::kTimeLabels) return;
    mTimeLabelIndex = index;
    if (button == 1) {
        bool& bold = s_.page.gTimeBold[index];
        bold = !bold;
        page_.SetTimeLabel(index, FromCp1252(s_.page.gTimeCaptions[index]), bold);
        MarkPageChanged();
    } else if (button == 2) {
        QMenu* edit = menus_ ? menus_->findChild<QMenu*>("mnuEdit") : nullptr;
        if (!edit) return;
        // Search Again goes off once the menu has closed and the command chosen in it has run.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(edit, &QMenu::aboutToHide, this, [this, once] {
            disconnect(*once);
            QTimer::singleShot(0, this, [this] {
                if (QAction* again = Item("mnuEditSearchAgain")) again->setEnabled(false);
            });
        });
        edit->popup(popupAt_.value_or(page_.lblTime(index)->mapToGlobal(QPoint(0, 0))));
        popupAt_.reset();
    }
}

void PlannerTimeLabels::mnuEditTime_Click() { ShowTimeChangeBox(mTimeLabelIndex); }

void PlannerTimeLabels::ShowTimeChangeBox(int index) {
    if (index < 0 || index >= PlannerLayout::kTimeLabels) return;
    const TwipPoint& label = page_.Layout().timeLabels[index];
    const int top = label.top - kEditorOffset;
    const int left = label.left - kEditorOffset;
    MoveTwips(txtTime_, left, top);
    MoveTwips(cmdOK_, left - (kOkWidth + kOkGap), top);
    txtTime_->setText(FromCp1252(s_.page.gTimeCaptions[index]));
    editorLabel_ = index;
    keptSelection_.reset();
    txtTime_->show();
    cmdOK_->show();
    txtTime_->raise();
    cmdOK_->raise();
    txtTime_->selectAll();
    txtTime_->setFocus(Qt::OtherFocusReason);
}

void PlannerTimeLabels::txtTime_KeyPress(int& keyAscii) {
    if (!TimeEditorAcceptsKey(keyAscii)) keyAscii = 0;
}

void PlannerTimeLabels::txtTime_KeyDown(int& keyCode, int) {
    if (keyCode == vbkey::Enter) {
        cmdOK_Click();
    } else if (keyCode == vbkey::Escape && editorLabel_ >= 0) {
        // Esc backs out and the time stays as it was. The page's changed flag is left alone: a
        // line typed into while the editor was open must still be asked about.
        CloseTimeEditor();
        editing_.ReturnFocusToLastLine();
        keyCode = 0;
    }
}

void PlannerTimeLabels::cmdOK_Click() { ApplyTimeEditor(); }

bool PlannerTimeLabels::ApplyTypedTime() {
    // An editor opened and left as it was holds nothing to keep (its caption may be one that
    // an older file stored and the editor would refuse).
    if (editorLabel_ < 0 || ToCp1252(txtTime_->text()) == s_.page.gTimeCaptions[editorLabel_]) return true;
    return ApplyTimeEditor();
}

bool PlannerTimeLabels::ApplyTimeEditor() {
    if (editorLabel_ < 0) return true;
    std::optional<std::string> caption = TimeCaptionFromEntry(ToCp1252(txtTime_->text()));
    if (!caption) {
        s_.ui->MsgBox(InvalidTimeMessage(), MsgButtons::OK, kAppTitle);
        txtTime_->selectAll();
        txtTime_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    txtTime_->setText(FromCp1252(*caption));
    ManageLabelVisibilty();
    return true;
}

void PlannerTimeLabels::ManageLabelVisibilty() {
    if (editorLabel_ >= 0) {
        SetCaption(editorLabel_, ToCp1252(txtTime_->text()));
        RetagAppointmentLines();
    }
    CloseTimeEditor();
    editing_.ReturnFocusToLastLine();
}

void PlannerTimeLabels::CloseTimeEditor() {
    txtTime_->hide();
    cmdOK_->hide();
    editorLabel_ = -1;
    keptSelection_.reset();
}

void PlannerTimeLabels::SetEditorShown(bool shown) {
    if (editorLabel_ < 0) return;
    txtTime_->setVisible(shown);
    cmdOK_->setVisible(shown);
    if (!shown) return;
    txtTime_->raise();
    cmdOK_->raise();
}

void PlannerTimeLabels::KeepEditorSelection(const QFocusEvent& e) {
    const Qt::FocusReason why = e.reason();
    if (e.lostFocus()) {
        // The line editor drops its selection when a menu or another control takes the keyboard
        // (not when another window or a popup does); a time typed when it comes back still
        // replaces what was selected.
        if (why == Qt::ActiveWindowFocusReason || why == Qt::PopupFocusReason) keptSelection_.reset();
        else keptSelection_ = {txtTime_->text(), txtTime_->selectionStart(), txtTime_->selectionLength(),
                               txtTime_->cursorPosition()};
        return;
    }
    const std::optional<KeptSelection> k = std::exchange(keptSelection_, std::nullopt);
    // A click places the caret itself.
    if (!k || why == Qt::MouseFocusReason || k->text != txtTime_->text()) return;
    if (k->length <= 0) txtTime_->setCursorPosition(k->caret);
    else if (k->caret == k->start) txtTime_->setSelection(k->start + k->length, -k->length);
    else txtTime_->setSelection(k->start, k->length);
}

void PlannerTimeLabels::mnuEditDelete_Click() {
    const int k = mTimeLabelIndex;
    // A toggle: blanking keeps the time, the next Delete Time brings it back.
    if (s_.page.gTimeCaptions[k].empty()) {
        SetCaption(k, mSavedTimeCaptions[k]);
    } else {
        mSavedTimeCaptions[k] = s_.page.gTimeCaptions[k];
        SetCaption(k, "");
    }
    RetagAppointmentLines();
}

void PlannerTimeLabels::SetCaption(int index, const std::string& caption) {
    if (s_.page.gTimeCaptions[index] != caption) MarkPageChanged();
    s_.page.gTimeCaptions[index] = caption;
    page_.SetTimeLabel(index, FromCp1252(caption), s_.page.gTimeBold[index]);
}

void PlannerTimeLabels::MarkPageChanged() {
    // Times are stored with the day: a changed one is asked about before the page is left, like
    // a typed line, or it would be lost without a word.
    if (!s_.flags.gPlannerLoading) s_.flags.gPlannerChanged = true;
}

void PlannerTimeLabels::RetagAppointmentLines() {
    model_.RecomputeLineTypes();
    for (int i = 0; i < PlannerLayout::kTimeLabels; ++i)
        page_.txt(i)->setProperty("Tag", QString::fromStdString(model_.LineTag(i)));
}

} // namespace orvelle
