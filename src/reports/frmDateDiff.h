#pragma once
// "Date Difference": the intervals of one unit between a start and an end date.
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelle {

struct Store;

class frmDateDiff : public QWidget {
    Q_OBJECT
public:
    explicit frmDateDiff(Store& store, QWidget* parent = nullptr);

    // The main window's interval items: stores the unit's code, names it, and shows the one
    // window (loaded anew, with today in both rows, only when it was not open).
    static frmDateDiff* Open(Store& store, QWidget* parent, const char* code);

    void Form_Load();
    void LoadComboBoxes();
    void RebuildRow(int index); // the month, day and year boxes' Change and Click
    void txtInput_KeyDown(int index, int keyCode);
    void txtInput_LostFocus(int index);
    void cmbInterval_Click(int listIndex);
    void cmdDateDiff_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Carries a typed date into the row's boxes; false when the text is no date.
    bool TakeTypedDate(int index);
    void ShowIntervalName();

    Store& store_;
    QComboBox* cmbInterval_;
    QLabel* lblInterval_;
    QComboBox* cmbMonth_[2];
    QComboBox* cmbDay_[2];
    QComboBox* cmbYear_[2];
    QLineEdit* txtInput_[2];
    QPushButton* cmdDateDiff_;
    QLineEdit* txtAnswer_;
};

} // namespace orvelle
