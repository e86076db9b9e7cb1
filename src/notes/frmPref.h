#pragma once
// "Frequent Used Terms Preferences": whether the terms window comes up with the planner and the
// notes window (and minimised), whether typed words complete, and after how many keystrokes.
#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace orvelle {

struct Store;

class frmPref : public QDialog {
    Q_OBJECT
public:
    explicit frmPref(Store& store);
    // Shows the one dialog, loading it when needed; an open one is only brought forward.
    static frmPref* ShowDialog(Store& store);
    static frmPref* Find();

    void Form_Load();
    void txtStartPos_Change();
    void cmdSave_Click();

    QLineEdit* txtStartPos() const { return txtStartPos_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void reject() override;

private:
    Store& store_;
    QCheckBox* chkShowFUT_;
    QCheckBox* chkMinimizeFUT_;
    QCheckBox* chkACEnable_;
    QLineEdit* txtStartPos_;
    int loadedStartPosition_ = 0;
};

} // namespace orvelle
