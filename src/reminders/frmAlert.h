#pragma once
// The alert manager "Alert Management": a date editor, a notice period, a message and the list of
// alerts (all, or the pending ones only; by date or by message). The lists are an AlertBook;
// each row keeps its alert's position in the book in its data.
#include "store/AlertBook.h"

#include <QWidget>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace orvelle {

struct Store;

class frmAlert : public QWidget {
    Q_OBJECT
public:
    explicit frmAlert(Store& store, QWidget* parent = nullptr);
    // Shows the manager under `parent`, loading it when it is not open; an open one is only
    // brought forward.
    static frmAlert* Open(Store& store, QWidget* parent);
    static frmAlert* Find(QWidget* parent);

    void LoadComboBoxes();
    void ParseAlert();
    void LoadAlerts();

    void cmbDate_Click();
    void txtDate_LostFocus();
    void txtValue_Change();
    // False when the period was refused (the focus goes back to the box).
    bool txtValue_LostFocus();
    void optValue_Click(int index);
    // False when the save stopped: a refused entry or Cancel in the overwrite question.
    bool mnuFileSave_Click();
    void cmdSave_Click(int index);
    void cmdDelete_Click();
    void mnuOptDeleteOldAlerts_Click();
    void mnuFileNew_Click();
    void lstAlerts_Click(int index);
    void mnuViewAll_Click();
    void mnuViewPending_Click();
    void mnuSortDate_Click();
    void mnuSortMessage_Click();
    // "Set Alert for Selected Date" while the window is open: a new alert for that date.
    void StartNewAlert(Date date);

    const AlertBook& book() const { return book_; }
    // The row of the listed alerts last clicked (0 after a load, -1 after New).
    int currentRow() const { return currentRow_; }

signals:
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Form_Load();
    void BuildMenus(QMenuBar* bar);
    void CheckOptionForPeriod(int period);
    void ShowEditorDate(Date d);
    void SelectRow(int row);
    // Writes the book, reads the file back and reloads the lists; false when the write failed.
    bool Persist();
    QString DateTextForSave() const;

    Store& s_;
    AlertBook book_;
    std::vector<int> listed_; // book positions of the rows
    int currentRow_ = 0;
    bool unloading_ = false;
    // The date the editor shows, so a two-digit year in the box never moves it to another century.
    Date shownDate_ = 0;
    QString shownText_;

    QLineEdit* txtDate_;
    QComboBox* cmbMonth_;
    QComboBox* cmbDay_;
    QComboBox* cmbYear_;
    QLineEdit* txtValue_;
    std::array<QRadioButton*, 6> optValue_{};
    QPlainTextEdit* txtMessage_;
    QLabel* lblMain_;
    QLabel* lblList_;
    QStackedWidget* lists_;
    QListWidget* lstDates_;    // lstAlerts(1)
    QListWidget* lstMessages_; // lstAlerts(2)
};

} // namespace orvelle
