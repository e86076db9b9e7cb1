#pragma once
// The note and planner list ("Notes and Planner Management"): the dates of one year's notes
// (left) and planner pages (right), for the whole year or one month, to open, delete one, or
// delete every listed one. The year is read apart from the store's lists (YearEntries), so the
// open notes and planner windows keep their own dates.
#include "notes/EntryOpening.h"

#include <QWidget>

#include <array>

class QComboBox;
class QListWidget;
class QPushButton;

namespace orvelle {

struct Store;

class frmNoteList : public QWidget {
    Q_OBJECT
public:
    frmNoteList(Store& store, EntryOpeners openers, QWidget* parent = nullptr);

    // Manage > "Notes and Planners": one window per parent; an open one is brought forward.
    static frmNoteList* Open(Store& store, EntryOpeners openers, QWidget* parent);

    void LoadComboBoxes();
    void PopulateListBoxes();
    void cmdLoad_Click() { PopulateListBoxes(); }
    void lst_Click(int index, int row);
    void cmdOpen_Click(int index);
    void cmdDelete_Click(int index);
    void cmdDeleteAll_Click(int index);

    QListWidget* lst(int index) const { return lst_[index]; }
    int ListedYear() const { return year_; }

private:
    static EntryKind KindOf(int index) { return index == 0 ? EntryKind::Notes : EntryKind::Planners; }

    Store& store_;
    EntryOpeners openers_;
    QComboBox* cmbMonth_;
    QComboBox* cmbYear_;
    std::array<QListWidget*, 2> lst_{};
    std::array<int, 2> selected_{-1, -1};
    // The year the lists show.
    int year_ = 0;
};

} // namespace orvelle
