#pragma once
// The birthday manager "Birthday Management - Viewing All" / "... - Viewing Pending": a name, a
// date, "Remember Age", the notice options and two multi-select lists of the birthdays (by name
// and by month), with their printing. The lists are a BirthdayBook; each row keeps its
// birthday's position in the book in its data.
#include "store/BirthdayBook.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace orvelle {

struct Store;

class frmBDay : public QWidget {
    Q_OBJECT
public:
    explicit frmBDay(Store& store, QWidget* parent = nullptr);
    static frmBDay* Open(Store& store, QWidget* parent);

    void LoadListBoxes();
    void UpdateListBox();
    void CalculateAge(int index);

    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdClear_Click();
    void cmdSort_Click();
    void lstData_Click(int index);
    void mnuFileNew_Click();
    void mnuViewAll_Click();
    void mnuViewUpcoming_Click();
    void txt_LostFocus(int index);
    // Birthday printing.
    void mnuFilePrint_Click();
    void mnuFilePrintList_Click();
    void mnuFilePrintSelected_Click();

    const BirthdayBook& book() const { return book_; }
    // The list shown: lstData(2), the name list, or lstData(1), the month list.
    QListWidget* VisibleList() const;
    // The lines a list print takes from the visible list: all rows, or the selected ones.
    QStringList PrintLines(bool selectedOnly) const;

signals:
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildMenus(QMenuBar* bar);
    void ResetEditor();
    void Persist();
    void PrintList(const QStringList& lines);
    // Without a printer the list commands say so before their page-count question.
    bool PrinterFound();
    bool lstData_KeyDown(QListWidget* list, int key);

    Store& s_;
    BirthdayBook book_;
    int currentRecord_ = 0;
    bool newRecord_ = true;
    int age_ = 0;

    std::array<QLineEdit*, 2> txt_{};
    QCheckBox* chkRememberAge_;
    std::array<QRadioButton*, 7> optNotify_{};
    QLabel* lblAge_;
    QPushButton* cmdSort_;
    QStackedWidget* lists_;
    QListWidget* lstMonth_; // lstData(1)
    QListWidget* lstName_;  // lstData(2)
};

} // namespace orvelle
