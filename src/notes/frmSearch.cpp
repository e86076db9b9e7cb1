#include "notes/frmSearch.h"

#include "notes/MonthYearBoxes.h"
#include "notes/frmNotes.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelle {
namespace {

// Blanks only, as the phrase is typed.
std::string TrimBlanks(const std::string& t) {
    size_t a = t.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    size_t b = t.find_last_not_of(' ');
    return t.substr(a, b - a + 1);
}

std::string CountMessage(size_t n) {
    if (n == 0) return "Search Phrase was not found.";
    if (n == 1) return "Search Phrase appears on 1 date";
    return "Search Phrase appears on " + std::to_string(n) + " dates.";
}

} // namespace

frmSearch::frmSearch(Store& store, EntryOpeners openers, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), openers_(std::move(openers)) {
    setObjectName("frmSearch");
    setWindowTitle("Search for...");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* framTimePeriod = new QGroupBox("Select Time, Phrase and Location Below", this);
    framTimePeriod->setObjectName("framTimePeriod");
    auto* grid = new QGridLayout(framTimePeriod);
    auto* lblMonth = new QLabel("Select Month", framTimePeriod);
    lblMonth->setObjectName("lbl_0");
    cmbMonth_ = new QComboBox(framTimePeriod);
    cmbMonth_->setObjectName("cmbMonth");
    auto* lblYear = new QLabel("Select Year", framTimePeriod);
    lblYear->setObjectName("lbl_1");
    cmbYear_ = new QComboBox(framTimePeriod);
    cmbYear_->setObjectName("cmbYear");
    cmbYear_->setEditable(true);
    auto* lblSearch = new QLabel("Search Phrase", framTimePeriod);
    lblSearch->setObjectName("lblSearch");
    cmbPhrase_ = new QComboBox(framTimePeriod);
    cmbPhrase_->setObjectName("cmbPhrase");
    cmbPhrase_->setEditable(true);
    KeepFileCharactersOnly(cmbPhrase_);
    cmbPhrase_->setInsertPolicy(QComboBox::NoInsert);
    // The box itself has the keyboard and hands keys to its line edit past any filter there.
    cmbPhrase_->installEventFilter(this);
    cmbPhrase_->lineEdit()->installEventFilter(this);
    const char* locations[2] = {"Search Notes", "Search Planners"};
    for (int k = 0; k < 2; ++k) {
        optLocation_[k] = new QRadioButton(locations[k], framTimePeriod);
        optLocation_[k]->setObjectName(QString("optLocation_%1").arg(k));
        connect(optLocation_[k], &QRadioButton::clicked, this, [this, k] { optLocation_Click(k); });
    }
    auto* cmdSearch = new QPushButton("Begin Search", framTimePeriod);
    cmdSearch->setObjectName("cmdSearch");
    connect(cmdSearch, &QPushButton::clicked, this, &frmSearch::cmdSearch_Click);
    grid->addWidget(lblMonth, 0, 0);
    grid->addWidget(cmbMonth_, 1, 0);
    grid->addWidget(lblYear, 0, 1);
    grid->addWidget(cmbYear_, 1, 1);
    grid->addWidget(lblSearch, 2, 0, 1, 2);
    grid->addWidget(cmbPhrase_, 3, 0, 1, 2);
    grid->addWidget(optLocation_[0], 4, 0);
    grid->addWidget(optLocation_[1], 4, 1);
    grid->addWidget(cmdSearch, 5, 0, 1, 2);

    auto* framOccurences = new QGroupBox("Occurences", this);
    framOccurences->setObjectName("framOccurences");
    lstResults_ = new QListWidget(framOccurences);
    lstResults_->setObjectName("lstResults");
    FollowCurrentRow(lstResults_, [this](int row) { lstResults_Click(row); });
    auto* cmdOpen = new QPushButton("View Selected", framOccurences);
    cmdOpen->setObjectName("cmdOpen");
    connect(cmdOpen, &QPushButton::clicked, this, &frmSearch::cmdOpen_Click);
    auto* occ = new QVBoxLayout(framOccurences);
    occ->addWidget(lstResults_);
    occ->addWidget(cmdOpen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framTimePeriod);
    layout->addWidget(framOccurences, 1);
    resize(340, 460);

    // Form_Load
    store_.search.gSearchLocation = "Notes";
    optLocation_[0]->setChecked(true);
    LoadComboBoxes();
    KeepCaptionsWhole(this);
}

