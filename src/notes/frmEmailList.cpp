#include "notes/frmEmailList.h"

#include "notes/BoxText.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/EscapeKey.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/TabKeys.h"
#include "platform/WindowRegistry.h"
#include "store/Contacts.h"
#include "store/ListFile.h"
#include "store/Store.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace orvelle {
namespace {

constexpr const char* kDefaultSubject = "Orvelle Assignment For You";
constexpr const char* kDefaultBodyEnd = "Please save the attached file and open it with Orvelle.";

const char* const kHelpAssign =
    "After \"Export these Notes and Assign to...\" in the Notes window or \"Export this\r\n"
    "Planner and Assign to...\" in the Planner window, this function delivers that project\r\n"
    "to the personal share folder of the selected contact.\r\n"
    "\r\n"
    "Example: to give today's Planner to Maria Lopez, open the Planner, choose \"Export this\r\n"
    "Planner and Assign to...\", select Maria Lopez here and click \"Assign Project to Selected\".\r\n"
    "A folder named Maria Lopez is created in the share directory (\"Planners and Notes\")\r\n"
    "when it does not exist yet, and the Planner is delivered there.";

const char* const kHelpEmail =
    "\r\n\r\n"
    "\"Assign Project and Email\" then opens your default e-mail program on a new message to\r\n"
    "the contact. Remember to attach the file if necessary; no attachment is needed when the\r\n"
    "Planner text was pasted into the e-mail's contents (Options, \"Paste Planner from Memory\").\r\n"
    "The button can also be used without an export, just to send a general e-mail.";

const char* const kLabels[5] = {"Name", "Phone Number", "Email Address", "Email Subject", "Email Contents"};
const char* const kLabelNames[5] = {"lblName", "lblPhone", "lblEmail", "lblSubject", "lblComments"};

std::string Trim(const std::string& text) { return listfile::Trim(text); }

} // namespace

frmEmailList::frmEmailList(Store& store, ExportKind pending, QWidget* parent)
    : QWidget(parent, parent ? Qt::Dialog : Qt::Window), s_(store), pending_(pending) {
    // A modeless dialog of the main window: it stays above it while the main window shows what it
    // opened, and its Alt+letters open its own menus only (a tool window would share them with
    // the main window's).
    setObjectName("frmEmailList");
    setWindowTitle("Email List");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    auto menu = [bar](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const char* caption, void (frmEmailList::*slot)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
    };
    QMenu* mnuFile = menu("mnuFile", "&File");
    item(mnuFile, "mnuFileNew", "&New", &frmEmailList::cmdNew_Click);
    QMenu* mnuOptions = menu("mnuOptions", "&Options");
    item(mnuOptions, "mnuOptPastePlanner", "Paste Planner from Memory", &frmEmailList::mnuOptPastePlanner_Click);
    QMenu* mnuHelp = menu("mnuHelp", "&Help");
    item(mnuHelp, "mnuHelpAssign", "Explain Assign Project to Selected", &frmEmailList::mnuHelpAssign_Click);
    item(mnuHelp, "mnuHelpAssignEmail", "Explain Assign Project and Email", &frmEmailList::mnuHelpAssignEmail_Click);

    auto* lblList = new QLabel("Email Address List: Click to View", this);
    lblList->setObjectName("lblList");
    lstNames_ = new QListWidget(this);
    lstNames_->setObjectName("lstNames");
    FollowCurrentRow(lstNames_, [this](int row) { lstNames_Click(row); });
    auto* left = new QVBoxLayout;
    left->addWidget(lblList);
    left->addWidget(lstNames_, 1);

    auto* fields = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(kLabels[i], this);
        l->setObjectName(kLabelNames[i]);
        fields->addWidget(l, i, 0, Qt::AlignTop);
        if (i < 4) {
            txt_[i] = new QLineEdit(this);
            txt_[i]->setObjectName(QString("txt_%1").arg(i));
            txt_[i]->installEventFilter(this);
            // Name, phone and address are kept in the contacts file; the subject only goes out.
            if (i < 3) {
                KeepFileCharactersOnly(txt_[i]);
                connect(txt_[i], &QLineEdit::textChanged, this, &frmEmailList::FitContactFields);
            }
            connect(txt_[i], &QLineEdit::textChanged, this, [this, i] { txt_Change(i); });
            fields->addWidget(txt_[i], i, 1);
        }
    }
    txtBody_ = new QPlainTextEdit(this);
    txtBody_->setObjectName("txt_4");
    // Enter starts a new line in the contents; Tab leaves them for the buttons.
    TabMovesOn(txtBody_);
    connect(txtBody_, &QPlainTextEdit::textChanged, this, [this] { txt_Change(4); });
    fields->addWidget(txtBody_, 4, 1);

    auto* buttons = new QGridLayout;
    auto button = [this, buttons](const char* name, const char* caption, void (frmEmailList::*slot)(), int r, int c) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b, r, c);
        return b;
    };
    button("cmdAssign", "Assign Project to Selected", &frmEmailList::cmdAssign_Click, 0, 0);
    button("cmdOpenEmail", "Assign Project and Email", &frmEmailList::cmdOpenEmail_Click, 0, 1);
    button("cmdNew", "Add New Contact", &frmEmailList::cmdNew_Click, 0, 2);
    button("cmdSave", "Save Name and Address", &frmEmailList::cmdSave_Click, 1, 0);
    button("cmdDelete", "Delete Selected", &frmEmailList::cmdDelete_Click, 1, 1);
    EscapePresses(button("cmdExit", "Cancel / Exit", &frmEmailList::cmdExit_Click, 1, 2));

    auto* right = new QVBoxLayout;
    right->addLayout(fields, 1);
    right->addLayout(buttons);
    auto* body = new QHBoxLayout(this);
    body->setMenuBar(bar);
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    resize(760, 440);
    FitContactFields();
    KeepCaptionsWhole(this);
}

