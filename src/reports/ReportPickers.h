#pragma once
// The report period pickers: "Monthly Selection" (one month or a whole year) and "Start and End
// Date Selection" (any first and last day within one year). Each is told which report it
// builds; "Generate Report Now" stores the period and hands it to `generate`.
#include "store/Reports.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvelle {

struct Store;

using GenerateReport = std::function<void(ReportKind)>;

class frmSelectMonth : public QWidget {
    Q_OBJECT
public:
    frmSelectMonth(Store& store, ReportKind kind, GenerateReport generate, QWidget* parent = nullptr);
    // The report "Generate Report Now" builds.
    void SetKind(ReportKind kind) { kind_ = kind; }
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbYear = nullptr;
    void cmdReport_Click();
    void cmdSelectStartEnd_Click();

private:
    void LoadComboBoxes();
    Store& s_;
    ReportKind kind_;
    GenerateReport generate_;
};

class frmSelectStartEnd : public QWidget {
    Q_OBJECT
public:
    frmSelectStartEnd(Store& store, ReportKind kind, GenerateReport generate, QWidget* parent = nullptr);
    void SetKind(ReportKind kind) { kind_ = kind; }
    std::array<QComboBox*, 2> cmbMonth{}, cmbDay{}, cmbYear{};
    std::array<QLineEdit*, 2> txtInput{};
    QPushButton* cmdReport = nullptr;
    void ComboClick(int row);
    void txtInput_LostFocus(int row);
    void txtInput_Enter(int row);
    void cmdReport_Click();
    void cmdSelectMonth_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void LoadComboBoxes();
    void SetCombosFrom(int row, Date d);
    Store& s_;
    ReportKind kind_;
    GenerateReport generate_;
};

// A date typed or picked in a picker box, or nullopt when the text names no date.
std::optional<Date> PickerDate(const std::string& text);

} // namespace orvelle
