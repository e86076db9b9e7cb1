#include "views/frmIconTag.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "views/MonthIconControls.h"
#include "store/IconFiles.h"
#include "store/IconPlacing.h"
#include "store/Store.h"
#include "views/frmIcons.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace orvelle {
namespace {

PictureBox* IconBox(QWidget* parent, const QString& name) {
    auto* box = new PictureBox(parent);
    box->setObjectName(name);
    box->SetBorderStyle(0);
    box->SetBackColor(VbFromColor(parent->palette().color(QPalette::Window)));
    return box;
}

} // namespace

frmIconTag::frmIconTag(Store& s, frmIcons& palette) : QWidget(&palette, Qt::Tool), s_(s), palette_(palette) {
    setObjectName("frmIconTag");
    setWindowTitle("Icon Manager");
    setFont(DefaultWindowFont());
    ResizeTwips(this, 4095, 5655);

    imgSelectedIcon = IconBox(this, "imgSelectedIcon");
    SetGeometryTwips(imgSelectedIcon, 180, 240, 270, 270);
    imgSelectedIcon->SetScale(0, 0, 1, 1);
    txtTag = new QLineEdit(this);
    txtTag->setObjectName("txtTag");
    KeepFileCharactersOnly(txtTag);
    SetGeometryTwips(txtTag, 600, 240, 2535, 315);
    cmdSave = new QPushButton("Save", this);
    cmdSave->setObjectName("cmdSave");
    SetGeometryTwips(cmdSave, 3300, 240, 555, 315);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    lblSelect = new QLabel("Select Different Icon Below", this);
    lblSelect->setObjectName("lblSelect");
    SetGeometryTwips(lblSelect, 240, 780, 1935, 195);
    picMain = new QWidget(this);
    picMain->setObjectName("picMain");
    SetGeometryTwips(picMain, 120, 1080, 3855, 4455);

    imgIcon[0] = IconBox(picMain, "imgIcon_0");
    SetGeometryTwips(imgIcon[0], 120, 120, 270, 270);
    Form_Load();
    KeepCaptionsWhole(this);
}

void frmIconTag::Form_Load() {
    PlaceBesidePalette();
    MakeMeTopmost(this, true);
    LoadMyIcons();
}

void frmIconTag::PlaceBesidePalette() {
    constexpr int kGap = 8; // room for the desktop's frame too
    const QRect palette = palette_.frameGeometry();
    QScreen* screen = palette_.screen() ? palette_.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : palette;
    int x = palette.left() - kGap - width();
    if (x < room.left()) x = std::min(palette.right() + kGap, room.right() - width());
    move(std::max(room.left(), x), std::max(room.top(), palette.top()));
}

void frmIconTag::LoadMyIcons() {
    for (int n = 0; n < kIconPictureCount; ++n) {
        if (!imgIcon[n]) {
            imgIcon[n] = IconBox(picMain, QString("imgIcon_%1").arg(n));
            SetGeometryTwips(imgIcon[n], 120 + 300 * (n % 12), 120 + 360 * (n / 12), 270, 270);
        }
        PictureBox* box = imgIcon[n];
        box->SetScale(0, 0, 1, 1);
        // A missing or unreadable picture leaves its place blank; it can still be chosen.
        ShowPicture(box, n);
        box->setToolTip(QString::number(n));
        box->onMouseDown = [this, n](int b, int, double, double) {
            if (b == kLeftButton) imgIcon_Click(n);
        };
        box->show();
    }
}

void frmIconTag::ShowPicture(PictureBox* box, int picture) {
    box->Cls();
    QImage img = LoadIconPicture(s_, std::to_string(picture));
    if (!img.isNull()) box->PaintPicture(img, 0, 0, 1, 1);
}

void frmIconTag::OpenForSlot(int slot) {
    if (slot < 0 || slot >= kIconPaletteSlots) return;
    const IconFiles& ic = s_.icons;
    txtTag->setText(FromCp1252(ic.gIconTagCaptions[slot]));
    txtTag->selectAll();
    gIconTagSlot = slot;
    auto tag = ParseIconTagLine(ic.gIconTagLines[slot]);
    gIconTagIconNumber = tag ? tag->picture : 0;
    ShowPicture(imgSelectedIcon, gIconTagIconNumber);
    if (!isVisible()) PlaceBesidePalette();
    // The caption is typed next: the keyboard comes here from the palette.
    ShowInFront(this, txtTag);
}

void frmIconTag::imgIcon_Click(int index) {
    if (index < 0 || index >= kIconPictureCount) return;
    gIconTagIconNumber = index;
    ShowPicture(imgSelectedIcon, index);
}

void frmIconTag::cmdSave_Click() {
    // A refused save has been told; the typed caption stays in the box to be put right.
    if (!SetIconTag(s_, gIconTagSlot, gIconTagIconNumber, ToCp1252(txtTag->text()))) return;
    palette_.ShowSlot(gIconTagSlot);
}

} // namespace orvelle
