#include "views/frmColors.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/EscapeKey.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/TabKeys.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/MarkerCategories.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <string>

namespace orvelle {

const std::array<VbColor, 16> kMarkerPaletteColors = {
    VbRgb(255, 0, 0),   VbRgb(128, 0, 0),   VbRgb(255, 128, 0), VbRgb(128, 64, 0),
    VbRgb(255, 255, 0), VbRgb(128, 128, 0), VbRgb(0, 255, 0),   VbRgb(0, 128, 0),
    VbRgb(0, 255, 255), VbRgb(0, 128, 128), VbRgb(0, 0, 255),   VbRgb(0, 0, 128),
    VbRgb(255, 0, 255), VbRgb(128, 0, 128), VbRgb(192, 192, 192), VbRgb(128, 128, 128),
};

const char* const kDuplicateMarkerColor =
    "You cannot use the same color twice. Choose a different color for each category.";
const char* const kColonInMarkerCaption = "A category caption cannot contain a colon (:). Please change the caption ";

namespace {

// Captions that belong to one category for good: their box is not editable.
bool IsProtectedCaption(const QString& text) {
    return text == "Quick Mark" || text == "Holiday" || text == "Today's Date";
}

QString CssColor(VbColor c) { return ColorFromVb(c).name(); }

} // namespace

frmColors::frmColors(Store& s, QWidget* parent, std::function<void()> categoriesRead)
    : QWidget(parent, Qt::Window), s_(s), categoriesRead_(std::move(categoriesRead)) {
    setObjectName("frmColors");
    setWindowTitle("Available Marker Colors");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    bar->setObjectName("menuBar");
    QMenu* mnuEdit = bar->addMenu("&Edit");
    mnuEdit->setObjectName("mnuEdit");
    mnuEditCaption = mnuEdit->addAction("Change Category Caption");
    mnuEditCaption->setObjectName("mnuEditCaption");
    connect(mnuEditCaption, &QAction::triggered, this, &frmColors::mnuEditCaption_Click);
    int barHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, TwipsToPixelsX(4215), barHeight);
    auto* body = new QWidget(this);
    body->setObjectName("body");
    body->setGeometry(0, barHeight, TwipsToPixelsX(4215), TwipsToPixelsY(5010));
    setFixedSize(TwipsToPixelsX(4215), barHeight + TwipsToPixelsY(5010));

    auto* lblMain = new QLabel("Click on a category to select, then click on a color.", body);
    lblMain->setObjectName("lblMain");
    lblMain->adjustSize();
    MoveTwips(lblMain, 180, 120);

    for (int i = 0; i < 14; ++i) {
        auto* l = new QLabel(body);
        l->setObjectName(QString("lblMarker_%1").arg(i));
        l->setToolTip("Click to Select");
        l->setAutoFillBackground(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setLineWidth(1);
        l->setFrameShape(QFrame::NoFrame);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        SetGeometryTwips(l, i < 7 ? 120 : 2100, 420 + 360 * (i % 7), 1875, 255);
        l->installEventFilter(this);
        lblMarker[i] = l;
    }

    auto* picColors = new QFrame(body);
    picColors->setObjectName("picColors");
    picColors->setFrameShape(QFrame::Panel);
    picColors->setFrameShadow(QFrame::Sunken);
    SetGeometryTwips(picColors, 120, 3000, 3915, 1035);
    for (int i = 0; i < 16; ++i) {
        auto* b = new QPushButton(picColors);
        b->setObjectName(QString("cmdColor_%1").arg(i));
        b->setStyleSheet(QString("QPushButton { background-color: %1; border: 1px solid #808080; }")
                             .arg(CssColor(kMarkerPaletteColors[i])));
        SetGeometryTwips(b, 60 + 480 * (i / 2), i % 2 == 0 ? 60 : 540, 375, 375);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdColor_Click(i); });
        cmdColor[i] = b;
    }

    auto* lblCaption = new QLabel("Category Caption =", body);
    lblCaption->setObjectName("lblCaption");
    lblCaption->adjustSize();
    MoveTwips(lblCaption, 180, 4140);
    txtEdit = new QLineEdit(body);
    txtEdit->setObjectName("txtEdit");
    KeepFileCharactersOnly(txtEdit);
    SetGeometryTwips(txtEdit, 2100, 4140, 1875, 285);
    connect(txtEdit, &QLineEdit::textChanged, this, &frmColors::txtEdit_Change);

    cmdSave = new QPushButton("Save Changes and Exit", body);
    cmdSave->setObjectName("cmdSave");
    SetGeometryTwips(cmdSave, 120, 4560, 1935, 315);
    connect(cmdSave, &QPushButton::clicked, this, &frmColors::cmdSave_Click);
    cmdExit = new QPushButton("Exit Without Saving", body);
    cmdExit->setObjectName("cmdExit");
    SetGeometryTwips(cmdExit, 2100, 4560, 1935, 315);
    connect(cmdExit, &QPushButton::clicked, this, &frmColors::cmdExit_Click);
    EscapePresses(cmdExit);
    // The colours stand in two rows: Tab runs along the top row, then the bottom one.
    QList<QWidget*> order;
    for (int row = 0; row < 2; ++row)
        for (int i = row; i < 16; i += 2) order << cmdColor[i];
    TabInOrder(order << txtEdit << cmdSave << cmdExit);

    RegisterWindow(this);
    Form_Load();
    KeepCaptionsWhole(this);
}

frmColors* frmColors::Open(Store& s, QWidget* parent, std::function<void()> categoriesRead) {
    auto* w = parent ? parent->findChild<frmColors*>("frmColors", Qt::FindDirectChildrenOnly) : nullptr;
    bool fresh = !w;
    if (fresh) w = new frmColors(s, parent, std::move(categoriesRead));
    if (fresh) CenterForm(w);
    ShowInFront(w);
    return w;
}

