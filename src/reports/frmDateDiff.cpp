#include "reports/frmDateDiff.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/ShownEntry.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/DateTools.h"
#include "store/Store.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvelle {
namespace {

QLabel* Caption(QWidget* parent, const char* name, const char* text, double left, double top, double width,
               Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(align | Qt::AlignVCenter);
    SetGeometryTwips(l, left, top, width, 195);
    return l;
}

QComboBox* Combo(QWidget* parent, const QString& name, double left, double top, double width) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    FollowShownEntry(c);
    SetGeometryTwips(c, left, top, width, 315);
    return c;
}

} // namespace

// A fixed border with a close button only.
constexpr Qt::WindowFlags kDateDiffFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

frmDateDiff::frmDateDiff(Store& store, QWidget* parent) : QWidget(parent, kDateDiffFrame), store_(store) {
    setObjectName("frmDateDiff");
    setWindowTitle("Date Difference");
    setAttribute(Qt::WA_DeleteOnClose);
    // The sizes in twips are laid out for this font.
    setFont(DefaultWindowFont());
    setFixedSize(TwipsToPixelsX(5070), TwipsToPixelsY(3000));

    Caption(this, "Label2", "Change Interval >", 120, 120, 1260);
    cmbInterval_ = new QComboBox(this);
    cmbInterval_->setObjectName("cmbInterval");
    SetGeometryTwips(cmbInterval_, 1620, 60, 1575, 315);
    Caption(this, "Label1", "Current Interval = ", 120, 540, 1260, Qt::AlignRight);
    lblInterval_ = Caption(this, "lblInterval", "", 1620, 540, 1515);
    Caption(this, "lblStart_0", "Choose a Beginning Date", 120, 960, 1815);
    Caption(this, "lblStart_1", "Start Date Below", 3480, 960, 1200);
    Caption(this, "lblEnd_0", "Choose the Ending Date", 120, 1740, 1740);
    Caption(this, "lblEnd_1", "End Date Below", 3480, 1740, 1155);
    for (int i = 0; i < 2; ++i) {
        double top = i == 0 ? 1260 : 2040;
        QString n = QString::number(i);
        cmbMonth_[i] = Combo(this, "cmbMonth_" + n, 120, top, 1275);
        cmbDay_[i] = Combo(this, "cmbDay_" + n, 1440, top, 795);
        cmbYear_[i] = Combo(this, "cmbYear_" + n, 2280, top, 915);
        txtInput_[i] = new QLineEdit(this);
        txtInput_[i]->setObjectName("txtInput_" + n);
        SetGeometryTwips(txtInput_[i], 3300, top, 1575, 315);
        txtInput_[i]->installEventFilter(this);
        for (QComboBox* c : {cmbMonth_[i], cmbDay_[i], cmbYear_[i]})
            connect(c, &QComboBox::editTextChanged, this, [this, i] { RebuildRow(i); });
    }
    cmdDateDiff_ = new QPushButton("Calculate Date Difference Now", this);
    cmdDateDiff_->setObjectName("cmdDateDiff");
    SetGeometryTwips(cmdDateDiff_, 120, 2580, 2715, 315);
    connect(cmdDateDiff_, &QPushButton::clicked, this, &frmDateDiff::cmdDateDiff_Click);
    txtAnswer_ = new QLineEdit(this);
    txtAnswer_->setObjectName("txtAnswer");
    SetGeometryTwips(txtAnswer_, 3300, 2580, 1575, 315);
    connect(cmbInterval_, qOverload<int>(&QComboBox::activated), this, &frmDateDiff::cmbInterval_Click);
    KeepCaptionsWhole(this);
}

frmDateDiff* frmDateDiff::Open(Store& store, QWidget* parent, const char* code) {
    store.dateTools.gDateDiffInterval = code;
    auto* w = parent ? parent->findChild<frmDateDiff*>("frmDateDiff", Qt::FindDirectChildrenOnly) : nullptr;
    if (!w) {
        w = new frmDateDiff(store, parent);
        RegisterWindow(w);
        w->Form_Load();
        CenterForm(w);
    } else {
        // The unit list follows the menu, so the three displays of the unit agree.
        QSignalBlocker block(w->cmbInterval_);
        w->cmbInterval_->setCurrentText(FromCp1252(IntervalName(code)));
    }
    w->ShowIntervalName();
    ShowInFront(w, w->txtInput_[0]);
    return w;
}

