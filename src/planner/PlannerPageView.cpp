#include "planner/PlannerPageView.h"

#include "planner/PlannerLineBox.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "store/PlannerPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace orvelle {

namespace {

constexpr int kCheckPixels = 17;
// Between a time label and its appointment line.
constexpr int kTimeLabelGap = 60;
const char* const kCursorCaption = "Cursor Position =    ";

QLabel* MakeLabel(QWidget* parent, const QString& name, const QFont& font) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

} // namespace

QPixmap PlannerPageView::CheckBoxPicture(bool checked) {
    QPixmap pm(kCheckPixels, kCheckPixels);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.drawRect(1, 1, kCheckPixels - 3, kCheckPixels - 3);
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 96, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{4.0, 8.5}, {7.0, 12.0}, {13.0, 4.5}};
        p.drawPolyline(tick, 3);
    }
    return pm;
}

PlannerPageView::PlannerPageView(QWidget* parent)
    : QWidget(parent), checked_(CheckBoxPicture(true)), unchecked_(CheckBoxPicture(false)) {
    setObjectName("picPage");
    // The page is white like the paper it prints on, with black print.
    setAttribute(Qt::WA_StyledBackground);
    setFont(MakeFont("Arial", 9));
    setStyleSheet("orvelle--PlannerPageView { background: #FFFFFF; }"
                  "QLabel { color: #000000; background: transparent; }"
                  "QLineEdit { background: #FFFFFF; color: #000000; border: 1px solid #9A9A9A; padding: 0px 2px; }");
    ResizeTwips(this, PlannerLayout::kPageWidth, PlannerLayout::kPageHeight);
    setFixedSize(size());
    LoadTheObjects();
}

void PlannerPageView::LoadTheObjects() {
    // The check image is 17 pixels whatever a pixel measures; the to-do text keeps 90 twips
    // from it.
    layout_ = BuildPlannerLayout(static_cast<int>(std::lround(PixelsToTwipsX(kCheckPixels))));
    const QFont boxFont = MakeFont("Arial", 9);
    const QFont timeFont = MakeFont("Times New Roman", 9.75);
    const QFont sectionFont = MakeFont("Arial", 9.75, true);

    for (int i = 0; i < PlannerLayout::kBoxes; ++i) {
        const PlannerBoxSpec& b = layout_.boxes[i];
        auto* box = new PlannerLineBox(i, this);
        box->setObjectName(QString("txt_%1").arg(i));
        box->setFont(boxFont);
        // No tab stops: moving between boxes follows the page's own keyboard rules.
        box->setFocusPolicy(Qt::ClickFocus);
        box->setProperty("Tag", QString::fromStdString(b.tag));
        SetGeometryTwips(box, b.left, b.top, b.width, PlannerLayout::kBoxHeight);
        txt_[i] = box;
    }

    for (int i = 0; i < PlannerLayout::kTimeLabels; ++i) {
        QLabel* l = MakeLabel(this, QString("lblTime_%1").arg(i), timeFont);
        // As high as its line, so the time sits level with the line's text.
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        MoveTwips(l, layout_.timeLabels[i].left, layout_.timeLabels[i].top);
        lblTime_[i] = l;
        SetTimeLabel(i, QString::fromStdString(PlannerPage::DefaultCaption(i)), false);
    }

    for (int k = 0; k < PlannerLayout::kCheckImages; ++k) {
        QLabel* img = MakeLabel(this, QString("imgChkBox_%1").arg(k), font());
        img->setToolTip("Mark as Done or Not Done");
        img->setFixedSize(kCheckPixels, kCheckPixels);
        MoveTwips(img, layout_.checkImages[k].left, layout_.checkImages[k].top);
        imgChkBox_[k] = img;
        SetDoneMark(k, false);
    }

    for (int k = 0; k < PlannerLayout::kSectionLabels; ++k) {
        lbl_[k] = MakeLabel(this, QString("lbl_%1").arg(k), sectionFont);
        lbl_[k]->setText(QString::fromLatin1(SectionCaption(k)));
        lbl_[k]->adjustSize();
        PlaceSectionLabel(k);
    }

    for (int k = 0; k < 2; ++k) {
        QLabel* c = MakeLabel(this, QString("lblCursPos_%1").arg(k), font());
        c->setProperty("Tag", "Hide");
        c->setText(kCursorCaption);
        ResizeTwips(c, 2295, 195);
        int top = k == 0 ? PlannerLayout::kCursorLabelTop : PlannerLayout::kPageHeight - PlannerLayout::kCursorLabelBottomGap;
        MoveTwips(c, PlannerLayout::kFormCenterX - PixelsToTwipsX(c->width()) / 2, top);
        c->hide();
        lblCursPos_[k] = c;
    }

    lblMain_ = MakeLabel(this, "lblMain", MakeFont("Times New Roman", 14.25));
    SetDateCaption({});

    const char* dayCaptions[2] = {"<   Previous Day", "Next Day   >"};
    for (int k = 0; k < 2; ++k) {
        auto* b = new QPushButton(dayCaptions[k], this);
        b->setObjectName(QString("cmdDay_%1").arg(k));
        b->setProperty("Tag", "Hide");
        b->setFont(MakeFont("MS Sans Serif", 8.25));
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet("QPushButton { padding: 0px; }");
        SetGeometryTwips(b, layout_.dayButtons[k].left, layout_.dayButtons[k].top, PlannerLayout::kDayButtonWidth,
                         PlannerLayout::kDayButtonHeight);
        cmdDay_[k] = b;
    }
}

void PlannerPageView::PlaceSectionLabel(int k) {
    const SectionLabelSpec& spec = layout_.sectionLabels[k];
    QLabel* l = lbl_[k];
    MoveTwips(l, spec.LeftFor(PixelsToTwipsX(l->width())), spec.top);
}

void PlannerPageView::SetTimeLabel(int i, const QString& caption, bool bold) {
    QLabel* l = lblTime_[i];
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
    l->setText(caption);
    l->adjustSize();
    // A blank time (a continuance line) must still take a press, to be changed or brought back:
    // the label keeps the room up to its line whatever its caption.
    const int room = TwipsToPixelsX(layout_.boxes[i].left - layout_.timeLabels[i].left - kTimeLabelGap);
    l->resize(std::max(l->width(), room), TwipsToPixelsY(PlannerLayout::kBoxHeight));
}

void PlannerPageView::SetDoneMark(int k, bool done) {
    imgChkBox_[k]->setPixmap(done ? checked_ : unchecked_);
    imgChkBox_[k]->setProperty("Tag", done ? "True" : "False");
}

void PlannerPageView::SetDateCaption(const QString& caption) {
    lblMain_->setText(caption);
    lblMain_->adjustSize();
    MoveTwips(lblMain_, PlannerLayout::kFormCenterX - PixelsToTwipsX(lblMain_->width()) / 2.0,
              PlannerLayout::kDateLabelTop);
}

} // namespace orvelle
