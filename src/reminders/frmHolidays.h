#pragma once
// The holiday manager "Holiday Manager": one year's holidays, added, replaced and removed; every
// change rewrites the year's file at once. The list is a HolidayBook.
#include "store/HolidayBook.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvelle {

struct Store;

class frmHolidays : public QWidget {
    Q_OBJECT
public:
    explicit frmHolidays(Store& store, QWidget* parent = nullptr);
    static frmHolidays* Open(Store& store, QWidget* parent);

    void LoadHolidayList();
    void PopulateComboList();
    bool SaveHolidayFile();

    void cmbYear_Click();
    void lstHolidays_Click();
    void cmdAddNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void mnuFileSave_Click();

    int year() const { return year_; }
    const HolidayBook& book() const { return book_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Refuse(const char* text, QWidget* focus);
    // The year box names the year whose list is shown.
    void ShowYearInBox();

    Store& s_;
    int year_ = 0;
    int currentRow_ = -1; // the row the boxes show
    HolidayBook book_;
    bool saved_ = false;
    QComboBox* cmbYear_;
    QListWidget* lstHolidays_;
    QLineEdit* txtDate_;
    QLineEdit* txtDesc_;
    QPushButton* cmdSave_;
};

} // namespace orvelle
