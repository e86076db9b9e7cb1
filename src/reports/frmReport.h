#pragma once
// The report viewer: one class for "Mileage Report" (frmMileage) and "Expenses" (frmExpenses).
// A white letter page in the child area shows one page of 40 rows of the report built last;
// left click greys a row out of the page total, right click edits a cell in place. Edits and
// exclusions live in the labels only and are never saved.
#include "store/Reports.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace orvelle {

struct Store;

class frmReport : public QWidget {
    Q_OBJECT
public:
    frmReport(Store& store, ReportKind kind, QWidget* parent = nullptr);
    ~frmReport() override;

    ReportKind kind() const { return kind_; }
    int Columns() const { return static_cast<int>(cells_.size()); }
    QLabel* Cell(int column, int row) const { return cells_[column][row]; }
    bool RowGrey(int row) const { return grey_[row]; }
    QLineEdit* EditBox(int column) const { return edits_[column]; }
    QLabel* TotalLabel() const { return lblTotal_; }
    QLabel* PageLabel() const { return lblPageNum_; }
    QWidget* NavStrip() const { return picNav_; }
    double PageTotal() const { return mPageTotal_; }

    // After a build: the page emptied, then page 1 of the new report with its title.
    void ShowFirstPage();
    void cmdNext_Click();
    void cmdPrev_Click();
    // A click on row label `row` of `column`.
    void Label_MouseDown(int column, int row, Qt::MouseButton button);
    // Enter in the edit box of `column`.
    void EditBox_Enter(int column);
    void AdjustTheTotals();
    void TotalThisLine(int row);
    void AdjustTheColors(int row);
    void ClearReportLabels();
    void GreyReportLabels();
    void mnuOptInvert_Click();
    void mnuOptSelectAll_Click();
    void mnuOptCopy_Click();
    void PrintThisPage();
    void mnuFileExit_Click();
    // The clipboard text of the page as it stands.
    std::string PageCopyText() const;

signals:
    // Exit and Go Back to Calendar: the window is closed, the one-year calendar is wanted.
    void exitedToCalendar();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Placed {
        QLabel* label;
        double left, top;
    };
    QLabel* AddLabel(const QString& name, const QString& text, double left, double top, double width,
                     double height, const QString& font, double points, bool bold, bool right);
    void BuildMenus();
    void BuildPage();
    void ShowPage();
    // Hides the edit box without writing what it holds.
    void CloseEditBox();
    void SetRowGrey(int row, bool grey);
    void SetRowVisible(int row, bool visible);
    int NumberColumn() const { return Columns() - 1; }

    Store& s_;
    ReportKind kind_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* page_ = nullptr;
    std::vector<std::array<QLabel*, kReportPageRows>> cells_;
    std::array<QLabel*, kReportPageRows> dollars_{};
    std::array<bool, kReportPageRows> grey_{};
    std::vector<QLineEdit*> edits_;
    std::vector<Placed> printed_;  // every label in creation order with its place in twips
    QLabel* lblMain_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    QLabel* lblPageNum_ = nullptr;
    QWidget* picNav_ = nullptr;
    double mPageTotal_ = 0;
    bool mEditOpen_ = false;
    int mEditRow_ = 0;
};

} // namespace orvelle