void frmColors::Form_Load() {
    MarkerCategories& m = s_.markers;
    if (!m.gMarkerColorsLoaded) ReadMarkerColorsKeepingDisplay(s_);
    for (int i = 0; i < 14; ++i) {
        colors_[i] = m.gMarkerColors[i];
        textColors_[i] = m.gMarkerTextColors[i];
        lblMarker[i]->setText(FromCp1252(m.gMarkerCaptions[i]));
        PaintLabel(i);
    }
    mSelectedMarker = 0;
    bordered_ = -1;
    // Until a category is chosen the box has nothing to rename.
    txtEdit->setEnabled(false);
    mnuEditCaption->setEnabled(false);
}

void frmColors::PaintLabel(int index) {
    QLabel* l = lblMarker[index];
    QPalette p = l->palette();
    p.setColor(QPalette::Window, ColorFromVb(colors_[index]));
    p.setColor(QPalette::WindowText, ColorFromVb(textColors_[index]));
    l->setPalette(p);
}

bool frmColors::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 14; ++i)
            if (watched == lblMarker[i]) {
                lblMarker_Click(i);
                return true;
            }
    }
    return QWidget::eventFilter(watched, e);
}

void frmColors::lblMarker_Click(int index) {
    if (index < 0 || index >= 14) return;
    for (QLabel* l : lblMarker) l->setFrameShape(QFrame::NoFrame);
    lblMarker[index]->setFrameShape(QFrame::Box);
    bordered_ = index;
    mSelectedMarker = index;
    txtEdit->setText(lblMarker[index]->text());
    txtEdit_Change(txtEdit->text()); // also when the text did not change
    mnuEditCaption->setEnabled(true);
    if (index == kQuickMarkCategory) {
        txtEdit->setReadOnly(true);
        return;
    }
    txtEdit->setReadOnly(false);
    txtEdit->selectAll();
    if (txtEdit->isEnabled()) txtEdit->setFocus();
}

void frmColors::txtEdit_Change(const QString& text) {
    if (bordered_ < 0) return;
    txtEdit->setEnabled(!IsProtectedCaption(text));
    lblMarker[mSelectedMarker]->setText(text);
}

void frmColors::mnuEditCaption_Click() {
    if (bordered_ < 0 || !txtEdit->isEnabled() || txtEdit->isReadOnly()) return;
    txtEdit->selectAll();
    txtEdit->setFocus();
}

void frmColors::cmdColor_Click(int index) {
    if (index < 0 || index >= 16 || bordered_ < 0) return;
    colors_[bordered_] = kMarkerPaletteColors[index];
    // The caption stays readable on the new colour at once.
    if (auto text = DialogLabelTextColor(colors_[bordered_])) textColors_[bordered_] = *text;
    PaintLabel(bordered_);
}

bool frmColors::LabelsCanBeSaved() {
    for (QLabel* l : lblMarker) {
        if (l->text().contains(':')) {
            std::string text = kColonInMarkerCaption;
            text += '"';
            text += ToCp1252(l->text());
            text += "\".";
            s_.ui->MsgBox(text, MsgButtons::OK, "");
            return false;
        }
    }
    for (int i = 0; i < 14; ++i)
        for (int j = i + 1; j < 14; ++j)
            if (colors_[i] == colors_[j]) {
                s_.ui->MsgBox(kDuplicateMarkerColor, MsgButtons::OK, "");
                return false;
            }
    return true;
}

void frmColors::cmdSave_Click() {
    // Checked before anything changes: a refused save leaves the categories as they were.
    if (!LabelsCanBeSaved()) return;
    // The redraw closes a note or planner page shown over the view: their questions come before
    // anything is written, and Cancel keeps this window and its changes as they are.
    int view = s_.flags.gCalendarView;
    bool redraw = view == 1 || view == 6 || view == 12;
    EditsToDrop drop;
    if (redraw && !QueryUnloadPlannerAndNotes(s_, drop)) return;
    MarkerCategories& m = s_.markers;
    auto oldCaptions = m.gMarkerCaptions;
    auto oldColors = m.gMarkerColors;
    auto oldTexts = m.gMarkerColorTexts;
    for (int i = 0; i < 14; ++i) {
        m.gMarkerCaptions[i] = ToCp1252(lblMarker[i]->text());
        m.gMarkerColors[i] = static_cast<Color>(colors_[i]);
        m.gMarkerColorTexts[i] = std::to_string(m.gMarkerColors[i]);
    }
    // Only display choices already stored keep their "*".
    m.gSaveMarkerVisibility = false;
    if (!SaveMarkerColors(s_)) {
        // The file is unchanged, and so is what the calendars use.
        m.gMarkerCaptions = oldCaptions;
        m.gMarkerColors = oldColors;
        m.gMarkerColorTexts = oldTexts;
        return;
    }
    // Edits answered No go only when the save does.
    ForgetDroppedEdits(s_, drop);
    // The file keeps the display choices stored before; reading it back hides nothing the user
    // has shown since.
    ReadMarkerColorsKeepingDisplay(s_);
    if (categoriesRead_) categoriesRead_();
    // With the planner in place of the calendar there is nothing to redraw; the window stays.
    if (!redraw) return;
    if (s_.hooks.RedrawCurrentView) s_.hooks.RedrawCurrentView();
    close();
}

void frmColors::cmdExit_Click() { close(); }

void frmColors::closeEvent(QCloseEvent* e) {
    // The next opening reads the file again.
    s_.markers.gMarkerColorsLoaded = false;
    e->accept();
}

} // namespace orvelle
