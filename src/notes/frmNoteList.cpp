#include "notes/frmNoteList.h"

#include "notes/MonthYearBoxes.h"
#include "notes/frmSearch.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/Fonts.h"
#include "platform/TabKeys.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelle {

frmNoteList::frmNoteList(Store& store, EntryOpeners openers, QWidget* parent)
    : QWidget(parent, parent ? Qt::Dialog : Qt::Window), store_(store), openers_(std::move(openers)) {
    // A modeless dialog of the main window: it stays above it while the main window shows what it
    // opened, and its Alt+letters open its own menus only (a tool window would share them with
    // the main window's).
    setObjectName("frmNoteList");
    setWindowTitle("Notes and Planner Management");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    QMenu* mnuEdit = bar->addMenu("&Edit");
    mnuEdit->setObjectName("mnuEdit");
    // Find opens the phrase search, the list's companion.
    QAction* find = mnuEdit->addAction("&Find", this, [this] { frmSearch::Open(store_, openers_, parentWidget()); });
    find->setObjectName("mnuEditFind");
    find->setShortcut(QKeySequence("Ctrl+F"));
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);

    auto* grid = new QGridLayout;
    const char* listCaptions[2] = {"Notes Listed by Date Below", "Planners Listed by Date Below"};
    const char* openCaptions[2] = {"Open Selected Note", "Open Selected Planner"};
    const char* deleteCaptions[2] = {"Delete Selected Notes", "Delete Selected Planner"};
    const char* deleteAllCaptions[2] = {"Delete All Notes in List", "Delete All Planners in List"};
    const char* boxCaptions[2] = {"Change Month Below", "Change Year Below"};
    cmbMonth_ = new QComboBox(this);
    cmbMonth_->setObjectName("cmbMonth");
    cmbYear_ = new QComboBox(this);
    cmbYear_->setObjectName("cmbYear");
    cmbYear_->setEditable(true);
    QComboBox* boxes[2] = {cmbMonth_, cmbYear_};
    QList<QWidget*> tabOrder;
    for (int k = 0; k < 2; ++k) {
        auto* lblList = new QLabel(listCaptions[k], this);
        lblList->setObjectName(QString("lblList_%1").arg(k));
        lst_[k] = new QListWidget(this);
        lst_[k]->setObjectName(QString("lst_%1").arg(k));
        FollowCurrentRow(lst_[k], [this, k](int row) { lst_Click(k, row); });
        auto* cmdOpen = new QPushButton(openCaptions[k], this);
        cmdOpen->setObjectName(QString("cmdOpen_%1").arg(k));
        connect(cmdOpen, &QPushButton::clicked, this, [this, k] { cmdOpen_Click(k); });
        // Planner pages open in the main window's planner; without one the button cannot work.
        if (k == 1 && !openers_.openPlanner) cmdOpen->setEnabled(false);
        auto* cmdDelete = new QPushButton(deleteCaptions[k], this);
        cmdDelete->setObjectName(QString("cmdDelete_%1").arg(k));
        connect(cmdDelete, &QPushButton::clicked, this, [this, k] { cmdDelete_Click(k); });
        auto* cmdDeleteAll = new QPushButton(deleteAllCaptions[k], this);
        cmdDeleteAll->setObjectName(QString("cmdDeleteAll_%1").arg(k));
        connect(cmdDeleteAll, &QPushButton::clicked, this, [this, k] { cmdDeleteAll_Click(k); });
        auto* lbl = new QLabel(boxCaptions[k], this);
        lbl->setObjectName(QString("lbl_%1").arg(k));
        tabOrder << lst_[k] << cmdOpen << cmdDelete << cmdDeleteAll << boxes[k];

        int col = k * 2;
        grid->addWidget(lblList, 0, col, 1, 2);
        grid->addWidget(lst_[k], 1, col, 1, 2);
        grid->addWidget(cmdOpen, 2, col, 1, 2);
        grid->addWidget(cmdDelete, 3, col, 1, 2);
        grid->addWidget(cmdDeleteAll, 4, col, 1, 2);
        grid->addWidget(lbl, 5, col, 1, 2);
        grid->addWidget(boxes[k], 6, col, 1, 2);
    }
    auto* cmdLoad = new QPushButton("Check Now", this);
    cmdLoad->setObjectName("cmdLoad");
    connect(cmdLoad, &QPushButton::clicked, this, &frmNoteList::cmdLoad_Click);
    grid->addWidget(cmdLoad, 7, 1, 1, 2);
    // Tab runs down each panel in turn, its box last, so the window opens in the notes list.
    TabInOrder(tabOrder << cmdLoad);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(grid);
    resize(460, 480);

    // Form_Load
    LoadComboBoxes();
    PopulateListBoxes();
    KeepCaptionsWhole(this);
}

