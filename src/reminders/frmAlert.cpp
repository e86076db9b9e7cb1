#include "reminders/frmAlert.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/FileCharacters.h"
#include "platform/FocusLeave.h"
#include "platform/Fonts.h"
#include "platform/ShownEntry.h"
#include "platform/TabKeys.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/DateText.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvelle {
namespace {

const char* const kOptionCaptions[6] = {"1 day before this date",  "2 days before this date",
                                        "3 days before this date", "5 days before this date",
                                        "7 days before this date", "10 days before this date"};
constexpr int kDefaultOption = 4;

// The period an option stands for: the number in the first two characters of its caption.
int OptionPeriod(int i) { return QString(kOptionCaptions[i]).left(2).trimmed().toInt(); }

QString Q(const std::string& s) { return FromCp1252(s); }

} // namespace

frmAlert::frmAlert(Store& store, QWidget* parent) : QWidget(parent, Qt::Window), s_(store) {
    setObjectName("frmAlert");
    setWindowTitle("Alert Management");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    BuildMenus(bar);

    lblMain_ = new QLabel("Setting Alert for", this);
    lblMain_->setObjectName("lblMain");
    QFont big = lblMain_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblMain_->setFont(big);

    auto* frame = new QGroupBox("Alert Notification Period", this);
    frame->setObjectName("Frame1");
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 6; ++i) {
        optValue_[i] = new QRadioButton(kOptionCaptions[i], frame);
        optValue_[i]->setObjectName(QString("optValue_%1").arg(i));
        // Checked by hand, so that a period no option stands for can leave all of them clear.
        optValue_[i]->setAutoExclusive(false);
        frameLayout->addWidget(optValue_[i]);
        connect(optValue_[i], &QRadioButton::clicked, this, [this, i] { optValue_Click(i); });
    }
    auto* lblValue = new QLabel("Input days on the right or check from list on the left.", this);
    lblValue->setWordWrap(true);
    txtValue_ = new QLineEdit(this);
    txtValue_->setObjectName("txtValue");
    txtValue_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), txtValue_));
    txtValue_->installEventFilter(this);
    connect(txtValue_, &QLineEdit::textChanged, this, &frmAlert::txtValue_Change);

    auto* lblChosen = new QLabel("Chosen Alert Date", this);
    txtDate_ = new QLineEdit(this);
    txtDate_->setObjectName("txtDate");
    txtDate_->installEventFilter(this);
    auto* lblChoose = new QLabel("Choose a Different Date Below", this);
    cmbMonth_ = new QComboBox(this);
    cmbDay_ = new QComboBox(this);
    cmbYear_ = new QComboBox(this);
    int n = 0;
    for (QComboBox* c : {cmbMonth_, cmbDay_, cmbYear_}) {
        c->setObjectName(QStringList{"cmbMonth", "cmbDay", "cmbYear"}[n++]);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        FollowShownEntry(c);
        connect(c, &QComboBox::activated, this, [this] { cmbDate_Click(); });
    }

    auto* lblMessage = new QLabel("Alert Message to Display", this);
    txtMessage_ = new FileTextEdit(this);
    txtMessage_->setObjectName("txtMessage");
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The message is one line of its record: Tab moves on to Save, as in the other boxes.
    TabMovesOn(txtMessage_);

    auto* save0 = new QPushButton("Save and Continue", this);
    save0->setObjectName("cmdSave_0");
    auto* save1 = new QPushButton("Save and Exit", this);
    save1->setObjectName("cmdSave_1");
    auto* del = new QPushButton("Delete Selected from List", this);
    del->setObjectName("cmdDelete");
    connect(save0, &QPushButton::clicked, this, [this] { cmdSave_Click(0); });
    connect(save1, &QPushButton::clicked, this, [this] { cmdSave_Click(1); });
    connect(del, &QPushButton::clicked, this, &frmAlert::cmdDelete_Click);

    lblList_ = new QLabel("Active Alert List", this);
    lblList_->setObjectName("lblList");
    lists_ = new QStackedWidget(this);
    lstDates_ = new QListWidget(lists_);
    lstDates_->setObjectName("lstAlerts_1");
    lstMessages_ = new QListWidget(lists_);
    lstMessages_->setObjectName("lstAlerts_2");
    lists_->addWidget(lstDates_);
    lists_->addWidget(lstMessages_);
    lists_->setCurrentWidget(lstMessages_);
    FollowCurrentRow(lstDates_, [this](int) { lstAlerts_Click(1); });
    FollowCurrentRow(lstMessages_, [this](int) { lstAlerts_Click(2); });

    auto* grid = new QGridLayout(this);
    grid->setMenuBar(bar);
    grid->addWidget(lblMain_, 0, 0, 1, 3);
    auto* left = new QVBoxLayout;
    left->addWidget(frame);
    left->addWidget(lblValue);
    left->addWidget(txtValue_);
    left->addStretch();
    grid->addLayout(left, 1, 0, 2, 1);
    auto* dates = new QGridLayout;
    dates->addWidget(lblChosen, 0, 0, 1, 3);
    dates->addWidget(txtDate_, 1, 0, 1, 3);
    dates->addWidget(lblChoose, 2, 0, 1, 3);
    dates->addWidget(cmbMonth_, 3, 0);
    dates->addWidget(cmbDay_, 3, 1);
    dates->addWidget(cmbYear_, 3, 2);
    dates->addWidget(lblMessage, 4, 0, 1, 3);
    dates->addWidget(txtMessage_, 5, 0, 1, 3);
    grid->addLayout(dates, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save0);
    buttons->addWidget(save1);
    buttons->addWidget(del);
    grid->addLayout(buttons, 2, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(lblList_);
    right->addWidget(lists_, 1);
    grid->addLayout(right, 1, 2, 2, 1);
    resize(900, 420);

    RegisterWindow(this);
    Form_Load();
    KeepCaptionsWhole(this);
}

