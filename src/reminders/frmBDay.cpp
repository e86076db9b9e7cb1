#include "reminders/frmBDay.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/FileCharacters.h"
#include "platform/FocusLeave.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Clock.h"
#include "store/Store.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orvelle {
namespace {

const char* const kNotifyCaptions[7] = {"Do Not Alert Me",      "On the Same Day",      "1 Day Ahead of Time",
                                        "3 Days Ahead of Time", "5 Days Ahead of Time", "7 Days Ahead of Time",
                                        "10 Days Ahead of Time"};
constexpr int kDefaultNotify = 5;

QString Q(const std::string& s) { return FromCp1252(s); }

void FillList(QListWidget* list, const std::vector<BirthdayRow>& rows) {
    QSignalBlocker block(list);
    list->clear();
    for (const BirthdayRow& r : rows) {
        auto* item = new QListWidgetItem(Q(r.text), list);
        item->setData(Qt::UserRole, r.index);
    }
}

} // namespace

frmBDay::frmBDay(Store& store, QWidget* parent) : QWidget(parent, Qt::Window), s_(store) {
    setObjectName("frmBDay");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    auto* bar = new QMenuBar(this);
    BuildMenus(bar);

    auto* lblName = new QLabel("Name (First Name First)", this);
    lblName->setObjectName("lblName");
    auto* lblBDay = new QLabel("Birthday mm/dd/yy (Year is Optional)", this);
    lblBDay->setObjectName("lblBDay");
    for (int i = 0; i < 2; ++i) {
        txt_[i] = new QLineEdit(this);
        txt_[i]->setObjectName(QString("txt_%1").arg(i));
        txt_[i]->installEventFilter(this);
    }
    KeepFileCharactersOnly(txt_[0]);
    chkRememberAge_ = new QCheckBox("Remember Age", this);
    chkRememberAge_->setObjectName("chkRememberAge");
    lblAge_ = new QLabel("Age", this);
    lblAge_->setObjectName("lblAge");
    auto* frame = new QGroupBox("Alert Notification Period", this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 7; ++i) {
        optNotify_[i] = new QRadioButton(kNotifyCaptions[i], frame);
        optNotify_[i]->setObjectName(QString("optNotify_%1").arg(i));
        frameLayout->addWidget(optNotify_[i]);
    }
    auto* lblAlertMe = new QLabel("or... Alert Me", this);

    auto button = [this](const char* name, const char* caption, void (frmBDay::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* save = button("cmdSave", "Save", &frmBDay::cmdSave_Click);
    QPushButton* del = button("cmdDelete", "Delete Selected", &frmBDay::cmdDelete_Click);
    QPushButton* clear = button("cmdClear", "Clear Selected", &frmBDay::cmdClear_Click);
    cmdSort_ = button("cmdSort", "Sort by Month", &frmBDay::cmdSort_Click);

    lists_ = new QStackedWidget(this);
    lstMonth_ = new QListWidget(lists_);
    lstMonth_->setObjectName("lstData_1");
    lstName_ = new QListWidget(lists_);
    lstName_->setObjectName("lstData_2");
    for (QListWidget* l : {lstMonth_, lstName_}) {
        l->setSelectionMode(QAbstractItemView::MultiSelection);
        l->installEventFilter(this);
        lists_->addWidget(l);
    }
    FollowCurrentRow(lstMonth_, [this](int) { lstData_Click(1); });
    FollowCurrentRow(lstName_, [this](int) { lstData_Click(2); });
    lists_->setCurrentWidget(lstName_);

    auto* grid = new QGridLayout(this);
    grid->setMenuBar(bar);
    grid->addWidget(lblName, 0, 0, 1, 2);
    grid->addWidget(txt_[0], 1, 0, 1, 2);
    grid->addWidget(lblBDay, 2, 0, 1, 2);
    grid->addWidget(txt_[1], 3, 0);
    grid->addWidget(chkRememberAge_, 3, 1);
    grid->addWidget(lblAge_, 4, 0);
    grid->addWidget(lblAlertMe, 4, 1);
    grid->addWidget(frame, 5, 0, 1, 2);
    auto* buttons = new QGridLayout;
    buttons->addWidget(save, 0, 0);
    buttons->addWidget(del, 0, 1);
    buttons->addWidget(clear, 1, 0);
    buttons->addWidget(cmdSort_, 1, 1);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->addWidget(lists_, 0, 2, 7, 1);
    grid->setColumnStretch(2, 1);
    resize(760, 440);
    RegisterWindow(this);

    // Form_Load
    Birthdays& b = s_.birthdays;
    b.gBirthdaysSilentSave = true;
    b.gBirthdayViewPending = b.gPendingBirthdayCount > 0;
    setWindowTitle(b.gBirthdayViewPending ? "Birthday Management - Viewing Pending" : "Birthday Management - Viewing All");
    ReadBirthdays(s_);
    LoadListBoxes();
    ResetEditor();
    lblAge_->setText("Age");
    currentRecord_ = 0;
    KeepCaptionsWhole(this);
}

void frmBDay::BuildMenus(QMenuBar* bar) {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, void (frmBDay::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (slot) connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    add(file, "mnuFileNew", "&New", &frmBDay::mnuFileNew_Click)->setShortcut(QKeySequence("Ctrl+N"));
    add(file, "mnuFileSave", "&Save", &frmBDay::cmdSave_Click)->setShortcut(QKeySequence("Ctrl+S"));
    add(file, "mnuFilePrint", "&Print Record", &frmBDay::mnuFilePrint_Click)->setShortcut(QKeySequence("Ctrl+P"));
    add(file, "mnuFilePrintList", "Print &Entire List", &frmBDay::mnuFilePrintList_Click);
    add(file, "mnuFilePrintSelected", "Print Selected Items in the List", &frmBDay::mnuFilePrintSelected_Click);
    // Offered in the menu bar but never enabled: their commands have no action.
    QMenu* opt = bar->addMenu("&Options");
    opt->setObjectName("mnuOptions");
    opt->menuAction()->setEnabled(false);
    add(opt, "mnuOptCopy", "Copy Selected to ", nullptr)->setEnabled(false);
    QMenu* mark = bar->addMenu("&Mark Options");
    mark->setObjectName("mnuMarkOptions");
    mark->menuAction()->setEnabled(false);
    add(mark, "mnuOptMarkSelected", "Mark Calendars with Selected Birthdays", nullptr)->setEnabled(false);
    add(mark, "mnuOptMarkAll", "Mark Calendars with All Birthdays", nullptr)->setEnabled(false);
    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView");
    add(view, "mnuViewAll", "&All", &frmBDay::mnuViewAll_Click);
    add(view, "mnuViewUpcoming", "&Upcoming Only", &frmBDay::mnuViewUpcoming_Click)->setShortcut(QKeySequence("Ctrl+U"));
    for (QAction* a : bar->findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty()) {
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
    }
}

frmBDay* frmBDay::Open(Store& store, QWidget* parent) {
    frmBDay* w = parent ? parent->findChild<frmBDay*>("frmBDay", Qt::FindDirectChildrenOnly) : nullptr;
    if (!w) {
        w = new frmBDay(store, parent);
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmBDay::LoadListBoxes() {
    book_ = BirthdayBook::From(s_.birthdays);
    FillList(lstMonth_, book_.MonthRows(s_.birthdays.gBirthdayViewPending));
    UpdateListBox();
}

void frmBDay::UpdateListBox() { FillList(lstName_, book_.NameRows(s_.birthdays.gBirthdayViewPending)); }

void frmBDay::CalculateAge(int index) {
    if (index < 0 || index >= static_cast<int>(book_.entries.size())) return;
    auto age = BirthdayAge(book_.entries[static_cast<size_t>(index)].record, Clock::Now());
    age_ = age.value_or(0);
    lblAge_->setText(age ? QString("Age = %1").arg(*age) : QString("Age = NA"));
}

QListWidget* frmBDay::VisibleList() const { return lists_->currentWidget() == lstName_ ? lstName_ : lstMonth_; }

void frmBDay::ResetEditor() {
    txt_[0]->clear();
    txt_[1]->clear();
    chkRememberAge_->setChecked(true);
    lblAge_->setText("Age = NA");
    optNotify_[kDefaultNotify]->setChecked(true);
    newRecord_ = true;
    txt_[0]->setFocus();
}

void frmBDay::cmdSave_Click() {
    int option = kDefaultNotify;
    for (int i = 0; i < 7; ++i)
        if (optNotify_[i]->isChecked()) option = i;
    BirthdayCheck c = BuildBirthdayRecord(ToCp1252(txt_[0]->text()), ToCp1252(txt_[1]->text()),
                                          chkRememberAge_->isChecked(), option, Clock::Today());
    if (!c.error.empty()) {
        s_.ui->MsgBox(c.error, MsgButtons::OK, "");
        if (c.nameField) txt_[0]->setFocus();
        return;
    }
    if (!newRecord_ && currentRecord_ >= 0 && currentRecord_ < static_cast<int>(book_.entries.size()))
        book_.RemoveAll({currentRecord_});
    book_.Add(c.line);
    Persist();
}

void frmBDay::Persist() {
    if (!SaveBirthdays(s_, book_.Lines())) {
        // The file keeps the old birthdays; so do the lists, and the editor keeps the entry.
        book_ = BirthdayBook::From(s_.birthdays);
        return;
    }
    ReadBirthdays(s_);
    LoadListBoxes();
    ResetEditor();
}

void frmBDay::cmdDelete_Click() {
    QList<QListWidgetItem*> selected = VisibleList()->selectedItems();
    if (selected.isEmpty()) {
        s_.ui->MsgBox("Nothing selected to delete.", MsgButtons::OK, "");
        return;
    }
    if (selected.size() > 1 &&
        s_.ui->MsgBox("Are you sure you want to delete these multiple items?", MsgButtons::YesNo,
                      "Preparing to Delete Multiple Items") != MsgAnswer::Yes)
        return;
    std::vector<int> gone;
    for (QListWidgetItem* item : selected) gone.push_back(item->data(Qt::UserRole).toInt());
    book_.RemoveAll(gone);
    Persist();
}

void frmBDay::cmdClear_Click() { VisibleList()->clearSelection(); }

void frmBDay::cmdSort_Click() {
    lstMonth_->clearSelection();
    lstName_->clearSelection();
    if (cmdSort_->text() == "Sort by Name") {
        cmdSort_->setText("Sort by Month");
        lists_->setCurrentWidget(lstName_);
    } else {
        cmdSort_->setText("Sort by Name");
        lists_->setCurrentWidget(lstMonth_);
    }
    // The birthday in the editor stays marked; with a new one in the editor nothing is picked
    // behind the user's back.
    if (!newRecord_) {
        QListWidget* list = VisibleList();
        // Marked only: the editor keeps what is typed in it.
        QSignalBlocker quiet(list);
        for (int r = 0; r < list->count(); ++r) {
            if (list->item(r)->data(Qt::UserRole).toInt() == currentRecord_) {
                list->item(r)->setSelected(true);
                list->setCurrentRow(r, QItemSelectionModel::NoUpdate);
            }
        }
    }
    txt_[0]->setFocus();
}

void frmBDay::lstData_Click(int index) {
    QListWidget* list = index == 1 ? lstMonth_ : lstName_;
    QListWidgetItem* item = list->currentItem();
    if (!item) return;
    int i = item->data(Qt::UserRole).toInt();
    if (i < 0 || i >= static_cast<int>(book_.entries.size())) return;
    currentRecord_ = i;
    const BirthdayRecord& r = book_.entries[static_cast<size_t>(i)].record;
    txt_[0]->setText(Q(r.Name));
    // The whole birth year, so the date reads back as the same year.
    txt_[1]->setText(Q(BirthdayDatePart(r)));
    if (r.BirthYear == "****") {
        lblAge_->setText("Age = NA");
        chkRememberAge_->setChecked(false);
    } else {
        CalculateAge(i);
        chkRememberAge_->setChecked(true);
    }
    newRecord_ = false;
    optNotify_[NoticeOptionOf(r.Notice)]->setChecked(true);
}

bool frmBDay::lstData_KeyDown(QListWidget* list, int key) {
    int row = list->currentRow();
    int other = key == Qt::Key_Down ? row + 1 : row - 1;
    if (row < 0 || other < 0 || other >= list->count()) return true;
    QListWidgetItem* item = list->item(other);
    item->setSelected(!item->isSelected());
    list->setCurrentRow(other, QItemSelectionModel::NoUpdate);
    return true;
}

bool frmBDay::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && (watched == lstMonth_ || watched == lstName_)) {
        auto* k = static_cast<QKeyEvent*>(e);
        bool shiftAlone = (k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier;
        if (shiftAlone && (k->key() == Qt::Key_Down || k->key() == Qt::Key_Up))
            return lstData_KeyDown(static_cast<QListWidget*>(watched), k->key());
    }
    if (watched == txt_[1] && LeavesControl(e) && isVisible()) txt_LostFocus(1);
    return QWidget::eventFilter(watched, e);
}

void frmBDay::txt_LostFocus(int index) {
    if (index != 1) return;
    // An empty box is no wrong date: the editor empties it itself after every save.
    QString text = txt_[1]->text().trimmed();
    if (!text.isEmpty() && !ParseBirthDate(ToCp1252(text), Clock::Today()))
        s_.ui->MsgBox("Invalid Date", MsgButtons::OK, "");
}

void frmBDay::mnuFileNew_Click() {
    ResetEditor();
    lstMonth_->clearSelection();
    lstName_->clearSelection();
}

void frmBDay::mnuViewAll_Click() {
    s_.birthdays.gBirthdayViewPending = false;
    setWindowTitle("Birthday Management - Viewing All");
    LoadListBoxes();
    ResetEditor();
}

void frmBDay::mnuViewUpcoming_Click() {
    s_.birthdays.gBirthdayViewPending = true;
    setWindowTitle("Birthday Management - Viewing Pending");
    LoadListBoxes();
    ResetEditor();
}

void frmBDay::closeEvent(QCloseEvent* e) {
    s_.birthdays.gBirthdaysSilentSave = false;
    QWidget::closeEvent(e);
    emit Unloaded();
}

} // namespace orvelle
