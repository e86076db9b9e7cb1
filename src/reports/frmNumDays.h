#pragma once
// "Number of Specific Weekdays Within a Period": every date of one weekday in a period.
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvelle {

struct Store;

class frmNumDays : public QWidget {
    Q_OBJECT
public:
    explicit frmNumDays(Store& store, QWidget* parent = nullptr);
    // "# of Specific Weekdays in a Period": shows the one window.
    static frmNumDays* Open(Store& store, QWidget* parent);

    void Form_Load();
    void txtStart_KeyDown(int keyCode);
    void txtStart_LostFocus();
    void txtEnd_KeyDown(int keyCode);
    void txtEnd_LostFocus();
    void optDay_Click(int index);
    void cmdGetDays_Click();
    void CheckWhichDay();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> BoxDate(const QLineEdit* box) const;
    // Reads the end box into gNumDaysEnd, saying so when it is no date.
    bool TakeEnd();

    Store& store_;
    QLineEdit* txtStart_;
    QLineEdit* txtEnd_;
    QRadioButton* optDay_[7];
    QPushButton* cmdGetDays_;
    QListWidget* lstDays_;
    QLabel* lblOccur_;
};

} // namespace orvelle