frmNoteList* frmNoteList::Open(Store& store, EntryOpeners openers, QWidget* parent) {
    static QPointer<frmNoteList> orphan;
    frmNoteList* w =
        parent ? parent->findChild<frmNoteList*>("frmNoteList", Qt::FindDirectChildrenOnly) : orphan.data();
    if (!w) {
        w = new frmNoteList(store, std::move(openers), parent);
        if (!parent) orphan = w;
        CenterForm(w);
    }
    ShowInFront(w);
    return w;
}

void frmNoteList::LoadComboBoxes() { LoadMonthAndYearBoxes(cmbMonth_, cmbYear_); }

void frmNoteList::PopulateListBoxes() {
    // The chosen year is read for these lists alone: the selected date and the store's year,
    // which the open notes and planner windows save through, stay as they are.
    year_ = ChosenYear(cmbYear_);
    int month = ChosenMonth(cmbMonth_);
    for (int k = 0; k < 2; ++k) {
        YearEntries e = ReadYearEntries(store_, KindOf(k), year_);
        QSignalBlocker block(lst_[k]);
        lst_[k]->clear();
        for (const std::string& key : EntryKeysInMonth(e, month)) lst_[k]->addItem(QString::fromStdString(key));
        selected_[k] = -1;
    }
}

void frmNoteList::lst_Click(int index, int row) { selected_[index] = row; }

void frmNoteList::cmdOpen_Click(int index) {
    int row = selected_[index];
    if (row < 0 || row >= lst_[index]->count()) {
        store_.ui->MsgBox("Nothing has been selected.", MsgButtons::OK, "");
        return;
    }
    std::string key = ToCp1252(lst_[index]->item(row)->text());
    OpenYearEntry(store_, openers_, KindOf(index), year_, key, false);
}

void frmNoteList::cmdDelete_Click(int index) {
    int row = selected_[index];
    if (row < 0 || row >= lst_[index]->count()) {
        store_.ui->MsgBox("Nothing has been selected.", MsgButtons::OK, "");
        return;
    }
    std::string key = ToCp1252(lst_[index]->item(row)->text());
    // Found by its date in its year: the list position says nothing once the file has changed.
    if (DeleteYearEntries(store_, KindOf(index), year_, {key}) == 0) {
        store_.ui->MsgBox(index == 0 ? "Couldn't find note to delete." : "Couldn't find planner to delete.",
                          MsgButtons::OK, "");
    }
    PopulateListBoxes();
}

void frmNoteList::cmdDeleteAll_Click(int index) {
    if (store_.ui->MsgBox("You're about to delete all the files in the list. Continue?", MsgButtons::YesNo,
                          "Deleting All File in the List") != MsgAnswer::Yes)
        return;
    std::vector<std::string> keys;
    for (int i = 0; i < lst_[index]->count(); ++i) keys.push_back(ToCp1252(lst_[index]->item(i)->text()));
    DeleteYearEntries(store_, KindOf(index), year_, keys, true);
    PopulateListBoxes();
}

} // namespace orvelle
