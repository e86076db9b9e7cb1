#pragma once
// The phrase search ("Search for..."): one year's notes or planner pages, the whole year or one
// month, case ignored; lists the dates that hold the phrase and opens one as a search hit, for
// the notes and planner windows to select the phrase and offer "Search Again". The year is read
// apart from the store's lists (YearEntries): searching never moves the selected date.
#include "notes/EntryOpening.h"

#include <QWidget>

#include <array>

class QComboBox;
class QListWidget;
class QRadioButton;

namespace orvelle {

struct Store;

class frmSearch : public QWidget {
    Q_OBJECT
public:
    frmSearch(Store& store, EntryOpeners openers, QWidget* parent = nullptr);

    // Edit > "Find": one window per parent; an open one is brought forward.
    static frmSearch* Open(Store& store, EntryOpeners openers, QWidget* parent);

    void LoadComboBoxes();
    void optLocation_Click(int index);
    void cmdSearch_Click();
    void lstResults_Click(int row);
    void cmdOpen_Click();
    void Form_Unload();

    QComboBox* cmbPhrase() const { return cmbPhrase_; }
    QListWidget* lstResults() const { return lstResults_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Store& store_;
    EntryOpeners openers_;
    QComboBox* cmbMonth_;
    QComboBox* cmbYear_;
    QComboBox* cmbPhrase_;
    std::array<QRadioButton*, 2> optLocation_{};
    QListWidget* lstResults_;
    int selected_ = -1;
    // The year and the kind of entry the results belong to.
    int year_ = 0;
    EntryKind kind_ = EntryKind::Notes;
};

} // namespace orvelle
