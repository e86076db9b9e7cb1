#pragma once
// "Email List": the user's contacts (name, phone, e-mail address from "Employee Info.dat"), and
// the delivery of a waiting export to one of them: "Assign Project to Selected" writes it into
// the contact's sub-folder of the share's "Planners And Notes"; "Assign Project and Email" does
// the same and then opens a new e-mail to the contact through a "mailto:" link.
//
// The export a window delivers is the one it was opened for (by "Export ... and Assign to...");
// opened from the main window's "Contact List" it has none.
#include "store/Exchange.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QListWidget;
class QLineEdit;
class QPlainTextEdit;

namespace orvelle {

struct Store;

class frmEmailList : public QWidget {
    Q_OBJECT
public:
    frmEmailList(Store& store, ExportKind pending, QWidget* parent = nullptr);

    // Shows the contact list for `pending`; one already open is brought forward and takes the
    // new export (or keeps its own when `pending` is None).
    static frmEmailList* Open(Store& store, ExportKind pending, QWidget* parent);

    ExportKind Pending() const { return pending_; }
    void SetPending(ExportKind pending) { pending_ = pending; }

    void Form_Load();
    void lstNames_Click(int index);
    void txt_Change(int index);
    void cmdAssign_Click();
    void cmdOpenEmail_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdExit_Click();
    void mnuOptPastePlanner_Click();
    void mnuHelpAssign_Click();
    void mnuHelpAssignEmail_Click();

    // The link the e-mail button hands on, from the fields as they stand.
    std::string EmailLink() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList();
    // Adds the fields as a contact; false when refused or not written.
    bool SaveContact();
    // Name, phone and address share one line of the file: each box gets the room the others leave.
    void FitContactFields();
    // Runs the waiting export for the chosen contact; true when a file was written.
    bool RunPendingExport();
    QString FieldText(int index) const;
    void SetFieldText(int index, const QString& text);

    Store& s_;
    ExportKind pending_;
    QListWidget* lstNames_;
    std::array<QLineEdit*, 4> txt_{};
    QPlainTextEdit* txtBody_;
    int mSelectedIndex = -1;
    bool mShowingContact = false;
    bool mFieldsChanged = false;
};

} // namespace orvelle
