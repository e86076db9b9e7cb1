#include "reports/ReportPickers.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/ShownEntry.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/DateText.h"
#include "store/Store.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvelle {
namespace {

const char* kInvalidDate = "An invalid date has been entered. Please adjust.";

QComboBox* Combo(QWidget* parent, const QString& name, double l, double t, double w) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    FollowShownEntry(c);
    SetGeometryTwips(c, l, t, w, 315);
    return c;
}

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, double l, double t, double w) {
    auto* x = new QLabel(text, parent);
    x->setObjectName(name);
    SetGeometryTwips(x, l, t, w, 195);
    return x;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text, double l, double t) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    SetGeometryTwips(b, l, t, 2235, 315);
    return b;
}

int CurrentYear() { return YearOf(Clock::Today()); }

QString YearText(int y) { return QString::number(y); }

} // namespace

std::optional<Date> PickerDate(const std::string& text) {
    auto t = ParseTypedDate(text, CurrentYear(), CurrentYear());
    if (!t) return std::nullopt;
    return t->serial();
}

// --- Monthly Selection --------------------------------------------------------------------

frmSelectMonth::frmSelectMonth(Store& store, ReportKind kind, GenerateReport generate, QWidget* parent)
    : QWidget(parent, Qt::Window), s_(store), kind_(kind), generate_(std::move(generate)) {
    setObjectName("frmSelectMonth");
    setWindowTitle("Monthly Selection");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    setFixedSize(TwipsToPixelsX(5280), TwipsToPixelsY(1545));
    auto* frame = new QGroupBox("Select a Date Period Below", this);
    frame->setObjectName("framMonthByMonth");
    SetGeometryTwips(frame, 120, 180, 5055, 1215);
    Caption(frame, "lbl_0", "Select Month", 240, 360, 945);
    Caption(frame, "lbl_1", "Select Year", 1620, 360, 825);
    cmbMonth = Combo(frame, "cmbMonth", 240, 660, 1275);
    cmbYear = Combo(frame, "cmbYear", 1620, 660, 915);
    auto* other = Button(frame, "cmdSelectStartEnd", "Select Start/End Date", 2640, 300);
    auto* report = Button(frame, "cmdReport", "Generate Report Now", 2640, 660);
    connect(other, &QPushButton::clicked, this, [this] { cmdSelectStartEnd_Click(); });
    connect(report, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    LoadComboBoxes();
    KeepCaptionsWhole(this);
}

void frmSelectMonth::LoadComboBoxes() {
    cmbMonth->addItem("All Months");
    for (int m = 1; m <= 12; ++m) cmbMonth->addItem(QString::fromStdString(MonthName(m)));
    for (int y = kFirstListedYear; y <= LastListedYear(CurrentYear()); ++y) cmbYear->addItem(YearText(y));
    ShowEntryText(cmbMonth, "All Months");
    ShowEntryText(cmbYear, YearText(CurrentYear()));
}

void frmSelectMonth::cmdReport_Click() {
    // Typed text must still name a month and a four-digit year; the month's length comes from
    // the calendar, not from its name.
    std::string monthText = ToCp1252(cmbMonth->currentText().trimmed());
    bool yearOk = false;
    int year = cmbYear->currentText().trimmed().toInt(&yearOk);
    int month = monthText == "All Months" ? 0 : MonthFromName(monthText);
    if (!yearOk || year < 100 || year > 9999 || (month == 0 && monthText != "All Months")) {
        s_.ui->MsgBox(kInvalidDate, MsgButtons::OK, "");
        return;
    }
    Reports& r = s_.reports;
    r.gReportStartDate = DateSerial(year, month ? month : 1, 1);
    r.gReportEndDate = month ? DateSerial(year, month, DaysInMonth(year, month)) : DateSerial(year, 12, 31);
    close();
    if (generate_) generate_(kind_);
}

void frmSelectMonth::cmdSelectStartEnd_Click() {
    auto* w = new frmSelectStartEnd(s_, kind_, generate_, parentWidget());
    CenterForm(w);
    close();
    ShowInFront(w);
}

// --- Start and End Date Selection ---------------------------------------------------------

frmSelectStartEnd::frmSelectStartEnd(Store& store, ReportKind kind, GenerateReport generate, QWidget* parent)
    : QWidget(parent, Qt::Window), s_(store), kind_(kind), generate_(std::move(generate)) {
    setObjectName("frmSelectStartEnd");
    setWindowTitle("Start and End Date Selection");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    setFixedSize(TwipsToPixelsX(5370), TwipsToPixelsY(2610));
    auto* frame = new QGroupBox("Select Start and End Date Below", this);
    frame->setObjectName("framInterval");
    SetGeometryTwips(frame, 120, 180, 5115, 2295);
    Caption(frame, "lblStart_0", "Choose a Beginning Date", 180, 360, 1815);
    Caption(frame, "lblStart_1", "Start Date Below", 3540, 360, 1200);
    Caption(frame, "lblEnd_0", "Choose the Ending Date", 180, 1080, 1740);
    Caption(frame, "lblEnd_1", "End Date Below", 3540, 1080, 1155);
    for (int i = 0; i < 2; ++i) {
        double top = i == 0 ? 600 : 1320;
        cmbMonth[i] = Combo(frame, QString("cmbMonth_%1").arg(i), 180, top, 1275);
        cmbDay[i] = Combo(frame, QString("cmbDay_%1").arg(i), 1500, top, 795);
        cmbYear[i] = Combo(frame, QString("cmbYear_%1").arg(i), 2340, top, 915);
        txtInput[i] = new QLineEdit(frame);
        txtInput[i]->setObjectName(QString("txtInput_%1").arg(i));
        SetGeometryTwips(txtInput[i], 3360, top, 1575, 315);
        txtInput[i]->installEventFilter(this);
    }
    auto* back = Button(frame, "cmdSelectMonth", "Go Back to Monthly View", 180, 1800);
    cmdReport = Button(frame, "cmdReport", "Generate Report Now", 2700, 1800);
    connect(back, &QPushButton::clicked, this, [this] { cmdSelectMonth_Click(); });
    connect(cmdReport, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    LoadComboBoxes();
    for (int i = 0; i < 2; ++i) {
        for (QComboBox* c : {cmbMonth[i], cmbDay[i], cmbYear[i]}) {
            connect(c, &QComboBox::activated, this, [this, i] { ComboClick(i); });
        }
    }
    KeepCaptionsWhole(this);
}

void frmSelectStartEnd::LoadComboBoxes() {
    for (int i = 0; i < 2; ++i) {
        for (int m = 1; m <= 12; ++m) cmbMonth[i]->addItem(QString::fromStdString(MonthName(m)));
        for (int d = 1; d <= 31; ++d) cmbDay[i]->addItem(QString::number(d));
        for (int y = kFirstListedYear; y <= LastListedYear(CurrentYear()); ++y) cmbYear[i]->addItem(YearText(y));
    }
    Date today = Clock::Today();
    for (int i = 0; i < 2; ++i) {
        ShowEntryText(cmbMonth[i], QString::fromStdString(MonthName(MonthOf(today))));
        ShowEntryText(cmbDay[i], QString::number(DayOf(today)));
        ShowEntryText(cmbYear[i], YearText(YearOf(today)));
        txtInput[i]->setText(QString::fromStdString(FormatMmmDdYyyy(today)));
    }
}

void frmSelectStartEnd::ComboClick(int i) {
    std::string text = ToCp1252(cmbMonth[i]->currentText() + " " + cmbDay[i]->currentText() + ", " +
                                cmbYear[i]->currentText());
    // 31 April or 29 February of a common year leaves the text box as it was.
    if (auto d = PickerDate(text)) txtInput[i]->setText(QString::fromStdString(FormatMmmDdYyyy(*d)));
}

void frmSelectStartEnd::SetCombosFrom(int i, Date d) {
    ShowEntryText(cmbMonth[i], QString::fromStdString(MonthName(MonthOf(d))));
    ShowEntryText(cmbDay[i], QString::fromStdString(TwoDigits(DayOf(d))));
    ShowEntryText(cmbYear[i], YearText(YearOf(d)));
}

void frmSelectStartEnd::txtInput_LostFocus(int i) {
    if (auto d = PickerDate(ToCp1252(txtInput[i]->text()))) SetCombosFrom(i, *d);
}

void frmSelectStartEnd::txtInput_Enter(int i) {
    auto d = PickerDate(ToCp1252(txtInput[i]->text()));
    if (!d) return;
    SetCombosFrom(i, *d);
    if (i == 0) {
        txtInput[1]->setFocus();
    } else {
        cmdReport->setFocus();
    }
}

void frmSelectStartEnd::cmdReport_Click() {
    auto start = PickerDate(ToCp1252(txtInput[0]->text()));
    auto end = PickerDate(ToCp1252(txtInput[1]->text()));
    if (!start || !end) {
        s_.ui->MsgBox(kInvalidDate, MsgButtons::OK, "");
        return;
    }
    // The years of the dates that will be used, not the boxes' texts.
    if (YearOf(*start) != YearOf(*end)) {
        s_.ui->MsgBox("Both Years in the start and end date must be the same.", MsgButtons::OK, "");
        return;
    }
    s_.reports.gReportStartDate = *start;
    s_.reports.gReportEndDate = *end;
    close();
    if (generate_) generate_(kind_);
}

void frmSelectStartEnd::cmdSelectMonth_Click() {
    auto* w = new frmSelectMonth(s_, kind_, generate_, parentWidget());
    CenterForm(w);
    close();
    ShowInFront(w);
}

bool frmSelectStartEnd::eventFilter(QObject* watched, QEvent* e) {
    for (int i = 0; i < 2; ++i) {
        if (watched != txtInput[i]) continue;
        if (e->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                txtInput_Enter(i);
                return true;
            }
        } else if (e->type() == QEvent::FocusOut) {
            txtInput_LostFocus(i);
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace orvelle