frmEmailList* frmEmailList::Open(Store& store, ExportKind pending, QWidget* parent) {
    QList<frmEmailList*> open;
    if (parent) {
        open = parent->findChildren<frmEmailList*>(QString(), Qt::FindDirectChildrenOnly);
    } else {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<frmEmailList*>(w)) open << f;
    }
    for (frmEmailList* f : open) {
        if (!f->isVisible()) continue;
        if (pending != ExportKind::None) f->SetPending(pending);
        ShowInFront(f);
        return f;
    }
    auto* f = new frmEmailList(store, pending, parent);
    f->Form_Load();
    CenterForm(f);
    // An export from the notes or the planner waits here, beside the terms window kept on top.
    ShowInFront(f);
    return f;
}

QString frmEmailList::FieldText(int i) const { return i < 4 ? txt_[i]->text() : txtBody_->toPlainText(); }

void frmEmailList::SetFieldText(int i, const QString& text) {
    if (i < 4) txt_[i]->setText(text);
    else txtBody_->setPlainText(text);
}

void frmEmailList::FillList() {
    s_.flags.gContactsLoading = true;
    lstNames_->clear();
    for (const std::string& name : s_.contacts.lstNames) lstNames_->addItem(FromCp1252(name));
    mSelectedIndex = -1;
    s_.flags.gContactsLoading = false;
}

void frmEmailList::Form_Load() {
    ReadEmployeeInfo(s_);
    FillList();
    if (lstNames_->count() > 0) lstNames_->setCurrentRow(0);
}

void frmEmailList::lstNames_Click(int index) {
    if (s_.flags.gContactsLoading) return;
    mSelectedIndex = index;
    if (index < 0 || index >= static_cast<int>(s_.contacts.gContacts.size())) return;
    const ContactRecord& c = s_.contacts.gContacts[index];
    mShowingContact = true;
    SetFieldText(0, FromCp1252(c.Name));
    SetFieldText(1, FromCp1252(c.Phone));
    SetFieldText(2, FromCp1252(c.Email));
    s_.exchange.gContactName = Trim(c.Name);
    s_.exchange.gContactEmail = Trim(c.Email);
    mShowingContact = false;
    mFieldsChanged = false;
}

void frmEmailList::FitContactFields() {
    size_t room = LongestContactFields(s_);
    if (room == std::string::npos) return;
    size_t used = 0;
    for (int i = 0; i < 3; ++i) used += static_cast<size_t>(txt_[i]->text().size());
    for (int i = 0; i < 3; ++i) {
        size_t others = used - static_cast<size_t>(txt_[i]->text().size());
        KeepFileTextWithin(txt_[i], room > others ? room - others : 0);
    }
}

void frmEmailList::txt_Change(int index) {
    if (s_.flags.gContactsLoading || mShowingContact) return;
    mFieldsChanged = true;
    if (index == 0) s_.exchange.gContactName = Trim(ToCp1252(FieldText(0)));
    if (index == 2) s_.exchange.gContactEmail = Trim(ToCp1252(FieldText(2)));
    if (index == 3 && !FieldText(3).isEmpty()) s_.exchange.gEmailSubject = ToCp1252(FieldText(3));
    if (index == 4 && !FieldText(4).isEmpty()) s_.exchange.gEmailBody = ToCp1252(FieldText(4));
}

bool frmEmailList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < 4; ++i) {
            if (watched != txt_[i] || (key != Qt::Key_Return && key != Qt::Key_Enter)) continue;
            // Enter moves on to the next field; in the e-mail's contents it starts a new line.
            if (i < 3) txt_[i + 1]->setFocus();
            else txtBody_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmEmailList::RunPendingExport() {
    const std::string& name = s_.exchange.gContactName;
    bool written = false;
    if (pending_ == ExportKind::Planner) written = SaveExternalPlanner(s_, name);
    else if (pending_ == ExportKind::Notes) written = SaveExternalNotes(s_, name);
    bool sourceOpen = pending_ == ExportKind::Planner ? s_.flags.gPlannerOpen : s_.flags.gNotesOpen;
    // Delivered, or nothing left to deliver.
    if (written || !sourceOpen) pending_ = ExportKind::None;
    return written;
}

void frmEmailList::cmdAssign_Click() {
    if (s_.exchange.gContactName.empty()) {
        s_.ui->MsgBox("No one was selected for assignment.", MsgButtons::OK, "");
        return;
    }
    if (pending_ == ExportKind::None) {
        s_.ui->MsgBox("There is no Planner or Notes export waiting to be assigned.\r\nChoose \"Export this Planner "
                      "and Assign to...\" or \"Export these Notes and Assign to...\" first.",
                      MsgButtons::OK, "");
        return;
    }
    try {
        RunPendingExport();
    } catch (const std::exception&) {
        s_.ui->MsgBox("An error occurred during Assigning.", MsgButtons::OK, "");
    }
}

std::string frmEmailList::EmailLink() const {
    QString subject = FromCp1252(s_.exchange.gEmailSubject);
    if (subject.trimmed().isEmpty()) subject = kDefaultSubject;
    QString body = FromCp1252(s_.exchange.gEmailBody);
    if (body.isEmpty()) body = FieldText(0).trimmed() + "\n\n" + kDefaultBodyEnd;
    return MailtoLink(FieldText(2).trimmed().toStdString(), subject.toStdString(), body.toStdString());
}

void frmEmailList::cmdOpenEmail_Click() {
    if (pending_ != ExportKind::None && !s_.exchange.gContactName.empty()) {
        if (RunPendingExport()) s_.ui->MsgBox("Don't forget to attach the file, if needed.", MsgButtons::OK, "");
    }
    std::string link = EmailLink();
    bool opened = s_.hooks.OpenMailLink ? s_.hooks.OpenMailLink(link)
                                        : QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(link)));
    if (!opened)
        s_.ui->MsgBox("A problem was encountered while attempting to open your email client.", MsgButtons::OK, "");
}

void frmEmailList::cmdSave_Click() { SaveContact(); }

bool frmEmailList::SaveContact() {
    std::string name = Trim(ToCp1252(FieldText(0)));
    std::string phone = Trim(ToCp1252(FieldText(1)));
    std::string email = Trim(ToCp1252(FieldText(2)));
    if (name.empty()) {
        s_.ui->MsgBox("There's no name to add.", MsgButtons::OK, "");
        return false;
    }
    // The file separates the fields by commas: one inside the name or phone would split them.
    if (name.find(',') != std::string::npos || phone.find(',') != std::string::npos) {
        s_.ui->MsgBox("A name or phone number cannot include a comma.", MsgButtons::OK, "");
        return false;
    }
    std::vector<std::string> items = s_.contacts.lstAll;
    items.push_back(ContactLine({name, phone, email}));
    if (!SaveEmployeeInfo(s_, items)) return false;
    ReadEmployeeInfo(s_);
    FillList();
    mFieldsChanged = false;
    return true;
}

void frmEmailList::cmdNew_Click() {
    // A save refused or failed keeps the fields, so what was typed is not lost unsaved.
    if (mFieldsChanged &&
        s_.ui->MsgBox("The fields have been changed. Do you want to save them?", MsgButtons::YesNo, "") ==
            MsgAnswer::Yes &&
        !SaveContact())
        return;
    for (int i = 0; i < 5; ++i) SetFieldText(i, QString());
    lstNames_->setCurrentRow(-1);
    mSelectedIndex = -1;
    // Empty fields hold nothing to save.
    mFieldsChanged = false;
    txt_[0]->setFocus();
}

void frmEmailList::cmdDelete_Click() {
    int i = mSelectedIndex;
    if (i < 0 || i >= static_cast<int>(s_.contacts.gContacts.size())) return;
    std::string question = "Are you sure you want to delete " + s_.contacts.gContacts[i].Name + "?";
    if (s_.ui->MsgBox(question, MsgButtons::YesNo, "Preparing to Delete Entry") == MsgAnswer::Yes) {
        std::vector<std::string> items = s_.contacts.lstAll;
        if (i < static_cast<int>(items.size())) items.erase(items.begin() + i);
        if (SaveEmployeeInfo(s_, items)) {
            ReadEmployeeInfo(s_);
            FillList();
        }
    }
    for (int k = 0; k < 3; ++k) SetFieldText(k, QString());
}

void frmEmailList::cmdExit_Click() { close(); }

void frmEmailList::mnuOptPastePlanner_Click() {
    if (!FieldText(4).isEmpty() &&
        s_.ui->MsgBox("Do you want to overwrite existing contents?", MsgButtons::YesNo, "Pasting Planner") !=
            MsgAnswer::Yes)
        return;
    QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) {
        s_.ui->MsgBox("There's nothing in memory to paste. Open a Planner and select\r\n\"Copy Planner to Memory\" "
                      "from under the menu item \"File\".",
                      MsgButtons::OK, "");
        return;
    }
    SetFieldText(4, text);
}

void frmEmailList::mnuHelpAssign_Click() { s_.ui->MsgBox(kHelpAssign, MsgButtons::OK, ""); }

void frmEmailList::mnuHelpAssignEmail_Click() {
    s_.ui->MsgBox(std::string(kHelpAssign) + kHelpEmail, MsgButtons::OK, "");
}

} // namespace orvelle
