#pragma once
// The two small dialogs of the terms window: adding terms one after another, and editing the
// selected term (which then moves to the end of the list). Both stay open after saving.
#include <QDialog>

class QLineEdit;

namespace orvelle {

struct Store;

class frmAddFUT : public QDialog {
    Q_OBJECT
public:
    explicit frmAddFUT(Store& store);
    // Shows the one add dialog, loading it when needed.
    static frmAddFUT* ShowDialog(Store& store);
    static frmAddFUT* Find();

    void cmdSave_Click();
    void cmdClear_Click();
    QLineEdit* txtAddFUT() const { return txt_; }

private:
    Store& store_;
    QLineEdit* txt_;
};

class frmEditFUT : public QDialog {
    Q_OBJECT
public:
    explicit frmEditFUT(Store& store);
    static frmEditFUT* ShowDialog(Store& store, const QString& term);
    static frmEditFUT* Find();

    void cmdSave_Click();
    QLineEdit* txtEditFUT() const { return txt_; }

private:
    Store& store_;
    QLineEdit* txt_;
};

} // namespace orvelle
