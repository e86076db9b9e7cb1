#include "views/frmMarkers.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/EscapeKey.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvelle {

frmMarkers::frmMarkers(Store& s, QWidget* parent, MarkerDisplayCommands commands)
    : QWidget(parent, Qt::Window), s_(s), commands_(std::move(commands)) {
    setObjectName("frmMarkers");
    setWindowTitle("Marker Options");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    setFixedSize(TwipsToPixelsX(5535), TwipsToPixelsY(3315));

    Label1 = new QLabel("Check Which Markers to Display", this);
    Label1->setObjectName("Label1");
    SetGeometryTwips(Label1, 120, 120, 3915, 195);
    // The right column starts 150 twips beyond the left one and repeats its rows.
    constexpr double kLeft = 120, kTop = 480, kWidth = 2415, kHeight = 255, kPitch = 300;
    for (int i = 0; i < kMarkerCount; ++i) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QString("chkMarker_%1").arg(i));
        SetGeometryTwips(c, i < 7 ? kLeft : kLeft + kWidth + 150, kTop + kPitch * (i % 7), kWidth, kHeight);
        connect(c, &QCheckBox::clicked, this, [this, i] { chkMarker_Click(i); });
        chkMarker[i] = c;
    }
    const char* captions[2] = {"Check All", "Un-Check All"};
    const double lefts[2] = {60, 1380}, widths[2] = {1215, 1515};
    for (int i = 0; i < 2; ++i) {
        cmdCheck[i] = new QPushButton(captions[i], this);
        cmdCheck[i]->setObjectName(QString("cmdCheck_%1").arg(i));
        SetGeometryTwips(cmdCheck[i], lefts[i], 2880, widths[i], 255);
        connect(cmdCheck[i], &QPushButton::clicked, this, [this, i] { cmdCheck_Click(i); });
    }
    cmdSave = new QPushButton("Save This Setting", this);
    cmdSave->setObjectName("cmdSave");
    SetGeometryTwips(cmdSave, 3000, 2880, 1755, 255);
    connect(cmdSave, &QPushButton::clicked, this, &frmMarkers::cmdSave_Click);
    cmdExit = new QPushButton("Exit", this);
    cmdExit->setObjectName("cmdExit");
    SetGeometryTwips(cmdExit, 4860, 2880, 555, 255);
    connect(cmdExit, &QPushButton::clicked, this, &frmMarkers::cmdExit_Click);
    EscapePresses(cmdExit);

    RegisterWindow(this);
    LoadCheckBoxes();
    KeepCaptionsWhole(this);
}

frmMarkers* frmMarkers::Find(QWidget* parent) {
    return parent ? parent->findChild<frmMarkers*>("frmMarkers", Qt::FindDirectChildrenOnly) : nullptr;
}

frmMarkers* frmMarkers::Open(Store& s, QWidget* parent, MarkerDisplayCommands commands) {
    frmMarkers* w = Find(parent);
    bool fresh = !w;
    if (fresh) w = new frmMarkers(s, parent, std::move(commands));
    else w->LoadCheckBoxes();
    if (fresh) CenterForm(w);
    ShowInFront(w);
    return w;
}

void frmMarkers::LoadCheckBoxes() {
    // Showing the state repaints nothing: the calendars already show it.
    const MarkerCategories& m = s_.markers;
    for (int i = 0; i < kMarkerCount; ++i) {
        QSignalBlocker block(chkMarker[i]);
        chkMarker[i]->setText(FromCp1252(m.gMarkerCaptions[i]));
        chkMarker[i]->setChecked(m.gMarkerHidden[i] == 0);
    }
}

void frmMarkers::chkMarker_Click(int index) {
    if (index < 0 || index >= kMarkerCount) return;
    bool shown = chkMarker[index]->isChecked();
    if (commands_.showCategory) commands_.showCategory(index, shown);
    else s_.markers.gMarkerHidden[index] = shown ? 0 : -1;
    // A redraw cancelled at a note's or page's question changed nothing: the box goes back.
    LoadCheckBoxes();
}

void frmMarkers::cmdCheck_Click(int index) {
    bool shown = index == 0;
    for (QCheckBox* c : chkMarker) {
        QSignalBlocker block(c);
        c->setChecked(shown);
    }
    if (commands_.showAll) commands_.showAll(shown);
    else s_.markers.gMarkerHidden.fill(shown ? 0 : -1);
    LoadCheckBoxes();
}

void frmMarkers::cmdSave_Click() {
    if (commands_.saveSetting) commands_.saveSetting();
}

void frmMarkers::cmdExit_Click() { close(); }

} // namespace orvelle