void frmAlert::BuildMenus(QMenuBar* bar) {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, std::function<void()> f) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (f) connect(a, &QAction::triggered, this, [f] { f(); });
        else a->setEnabled(false);
        return a;
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    add(file, "mnuFileNew", "&New", [this] { mnuFileNew_Click(); })->setShortcut(QKeySequence("Ctrl+N"));
    add(file, "mnuFileSave", "&Save", [this] { mnuFileSave_Click(); })->setShortcut(QKeySequence("Ctrl+S"));
    // Exit has no action of its own; closing the window is the way out.
    add(file, "mnuFileExit", "E&xit", [this] { close(); });
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    edit->setEnabled(false);
    add(edit, "mnuEditFind", "&Find", {});
    QMenu* opt = bar->addMenu("&Options");
    opt->setObjectName("mnuOptions");
    add(opt, "mnuOptDeleteOldAlerts", "Delete Expired Alerts", [this] { mnuOptDeleteOldAlerts_Click(); });
    QAction* help = add(opt, "mnuOptHelp", "Always Display Help Notices", {});
    help->setCheckable(true);
    help->setChecked(true);
    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView");
    add(view, "mnuViewAll", "All Alerts", [this] { mnuViewAll_Click(); });
    add(view, "mnuViewPending", "Pending Alerts Only", [this] { mnuViewPending_Click(); });
    add(view, "mnuViewList0", "List 0", {});
    QMenu* sort = bar->addMenu("Sort &List");
    sort->setObjectName("mnuSort");
    add(sort, "mnuSortDate", "By Date", [this] { mnuSortDate_Click(); });
    add(sort, "mnuSortMessage", "By Message", [this] { mnuSortMessage_Click(); });
    for (QAction* a : bar->findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty()) {
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
    }
}

frmAlert* frmAlert::Find(QWidget* parent) {
    return parent ? parent->findChild<frmAlert*>("frmAlert", Qt::FindDirectChildrenOnly) : nullptr;
}

