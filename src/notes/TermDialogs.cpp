#include "notes/TermDialogs.h"

#include "notes/frmFUT.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"
#include "store/TermLists.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace orvelle {
namespace {

QPointer<frmAddFUT> gAddDialog;
QPointer<frmEditFUT> gEditDialog;

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

template <class Dialog>
Dialog* Bring(QPointer<Dialog>& slot, Store& store) {
    if (!slot) slot = new Dialog(store);
    // Opened from the terms window, which stays on top: above it.
    ShowInFront(slot);
    return slot.data();
}

} // namespace

frmAddFUT::frmAddFUT(Store& store) : QDialog(nullptr), store_(store) {
    setObjectName("frmAddFUT");
    setWindowTitle("Add Frequently Used Term(s)");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    auto* grid = new QGridLayout(this);
    auto* label = new QLabel("Enter Frequently Used Term(s) Below", this);
    label->setObjectName("lblAddFUT");
    txt_ = new QLineEdit(this);
    txt_->setObjectName("txtAddFUT");
    KeepFileCharactersOnly(txt_);
    QPushButton* clear = Button(this, "cmdClear", "Clear");
    QPushButton* save = Button(this, "cmdSave", "Save");
    QPushButton* exit = Button(this, "cmdExit", "Exit");
    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(txt_, 1, 0, 1, 3);
    grid->addWidget(clear, 2, 0);
    grid->addWidget(save, 2, 1);
    grid->addWidget(exit, 2, 2);
    connect(clear, &QPushButton::clicked, this, &frmAddFUT::cmdClear_Click);
    connect(save, &QPushButton::clicked, this, &frmAddFUT::cmdSave_Click);
    connect(exit, &QPushButton::clicked, this, &QDialog::close);
    connect(txt_, &QLineEdit::returnPressed, this, &frmAddFUT::cmdSave_Click);
    resize(360, sizeHint().height());
    KeepCaptionsWhole(this);
}

frmAddFUT* frmAddFUT::ShowDialog(Store& store) { return Bring(gAddDialog, store); }
frmAddFUT* frmAddFUT::Find() { return gAddDialog.data(); }

void frmAddFUT::cmdSave_Click() { AddFUTTerm(store_, ToCp1252(txt_->text())); }

void frmAddFUT::cmdClear_Click() {
    txt_->clear();
    txt_->setFocus();
}

frmEditFUT::frmEditFUT(Store& store) : QDialog(nullptr), store_(store) {
    setObjectName("frmEditFUT");
    setWindowTitle("Edit Frequently Used Term");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    auto* grid = new QGridLayout(this);
    auto* label = new QLabel("Edit Term Below", this);
    label->setObjectName("lblEditFUT");
    txt_ = new QLineEdit(this);
    txt_->setObjectName("txtEditFUT");
    KeepFileCharactersOnly(txt_);
    QPushButton* save = Button(this, "cmdSave", "Save Changes");
    QPushButton* exit = Button(this, "cmdExit", "Cancel/Exit");
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(txt_, 1, 0, 1, 2);
    grid->addWidget(save, 2, 0);
    grid->addWidget(exit, 2, 1);
    connect(save, &QPushButton::clicked, this, &frmEditFUT::cmdSave_Click);
    connect(exit, &QPushButton::clicked, this, &QDialog::close);
    resize(360, sizeHint().height());
    KeepCaptionsWhole(this);
}

frmEditFUT* frmEditFUT::ShowDialog(Store& store, const QString& term) {
    frmEditFUT* d = Bring(gEditDialog, store);
    d->txt_->setText(term);
    return d;
}
frmEditFUT* frmEditFUT::Find() { return gEditDialog.data(); }

void frmEditFUT::cmdSave_Click() {
    frmFUT* list = frmFUT::Find();
    EditFUTTerm(store_, list ? list->CurrentRow() : -1, ToCp1252(txt_->text()));
}

} // namespace orvelle
