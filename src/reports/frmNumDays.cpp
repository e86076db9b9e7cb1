#include "reports/frmNumDays.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/FocusLeave.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/DateTools.h"
#include "store/Store.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace orvelle {
namespace {

constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kInvalidStart = "Invalid Date in Start Date Box!";
constexpr const char* kInvalidEnd = "Invalid Date in End Date Box!";
constexpr int kTypeMismatch = 13;

} // namespace

frmNumDays::frmNumDays(Store& store, QWidget* parent) : QWidget(parent, Qt::Dialog), store_(store) {
    setObjectName("frmNumDays");
    setWindowTitle("Number of Specific Weekdays Within a Period");
    setAttribute(Qt::WA_DeleteOnClose);
    // The sizes in twips are laid out for this font.
    setFont(DefaultWindowFont());
    setFixedSize(TwipsToPixelsX(6400), TwipsToPixelsY(4300));

    auto label = [this](const char* text, double left, double top) {
        auto* l = new QLabel(text, this);
        SetGeometryTwips(l, left, top, 1400, 240);
    };
    label("Start Date", 120, 120);
    txtStart_ = new QLineEdit(this);
    txtStart_->setObjectName("txtStart");
    SetGeometryTwips(txtStart_, 120, 360, 1500, 315);
    label("End Date", 1800, 120);
    txtEnd_ = new QLineEdit(this);
    txtEnd_->setObjectName("txtEnd");
    SetGeometryTwips(txtEnd_, 1800, 360, 1500, 315);
    for (QLineEdit* box : {txtStart_, txtEnd_}) box->installEventFilter(this);

    auto* frame = new QGroupBox("Select Weekday", this);
    frame->setObjectName("fraDays");
    SetGeometryTwips(frame, 120, 840, 3180, 2760);
    for (int i = 0; i < 7; ++i) {
        optDay_[i] = new QRadioButton(QString("# of %1s").arg(kDayNames[i]), frame);
        optDay_[i]->setObjectName(QString("optDay_%1").arg(i));
        SetGeometryTwips(optDay_[i], 240, 300 + 340.0 * i, 2700, 300);
        connect(optDay_[i], &QRadioButton::clicked, this, [this, i] { optDay_Click(i); });
    }
    cmdGetDays_ = new QPushButton("Show Occurrences", this);
    cmdGetDays_->setObjectName("cmdGetDays");
    SetGeometryTwips(cmdGetDays_, 120, 3720, 3180, 375);
    connect(cmdGetDays_, &QPushButton::clicked, this, &frmNumDays::cmdGetDays_Click);
    lstDays_ = new QListWidget(this);
    lstDays_->setObjectName("lstDays");
    SetGeometryTwips(lstDays_, 3480, 120, 2800, 3480);
    lblOccur_ = new QLabel(this);
    lblOccur_->setObjectName("lblOccur");
    SetGeometryTwips(lblOccur_, 3480, 3780, 2800, 300);
    KeepCaptionsWhole(this);
}

frmNumDays* frmNumDays::Open(Store& store, QWidget* parent) {
    auto* w = parent ? parent->findChild<frmNumDays*>("frmNumDays", Qt::FindDirectChildrenOnly) : nullptr;
    if (!w) {
        w = new frmNumDays(store, parent);
        RegisterWindow(w);
        w->Form_Load();
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmNumDays::Form_Load() {
    lblOccur_->clear();
    optDay_[0]->setChecked(true);
    txtStart_->setFocus();
}

std::optional<int> frmNumDays::BoxDate(const QLineEdit* box) const {
    return RecognizeDate(ToCp1252(box->text()), Clock::CurrentYear());
}

void frmNumDays::txtStart_KeyDown(int keyCode) {
    if (keyCode != 13) return;
    auto d = BoxDate(txtStart_);
    if (!d) {
        store_.ui->MsgBox(std::string(kInvalidStart) + std::to_string(kTypeMismatch), MsgButtons::OK, kAppTitle);
        return;
    }
    store_.dateTools.gNumDaysStart = *d;
    txtStart_->setText(FromCp1252(FormatShortDate(*d)));
    txtEnd_->setFocus();
    if (!txtEnd_->text().isEmpty()) txtEnd_->selectAll();
}

void frmNumDays::txtStart_LostFocus() {
    if (auto d = BoxDate(txtStart_)) store_.dateTools.gNumDaysStart = *d;
}

bool frmNumDays::TakeEnd() {
    auto d = BoxDate(txtEnd_);
    if (!d) {
        store_.ui->MsgBox(kInvalidEnd, MsgButtons::OK, kAppTitle);
        return false;
    }
    store_.dateTools.gNumDaysEnd = *d;
    return true;
}

void frmNumDays::txtEnd_KeyDown(int keyCode) {
    if (keyCode != 13 || !TakeEnd()) return;
    txtEnd_->setText(FromCp1252(FormatShortDate(store_.dateTools.gNumDaysEnd)));
    if (store_.dateTools.gNumDaysEnd < store_.dateTools.gNumDaysStart)
        store_.ui->MsgBox("Start Date is Greater than End Date. Please adjust.", MsgButtons::OK, kAppTitle);
    else
        cmdGetDays_->setFocus();
}

void frmNumDays::txtEnd_LostFocus() {
    // An empty box is not yet an answer.
    if (!txtEnd_->text().trimmed().isEmpty()) TakeEnd();
}

void frmNumDays::optDay_Click(int) {
    lstDays_->clear();
    txtStart_->selectAll();
    txtStart_->setFocus();
}

void frmNumDays::CheckWhichDay() {
    for (int i = 0; i < 7; ++i) {
        if (optDay_[i]->isChecked()) {
            store_.dateTools.gNumDaysWeekday = i;
            return;
        }
    }
}

void frmNumDays::cmdGetDays_Click() {
    lstDays_->clear();
    // The count takes the dates the boxes show now, never those of an earlier count.
    auto start = BoxDate(txtStart_);
    if (!start) {
        store_.ui->MsgBox(std::string(kInvalidStart) + std::to_string(kTypeMismatch), MsgButtons::OK, kAppTitle);
        return;
    }
    auto end = BoxDate(txtEnd_);
    if (!end) {
        store_.ui->MsgBox(kInvalidEnd, MsgButtons::OK, kAppTitle);
        return;
    }
    DateTools& t = store_.dateTools;
    t.gNumDaysStart = *start;
    t.gNumDaysEnd = *end;
    CheckWhichDay();
    QString name = kDayNames[t.gNumDaysWeekday];
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    WeekdayOccurrences found = FindWeekdays(t.gNumDaysStart, t.gNumDaysEnd, t.gNumDaysWeekday);
    QStringList rows;
    rows.reserve(static_cast<int>(found.dates.size()));
    for (int d : found.dates) rows << name + " " + FromCp1252(FormatShortDate(d));
    lstDays_->addItems(rows);
    QGuiApplication::restoreOverrideCursor();
    if (found.tooMany)
        store_.ui->MsgBox("Too many occurrences: narrow the Date Difference", MsgButtons::OK, kAppTitle);
    lblOccur_->setText(QString("%1 found %2 times").arg(name).arg(found.count));
}

bool frmNumDays::eventFilter(QObject* watched, QEvent* event) {
    bool start = watched == txtStart_;
    if (!start && watched != txtEnd_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            start ? txtStart_KeyDown(13) : txtEnd_KeyDown(13);
            return true;
        }
    } else if (LeavesControl(event)) {
        start ? txtStart_LostFocus() : txtEnd_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvelle
