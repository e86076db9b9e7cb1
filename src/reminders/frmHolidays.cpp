#include "reminders/frmHolidays.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/ShownEntry.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/ListFile.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace orvelle {
namespace {

QString Q(const std::string& s) { return FromCp1252(s); }

} // namespace

frmHolidays::frmHolidays(Store& store, QWidget* parent) : QWidget(parent, Qt::Window), s_(store) {
    setObjectName("frmHolidays");
    setWindowTitle("Holiday Manager");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    file->setEnabled(false);
    QAction* newList = file->addAction("&New Holiday List");
    newList->setObjectName("mnuFileNew");
    newList->setEnabled(false);
    QAction* save = file->addAction("&Save");
    save->setObjectName("mnuFileSave");
    connect(save, &QAction::triggered, this, &frmHolidays::mnuFileSave_Click);

    cmbYear_ = new QComboBox(this);
    cmbYear_->setObjectName("cmbYear");
    cmbYear_->setEditable(true);
    cmbYear_->setInsertPolicy(QComboBox::NoInsert);
    FollowShownEntry(cmbYear_);
    connect(cmbYear_, &QComboBox::activated, this, &frmHolidays::cmbYear_Click);
    lstHolidays_ = new QListWidget(this);
    lstHolidays_->setObjectName("lstHolidays");
    FollowCurrentRow(lstHolidays_, [this](int) { lstHolidays_Click(); });
    txtDate_ = new QLineEdit(this);
    txtDate_->setObjectName("txtDate");
    txtDesc_ = new QLineEdit(this);
    txtDesc_->setObjectName("txtDesc");
    KeepFileCharactersOnly(txtDesc_);
    txtDate_->installEventFilter(this);
    txtDesc_->installEventFilter(this);
    cmdSave_ = new QPushButton("Save and Update List", this);
    cmdSave_->setObjectName("cmdSave");
    auto* del = new QPushButton("Remove this Holiday", this);
    del->setObjectName("cmdDelete");
    auto* add = new QPushButton("Insert New Holiday", this);
    add->setObjectName("cmdAddNew");
    connect(cmdSave_, &QPushButton::clicked, this, &frmHolidays::cmdSave_Click);
    connect(del, &QPushButton::clicked, this, &frmHolidays::cmdDelete_Click);
    connect(add, &QPushButton::clicked, this, &frmHolidays::cmdAddNew_Click);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Change the Year Below", this));
    left->addWidget(cmbYear_);
    left->addWidget(new QLabel("Holiday List - Click to Select", this));
    left->addWidget(lstHolidays_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("Date", this));
    right->addWidget(txtDate_);
    right->addWidget(new QLabel("Description", this));
    right->addWidget(txtDesc_);
    right->addSpacing(12);
    right->addWidget(cmdSave_);
    right->addWidget(del);
    right->addWidget(add);
    right->addStretch();
    auto* row = new QHBoxLayout(this);
    row->setMenuBar(bar);
    row->addLayout(left, 3);
    row->addLayout(right, 2);
    resize(620, 380);
    RegisterWindow(this);

    // Form_Load
    year_ = Clock::CurrentYear();
    LoadHolidayList();
    PopulateComboList();
    ShowYearInBox();
    // Only a year chosen from the box's list changes the year; one typed into it is no choice.
    // (The box hands its focus and keys on to its edit line, which may also get them itself.)
    cmbYear_->installEventFilter(this);
    cmbYear_->lineEdit()->installEventFilter(this);
    KeepCaptionsWhole(this);
}

void frmHolidays::ShowYearInBox() {
    // The list stands on the year shown: a box whose text names another item of its list takes
    // the keyboard leaving it (or Enter) for a choice of that item, which would load that year.
    QString year = QString::number(year_);
    if (cmbYear_->currentText() == year) return;
    ShowEntryText(cmbYear_, year);
}

frmHolidays* frmHolidays::Open(Store& store, QWidget* parent) {
    frmHolidays* w = parent ? parent->findChild<frmHolidays*>("frmHolidays", Qt::FindDirectChildrenOnly) : nullptr;
    if (!w) {
        w = new frmHolidays(store, parent);
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmHolidays::LoadHolidayList() {
    QSignalBlocker quiet(lstHolidays_);
    lstHolidays_->clear();
    currentRow_ = -1;
    book_ = HolidayBook::Read(s_, year_);
    if (!book_.fileExists) {
        s_.ui->MsgBox("There is no Holiday List for " + std::to_string(year_), MsgButtons::OK, "");
        txtDesc_->clear();
        txtDate_->clear();
        return;
    }
    for (const std::string& line : book_.lines) lstHolidays_->addItem(Q(line));
    if (lstHolidays_->count() > 0) {
        lstHolidays_->setCurrentRow(0);
        lstHolidays_Click();
    }
}

void frmHolidays::PopulateComboList() {
    cmbYear_->clear();
    for (int y = kFirstListedYear; y <= LastListedYear(Clock::CurrentYear()); ++y) cmbYear_->addItem(QString::number(y));
}

bool frmHolidays::SaveHolidayFile() { return book_.Save(s_); }

void frmHolidays::cmbYear_Click() {
    bool ok = false;
    int y = cmbYear_->currentText().trimmed().toInt(&ok);
    if (!ok || y < 100 || y > 9999) return;
    year_ = y;
    LoadHolidayList();
}

void frmHolidays::lstHolidays_Click() {
    int row = lstHolidays_->currentRow();
    if (row < 0) return;
    currentRow_ = row;
    std::string line = ToCp1252(lstHolidays_->item(row)->text());
    txtDesc_->setText(Q(HolidayDescription(line)));
    txtDate_->setText(Q(HolidayDateShown(line, year_)));
}

void frmHolidays::cmdAddNew_Click() {
    txtDesc_->clear();
    txtDate_->clear();
    txtDate_->setFocus();
}

void frmHolidays::Refuse(const char* text, QWidget* focus) {
    s_.ui->MsgBox(text, MsgButtons::OK, "");
    focus->setFocus();
}

void frmHolidays::cmdSave_Click() {
    std::string date = ToCp1252(txtDate_->text());
    if (listfile::IsBlank(date)) return Refuse("There's no date entered.", txtDate_);
    auto key = HolidayKeyFor(date, year_, Clock::CurrentYear());
    if (!key) return Refuse("Date not recognized as entered.", txtDate_);
    std::string desc = ToCp1252(txtDesc_->text());
    if (listfile::IsBlank(desc)) return Refuse("Please enter a description.", txtDesc_);
    HolidayBook before = book_;
    book_.Put(*key, desc);
    if (!SaveHolidayFile()) {
        // The file keeps its holidays; the boxes keep the entry.
        book_ = before;
        return;
    }
    LoadHolidayList();
    saved_ = true;
}

void frmHolidays::cmdDelete_Click() {
    if (lstHolidays_->count() == 0) return;
    // The holiday the boxes show.
    int row = currentRow_ >= 0 && currentRow_ < lstHolidays_->count() ? currentRow_ : 0;
    // The row's own text names the holiday, so the list and the file cannot disagree about it.
    HolidayBook before = book_;
    if (!book_.Remove(ToCp1252(lstHolidays_->item(row)->text()))) return;
    if (!SaveHolidayFile()) {
        // Still in the file, so closing does not call it saved.
        book_ = before;
        return;
    }
    LoadHolidayList();
    saved_ = true;
}

void frmHolidays::mnuFileSave_Click() {
    SaveHolidayFile();
    if (s_.hooks.RedrawCurrentView) s_.hooks.RedrawCurrentView();
}

bool frmHolidays::eventFilter(QObject* watched, QEvent* e) {
    bool enter = e->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return ||
                                                   static_cast<QKeyEvent*>(e)->key() == Qt::Key_Enter);
    if (watched == cmbYear_ || watched == cmbYear_->lineEdit()) {
        if (enter || e->type() == QEvent::FocusOut) ShowYearInBox();
    } else if (enter && (watched == txtDate_ || watched == txtDesc_)) {
        if (watched == txtDate_) txtDesc_->setFocus();
        else cmdSave_->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void frmHolidays::closeEvent(QCloseEvent* e) {
    if (saved_) {
        saved_ = false;
        // The calendar shown is left as it is, with any notes or planner open over it.
        s_.ui->MsgBox("Holiday List Saved. Changes will be reflected in your next calendar view.", MsgButtons::OK, "");
    }
    QWidget::closeEvent(e);
}

} // namespace orvelle
