#include "views/frmIcons.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "views/MonthIconControls.h"
#include "store/IconFiles.h"
#include "store/IconPlacing.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/IconDrag.h"
#include "views/frmIconTag.h"

#include <QKeyEvent>
#include <QLabel>

namespace orvelle {
namespace {

constexpr double kRowTops[8] = {480, 1200, 1980, 2340, 3060, 3420, 3780, 4140};

QLabel* GroupLabel(QWidget* parent, const char* name, const char* text, double top) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    SetGeometryTwips(l, 120, top, 3000, 225);
    return l;
}

} // namespace

frmIcons::frmIcons(Store& s, QWidget* parent) : QWidget(parent, Qt::Tool), s_(s) {
    setObjectName("frmIcons");
    setWindowTitle("Available Icons");
    setFont(DefaultWindowFont());
    ResizeTwips(this, 3930, 5370);
    setFocusPolicy(Qt::ClickFocus);

    lblMain = new QLabel("Use the Mouse to Click and Drag an Icon Below and Insert it into a Day of the Month. "
                         "Right Click on the icon to edit it.",
                         this);
    lblMain->setObjectName("lblMain");
    lblMain->setWordWrap(true);
    SetGeometryTwips(lblMain, 60, 30, 3810, 645);

    picMain = new QWidget(this);
    picMain->setObjectName("picMain");
    SetGeometryTwips(picMain, 0, 690, 3930, 4620);
    lblBills = GroupLabel(picMain, "lblBills", "Bills", 240);
    lblTransportation = GroupLabel(picMain, "lblTransportation", "Transportation", 960);
    lblMisc = GroupLabel(picMain, "lblMisc", "Miscellaneous", 1740);
    lblAlpha = GroupLabel(picMain, "lblAlpha", "Other", 2820);

    for (int i = 0; i < kIconPaletteSlots; ++i) {
        auto* img = new PictureBox(picMain);
        img->setObjectName(QString("imgIcon_%1").arg(i));
        img->SetBorderStyle(0);
        img->SetBackColor(VbFromColor(palette().color(QPalette::Window)));
        SetGeometryTwips(img, 120 + 300 * (i % 12), kRowTops[i / 12], 270, 270);
        img->SetScale(0, 0, 1, 1);
        img->onMouseDown = [this, i](int b, int, double, double) { imgIcon_MouseDown(i, b); };
        img->onMouseMove = [this, i](int b, int, double, double) { imgIcon_MouseMove(i, b); };
        img->onMouseUp = [this, i](int b, int, double, double) { imgIcon_MouseUp(i, b); };
        imgIcon[i] = img;
    }
    KeepCaptionsWhole(this);
}

frmIcons& frmIcons::Get(Store& s, QWidget* parent, const std::function<void(frmIcons&)>& place) {
    auto* w = parent->findChild<frmIcons*>("frmIcons", Qt::FindDirectChildrenOnly);
    if (!w) {
        w = new frmIcons(s, parent);
        if (place) place(*w);
        w->Form_Load();
    }
    return *w;
}

void frmIcons::Form_Load() {
    if (!s_.icons.gPlacingIcons) MakeMeTopmost(this, true);
    ReadIconTags(s_);
    ReassignIconTags();
}

void frmIcons::ReassignIconTags() {
    for (int i = 0; i < kIconPaletteSlots; ++i) ShowSlot(i);
}

void frmIcons::ShowSlot(int slot) {
    PictureBox* img = imgIcon[slot];
    img->Cls();
    // A slot without a picture (none named, or its file missing) stays blank.
    QImage picture = LoadIconPicture(s_, s_.icons.gIconTagNumbers[slot]);
    if (!picture.isNull()) img->PaintPicture(picture, 0, 0, 1, 1);
    img->setToolTip(FromCp1252(s_.icons.gIconTagCaptions[slot]));
}

void frmIcons::imgIcon_MouseDown(int index, int button) {
    if (button == kLeftButton) {
        if (!s_.flags.gMonthViewOpen) {
            s_.ui->MsgBox("Icons can only be inserted on the 1 Month Calendar.\r\n"
                          "Right Click on any Icon to change the Caption or Picture.",
                          MsgButtons::OK, "");
            return;
        }
        mIconDragArmed = true;
    } else if (button == kRightButton) {
        if (!iconTag_) iconTag_ = new frmIconTag(s_, *this);
        iconTag_->OpenForSlot(index);
    }
}

void frmIcons::imgIcon_MouseMove(int index, int button) {
    if (!(button & kLeftButton) || !mIconDragArmed) return;
    mIconDragArmed = false;
    BeginPaletteDrag(s_, index);
    RunIconDrag(imgIcon[index], LoadIconPicture(s_, s_.icons.gIconTagNumbers[index]));
    // Released anywhere but on the month: nothing was placed.
    EndIconDrag(s_);
}

void frmIcons::imgIcon_MouseUp(int, int) { mIconDragArmed = false; }

bool frmIcons::Form_KeyDown(int keyCode, int shift) {
    if (keyCode != Qt::Key_S || shift != kShiftMask) return false;
    // Outside template mode the template lines in memory are not the template (a month with
    // its own file leaves them empty): saving them would wipe the file.
    if (!s_.flags.gTemplateMode || !s_.flags.gMonthViewOpen) return true;
    // The year view that follows the save closes a note open over the month: it asks first.
    EditsToDrop drop;
    if (!QueryUnloadPlannerAndNotes(s_, drop) || !SaveTemplateIcons(s_)) return true;
    // Edits answered No go only when the save does.
    ForgetDroppedEdits(s_, drop);
    if (onTemplateSaved) onTemplateSaved();
    return true;
}

void frmIcons::keyPressEvent(QKeyEvent* e) {
    if (!Form_KeyDown(e->key(), VbShift(e->modifiers()))) QWidget::keyPressEvent(e);
}

} // namespace orvelle