frmAlert* frmAlert::Open(Store& store, QWidget* parent) {
    frmAlert* w = Find(parent);
    if (!w) {
        w = new frmAlert(store, parent);
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmAlert::Form_Load() {
    Alerts& a = s_.alerts;
    unloading_ = false;
    currentRow_ = 0;
    if (a.gPendingAlertCount == 0) a.gAddingNewAlert = true;
    LoadAlerts();
    LoadComboBoxes();
}

void frmAlert::LoadAlerts() {
    Alerts& a = s_.alerts;
    book_ = AlertBook::From(a);
    if (book_.entries.empty()) a.gAddingNewAlert = true;
    listed_ = book_.Listed(a.gAlertViewPending);
    {
        QSignalBlocker b1(lstDates_), b2(lstMessages_);
        lstDates_->clear();
        lstMessages_->clear();
        for (int i : listed_) {
            const AlertEntry& e = book_.entries[static_cast<size_t>(i)];
            auto* d = new QListWidgetItem(Q(FormatMmDdYy(e.date)), lstDates_);
            d->setData(Qt::UserRole, i);
            auto* m = new QListWidgetItem(Q(e.message), lstMessages_);
            m->setData(Qt::UserRole, i);
        }
    }
    if (a.gAddingNewAlert) {
        lblMain_->setText("Adding New Alert");
        optValue_Click(kDefaultOption);
        txtMessage_->clear();
    } else {
        lblMain_->setText("Editing Existing Alert");
        if (!listed_.empty()) {
            a.gAlertDate = book_.entries[static_cast<size_t>(listed_.front())].date;
            SelectRow(0);
            currentRow_ = 0;
        } else {
            a.gAlertDate = s_.dates.gSelectedDate;
        }
        ParseAlert();
    }
    lblList_->setText(book_.entries.empty()
                          ? QString("Active Alert List (Empty)")
                          : QString("Active Alert List: %1 Alerts").arg(book_.entries.size()));
    txtValue_->selectAll();
}

void frmAlert::ParseAlert() {
    if (book_.entries.empty() || listed_.empty()) {
        txtMessage_->clear();
        return;
    }
    if (currentRow_ < 0 || currentRow_ >= static_cast<int>(listed_.size())) return;
    const AlertEntry& e = book_.entries[static_cast<size_t>(listed_[static_cast<size_t>(currentRow_)])];
    CheckOptionForPeriod(e.period);
    txtValue_->setText(QString::number(e.period));
    txtMessage_->setPlainText(Q(e.message));
    ShowEditorDate(e.date);
    lblMain_->setText("Editing Existing Alert");
}

void frmAlert::LoadComboBoxes() {
    Alerts& a = s_.alerts;
    if (a.gAlertDate == 0) a.gAlertDate = s_.dates.gSelectedDate;
    QSignalBlocker b1(cmbMonth_), b2(cmbDay_), b3(cmbYear_);
    cmbMonth_->clear();
    cmbDay_->clear();
    cmbYear_->clear();
    for (int m = 1; m <= 12; ++m) cmbMonth_->addItem(Q(MonthName(m)));
    for (int d = 1; d <= 31; ++d) cmbDay_->addItem(QString::number(d));
    for (int y = kFirstListedYear; y <= LastListedYear(Clock::CurrentYear()); ++y) cmbYear_->addItem(QString::number(y));
    ShowEditorDate(a.gAlertDate);
}

void frmAlert::ShowEditorDate(Date d) {
    shownDate_ = d;
    shownText_ = Q(FormatMmDdYy(d));
    txtDate_->setText(shownText_);
    QSignalBlocker b1(cmbMonth_), b2(cmbDay_), b3(cmbYear_);
    ShowEntryText(cmbMonth_, Q(FormatMmmm(d)));
    ShowEntryText(cmbDay_, Q(TwoDigits(DayOf(d))));
    ShowEntryText(cmbYear_, QString::number(YearOf(d)));
}

void frmAlert::cmbDate_Click() {
    QString text = cmbMonth_->currentText() + " " + cmbDay_->currentText() + ", " + cmbYear_->currentText();
    int year = Clock::CurrentYear();
    if (auto d = ParseTypedDate(ToCp1252(text), year, year)) {
        shownDate_ = d->serial();
        shownText_ = Q(FormatMmDdYy(shownDate_));
        txtDate_->setText(shownText_);
    }
}

void frmAlert::txtDate_LostFocus() {
    if (txtDate_->text() == shownText_) return;
    int year = Clock::CurrentYear();
    if (auto d = ParseTypedDate(ToCp1252(txtDate_->text().trimmed()), year, year)) ShowEditorDate(d->serial());
}

QString frmAlert::DateTextForSave() const {
    // The box still shows the date put there: save that date, whatever century "yy" suggests.
    if (txtDate_->text() == shownText_) return Q(FormatShortDate(shownDate_));
    return txtDate_->text();
}

void frmAlert::CheckOptionForPeriod(int period) {
    for (int i = 0; i < 6; ++i) optValue_[i]->setChecked(OptionPeriod(i) == period);
}

void frmAlert::optValue_Click(int index) {
    txtValue_->setText(QString::number(OptionPeriod(index)));
    for (int i = 0; i < 6; ++i) optValue_[i]->setChecked(i == index);
}

void frmAlert::txtValue_Change() {
    QString t = txtValue_->text();
    for (int i = 0; i < 6; ++i) optValue_[i]->setChecked(QString::number(OptionPeriod(i)) == t);
}

bool frmAlert::txtValue_LostFocus() {
    if (unloading_ || txtValue_->text().size() <= 4) return true;
    s_.ui->MsgBox(kAlertPeriodTooLong, MsgButtons::OK, "");
    txtValue_->selectAll();
    txtValue_->setFocus();
    return false;
}

bool frmAlert::eventFilter(QObject* watched, QEvent* e) {
    if (LeavesControl(e)) {
        // After the focus change has finished: a box shown inside it would fight it.
        if (watched == txtValue_) QTimer::singleShot(0, this, [this] { txtValue_LostFocus(); });
        else if (watched == txtDate_) txtDate_LostFocus();
    }
    return QWidget::eventFilter(watched, e);
}

bool frmAlert::mnuFileSave_Click() {
    Alerts& a = s_.alerts;
    bool replacing = !a.gAddingNewAlert;
    // The question comes first: Cancel returns to the alert whatever the boxes hold.
    if (replacing) {
        if (book_.entries.empty()) return true;
        MsgAnswer answer = s_.ui->MsgBox(
            "You have edited an existing alert. Do you want to over-write this alert?\r\n"
            "Click Yes to save changes to the existing alert, No to save this as a\r\n"
            "new alert or Cancel to return to the alert.",
            MsgButtons::YesNoCancel, "Existing Alert has been Changed");
        if (answer == MsgAnswer::Cancel) return false;
        if (answer == MsgAnswer::No) {
            a.gAddingNewAlert = true;
            replacing = false;
        }
    }
    int year = Clock::CurrentYear();
    AlertCheck c = BuildAlertRecord(ToCp1252(DateTextForSave()), ToCp1252(txtValue_->text()),
                                    ToCp1252(txtMessage_->toPlainText()), year);
    if (!c.error.empty()) {
        s_.ui->MsgBox(c.error, MsgButtons::OK, "");
        QLineEdit* box = c.field == AlertCheck::Field::Date ? txtDate_ : txtValue_;
        box->selectAll();
        box->setFocus();
        return false;
    }
    if (replacing && currentRow_ >= 0 && currentRow_ < static_cast<int>(listed_.size()))
        book_.RemoveAt(listed_[static_cast<size_t>(currentRow_)]);
    book_.Add(c.line);
    return Persist();
}

bool frmAlert::Persist() {
    if (!SaveAlerts(s_, book_.Lines())) {
        // The file keeps the old alerts; so do the lists, and the editor keeps the edit.
        book_ = AlertBook::From(s_.alerts);
        return false;
    }
    ReadAlerts(s_);
    LoadAlerts();
    return true;
}

void frmAlert::cmdSave_Click(int index) {
    if (mnuFileSave_Click() && index == 1) close();
}

void frmAlert::cmdDelete_Click() {
    if (book_.entries.empty() || currentRow_ < 0 || currentRow_ >= static_cast<int>(listed_.size())) return;
    book_.RemoveAt(listed_[static_cast<size_t>(currentRow_)]);
    currentRow_ = 0;
    Persist();
}

void frmAlert::mnuOptDeleteOldAlerts_Click() {
    book_.RemoveExpired(Clock::Today());
    Persist();
}

void frmAlert::mnuFileNew_Click() {
    txtMessage_->clear();
    optValue_Click(kDefaultOption);
    s_.alerts.gAddingNewAlert = true;
    lstDates_->clearSelection();
    lstMessages_->clearSelection();
    lstDates_->setCurrentRow(-1);
    lstMessages_->setCurrentRow(-1);
    currentRow_ = -1;
    lblMain_->setText("Adding New Alert");
}

void frmAlert::StartNewAlert(Date date) {
    mnuFileNew_Click();
    s_.alerts.gAlertDate = date;
    ShowEditorDate(date);
}

void frmAlert::SelectRow(int row) {
    QSignalBlocker b1(lstDates_), b2(lstMessages_);
    lstDates_->setCurrentRow(row);
    lstMessages_->setCurrentRow(row);
}

void frmAlert::lstAlerts_Click(int index) {
    QListWidget* list = index == 1 ? lstDates_ : lstMessages_;
    currentRow_ = list->currentRow();
    if (currentRow_ < 0) return;
    SelectRow(currentRow_);
    s_.alerts.gAddingNewAlert = false;
    ParseAlert();
}

void frmAlert::mnuViewAll_Click() {
    currentRow_ = 0;
    s_.alerts.gAlertViewPending = false;
    LoadAlerts();
}

void frmAlert::mnuViewPending_Click() {
    currentRow_ = 0;
    s_.alerts.gAlertViewPending = true;
    LoadAlerts();
}

void frmAlert::mnuSortDate_Click() {
    lists_->setCurrentWidget(lstDates_);
    if (listed_.empty()) return;
    SelectRow(0);
    currentRow_ = 0;
    ParseAlert();
}

void frmAlert::mnuSortMessage_Click() {
    lists_->setCurrentWidget(lstMessages_);
    if (listed_.empty()) return;
    SelectRow(0);
    currentRow_ = 0;
    ParseAlert();
}

void frmAlert::closeEvent(QCloseEvent* e) {
    unloading_ = true;
    s_.alerts.gAlertViewPending = false;
    // The next opening starts on the selected date unless a command sets another.
    s_.alerts.gAlertDate = 0;
    QWidget::closeEvent(e);
    emit Unloaded();
}

} // namespace orvelle