frmSearch* frmSearch::Open(Store& store, EntryOpeners openers, QWidget* parent) {
    static QPointer<frmSearch> orphan;
    frmSearch* w = parent ? parent->findChild<frmSearch*>("frmSearch", Qt::FindDirectChildrenOnly) : orphan.data();
    if (!w) {
        w = new frmSearch(store, std::move(openers), parent);
        if (!parent) orphan = w;
        CenterForm(w);
    }
    ShowInFront(w, w->cmbPhrase_);
    return w;
}

void frmSearch::LoadComboBoxes() {
    LoadMonthAndYearBoxes(cmbMonth_, cmbYear_);
    cmbPhrase_->clear();
    for (const std::string& phrase : store_.search.gSearchHistory) cmbPhrase_->addItem(FromCp1252(phrase));
    if (cmbPhrase_->count() > 0) cmbPhrase_->setCurrentIndex(cmbPhrase_->count() - 1);
}

void frmSearch::optLocation_Click(int index) { store_.search.gSearchLocation = index == 0 ? "Notes" : "Planners"; }

void frmSearch::cmdSearch_Click() {
    SearchState& st = store_.search;
    lstResults_->clear();
    selected_ = -1;
    st.gSearchText = TrimBlanks(ToCp1252(cmbPhrase_->currentText()));
    auto& history = st.gSearchHistory;
    if (std::find(history.begin(), history.end(), st.gSearchText) == history.end()) {
        history.push_back(st.gSearchText);
        QString shown = cmbPhrase_->currentText();
        cmbPhrase_->addItem(FromCp1252(st.gSearchText));
        cmbPhrase_->setEditText(shown);
    }
    if (st.gSearchText.empty()) {
        store_.ui->MsgBox("No phrase has been entered.", MsgButtons::OK, "");
        cmbPhrase_->setFocus();
        return;
    }
    // The year is read for the search alone; the store's year and the selected date, which the
    // open notes and planner windows save through, stay as they are.
    year_ = ChosenYear(cmbYear_);
    kind_ = st.gSearchLocation == "Notes" ? EntryKind::Notes : EntryKind::Planners;
    YearEntries e = ReadYearEntries(store_, kind_, year_);
    std::vector<std::string> hits = FindPhraseInYear(e, st.gSearchText, ChosenMonth(cmbMonth_));
    {
        QSignalBlocker block(lstResults_);
        for (const std::string& key : hits) lstResults_->addItem(QString::fromStdString(key));
        lstResults_->setCurrentRow(-1);
    }
    store_.ui->MsgBox(CountMessage(hits.size()), MsgButtons::OK, "");
}

void frmSearch::lstResults_Click(int row) { selected_ = row; }

void frmSearch::cmdOpen_Click() {
    if (selected_ < 0 || selected_ >= lstResults_->count()) {
        store_.ui->MsgBox("Nothing has been selected.", MsgButtons::OK, "");
        return;
    }
    std::string key = ToCp1252(lstResults_->item(selected_)->text());
    // A hit opens where it was found: the location option may have been switched since the
    // search, and the same date's entry of the other kind does not hold the phrase.
    OpenYearEntry(store_, openers_, kind_, year_, key, true);
}

bool frmSearch::eventFilter(QObject* watched, QEvent* e) {
    if ((watched == cmbPhrase_ || watched == cmbPhrase_->lineEdit()) && e->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSearch_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void frmSearch::Form_Unload() {
    store_.search.gSearchActive = false;
    // The notes window opened from a hit stops offering "Search Again".
    if (QWidget* top = parentWidget())
        for (frmNotes* notes : top->findChildren<frmNotes*>()) notes->SearchStateChanged();
}

void frmSearch::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

} // namespace orvelle