void frmDateDiff::Form_Load() { LoadComboBoxes(); }

void frmDateDiff::LoadComboBoxes() {
    for (int i = 0; i < 2; ++i) {
        QSignalBlocker a(cmbMonth_[i]), b(cmbDay_[i]), c(cmbYear_[i]);
        for (int m = 1; m <= 12; ++m) cmbMonth_[i]->addItem(FromCp1252(MonthName(m)));
        for (int d = 1; d <= 31; ++d) cmbDay_[i]->addItem(QString::number(d));
        for (int y = kFirstListedYear; y <= LastListedYear(Clock::CurrentYear()); ++y)
            cmbYear_[i]->addItem(QString::number(y));
    }
    Ymd today = SplitDate(Clock::Today());
    for (int i = 0; i < 2; ++i) {
        QSignalBlocker a(cmbMonth_[i]), b(cmbDay_[i]), c(cmbYear_[i]);
        ShowEntryText(cmbMonth_[i], FromCp1252(MonthName(today.month)));
        ShowEntryText(cmbDay_[i], QString::number(today.day));
        ShowEntryText(cmbYear_[i], QString::number(today.year));
    }
    RebuildRow(0);
    RebuildRow(1);
    QSignalBlocker block(cmbInterval_);
    for (const IntervalUnit& u : kIntervalUnits) cmbInterval_->addItem(u.name);
    cmbInterval_->setCurrentText(FromCp1252(IntervalName(store_.dateTools.gDateDiffInterval)));
}

void frmDateDiff::RebuildRow(int index) {
    std::string text = ToCp1252(cmbMonth_[index]->currentText() + " " + cmbDay_[index]->currentText() + ", " +
                                cmbYear_[index]->currentText());
    if (auto d = RecognizeDate(text, Clock::CurrentYear())) txtInput_[index]->setText(FromCp1252(FormatMmmDdYyyy(*d)));
}

bool frmDateDiff::TakeTypedDate(int index) {
    auto d = RecognizeDate(ToCp1252(txtInput_[index]->text()), Clock::CurrentYear());
    if (!d) return false;
    Ymd y = SplitDate(*d);
    // Each box's change rebuilds the row; the last one leaves the typed date in the text box.
    ShowEntryText(cmbMonth_[index], FromCp1252(MonthName(y.month)));
    ShowEntryText(cmbDay_[index], FromCp1252(TwoDigits(y.day)));
    ShowEntryText(cmbYear_[index], QString::number(y.year));
    RebuildRow(index);
    return true;
}

void frmDateDiff::txtInput_KeyDown(int index, int keyCode) {
    if (keyCode != 13 || !TakeTypedDate(index)) return;
    if (index == 0) txtInput_[1]->setFocus();
    else cmdDateDiff_->setFocus();
}

void frmDateDiff::txtInput_LostFocus(int index) { TakeTypedDate(index); }

void frmDateDiff::cmbInterval_Click(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kIntervalUnits.size())) return;
    const IntervalUnit& u = kIntervalUnits[static_cast<size_t>(listIndex)];
    // "Day of Year" has no unit of its own: it counts days.
    store_.dateTools.gDateDiffInterval = *u.code ? u.code : "d";
    ShowIntervalName();
}

void frmDateDiff::ShowIntervalName() {
    lblInterval_->setText(FromCp1252(IntervalName(store_.dateTools.gDateDiffInterval)));
}

void frmDateDiff::cmdDateDiff_Click() {
    int year = Clock::CurrentYear();
    auto start = RecognizeDate(ToCp1252(txtInput_[0]->text()), year);
    if (!start) {
        store_.ui->MsgBox("Start Date is not a valid date.", MsgButtons::OK, kAppTitle);
        return;
    }
    auto end = RecognizeDate(ToCp1252(txtInput_[1]->text()), year);
    if (!end) {
        store_.ui->MsgBox("End Date is not a valid date.", MsgButtons::OK, kAppTitle);
        return;
    }
    txtAnswer_->setText(FromCp1252(FormatDateDiff(DateDiff(store_.dateTools.gDateDiffInterval, *start, *end))));
}

bool frmDateDiff::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (watched != txtInput_[i]) continue;
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                txtInput_KeyDown(i, 13);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            txtInput_LostFocus(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvelle
