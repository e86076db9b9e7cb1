#include "notes/frmPref.h"

#include "platform/CaptionFit.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"
#include "store/TermLists.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace orvelle {
namespace {

QPointer<frmPref> gPrefDialog;

} // namespace

frmPref::frmPref(Store& store) : QDialog(nullptr), store_(store) {
    setObjectName("frmPref");
    setWindowTitle("Frequent Used Terms Preferences");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());
    auto* grid = new QGridLayout(this);
    auto check = [this, grid](const char* name, const char* caption, int row) {
        auto* c = new QCheckBox(caption, this);
        c->setObjectName(name);
        grid->addWidget(c, row, 0, 1, 3);
        return c;
    };
    chkShowFUT_ = check("chkShowFUT", "Always Display Frequently Used Terms", 0);
    chkMinimizeFUT_ = check("chkMinimizeFUT", "Load the Frequent Terms at Minimized State", 1);
    chkACEnable_ = check("chkACEnable", "Disable Automatic Term Completion", 2);
    auto* label = new QLabel("Start Suggesting Terms for Completion After", this);
    label->setObjectName("lblAutoStartPos");
    txtStartPos_ = new QLineEdit(this);
    txtStartPos_->setObjectName("txtStartPos");
    txtStartPos_->setMaximumWidth(60);
    txtStartPos_->installEventFilter(this);
    grid->addWidget(label, 3, 0);
    grid->addWidget(txtStartPos_, 3, 1);
    grid->addWidget(new QLabel("Keystroke(s)", this), 3, 2);
    auto* save = new QPushButton("Save and Exit", this);
    save->setObjectName("cmdSave");
    auto* exit = new QPushButton("Exit without Saving", this);
    exit->setObjectName("cmdExit");
    grid->addWidget(save, 4, 0);
    grid->addWidget(exit, 4, 1, 1, 2);
    connect(save, &QPushButton::clicked, this, &frmPref::cmdSave_Click);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
    connect(txtStartPos_, &QLineEdit::textChanged, this, &frmPref::txtStartPos_Change);
    KeepCaptionsWhole(this);
}

frmPref* frmPref::ShowDialog(Store& store) {
    if (!gPrefDialog) gPrefDialog = new frmPref(store);
    else if (!gPrefDialog->isVisible()) gPrefDialog->Form_Load(); // closed, not yet gone
    ShowInFront(gPrefDialog);
    return gPrefDialog.data();
}

frmPref* frmPref::Find() { return gPrefDialog.data(); }

void frmPref::Form_Load() {
    const Preferences& p = store_.prefs;
    chkShowFUT_->setChecked(p.gShowFUT);
    chkMinimizeFUT_->setChecked(p.gMinimizeFUT);
    chkACEnable_->setChecked(!p.gAutoCompleteWord);
    loadedStartPosition_ = p.gAutoStartPosition;
    txtStartPos_->setText(QString::number(p.gAutoStartPosition + 1));
}

void frmPref::txtStartPos_Change() {
    store_.prefs.gAutoStartPosition = StartPositionFromText(txtStartPos_->text().toStdString());
}

void frmPref::cmdSave_Click() {
    // A save that failed was reported; the dialog stays with the choices.
    if (SaveTermPreferences(store_, chkShowFUT_->isChecked(), chkMinimizeFUT_->isChecked(),
                            !chkACEnable_->isChecked(), store_.prefs.gAutoStartPosition)) {
        loadedStartPosition_ = store_.prefs.gAutoStartPosition;
        close();
    }
}

// However the dialog is left unsaved (its button, the title bar, Escape), a count typed meanwhile
// is taken back: the next opening shows what is stored, not what was dropped. Every close of a
// shown dialog comes here, a saved one too, after the save has made the count the stored one.
void frmPref::reject() {
    store_.prefs.gAutoStartPosition = loadedStartPosition_;
    QDialog::reject();
}

bool frmPref::eventFilter(QObject* watched, QEvent* e) {
    // Only the digits 1 to 9 and Backspace are typed into the keystroke count.
    if (watched == txtStartPos_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        QString text = k->text();
        bool digit = text.size() == 1 && text[0] >= QChar('1') && text[0] <= QChar('9');
        bool editing = k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Left || k->key() == Qt::Key_Right ||
                       k->key() == Qt::Key_Tab || k->key() == Qt::Key_Delete || text.isEmpty();
        // Esc leaves the dialog from here as from anywhere in it.
        editing = editing || k->key() == Qt::Key_Escape;
        if (!digit && !editing) return true;
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace orvelle
