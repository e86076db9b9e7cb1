#pragma once
// The fixed planner page as widgets: 60 line boxes, 16 time labels, 10 check images, 20
// section labels, the date label and the day buttons, each at its place in the page layout.
// It only shows; frmPlanner wires the boxes to the page model.
#include "planner/PlannerLayout.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelle {

class PlannerPageView : public QWidget {
    Q_OBJECT
public:
    explicit PlannerPageView(QWidget* parent = nullptr);

    // The layout the page was built with (the to-do boxes follow the real check image width).
    const PlannerLayout& Layout() const { return layout_; }

    QLineEdit* txt(int i) const { return txt_[i]; }
    QLabel* lblTime(int i) const { return lblTime_[i]; }
    QLabel* lbl(int k) const { return lbl_[k]; }
    QLabel* imgChkBox(int k) const { return imgChkBox_[k]; }
    QLabel* lblMain() const { return lblMain_; }
    QLabel* lblCursPos(int k) const { return lblCursPos_[k]; }
    QPushButton* cmdDay(int k) const { return cmdDay_[k]; }

    // A time label's caption and bold state.
    void SetTimeLabel(int i, const QString& caption, bool bold);
    // The done or not-done picture of check image k.
    void SetDoneMark(int k, bool done);
    // The date label's caption, centred on the page's centre line.
    void SetDateCaption(const QString& caption);

    // The 17 x 17 pixel box pictures of imgChkBoxChecked and imgChkBoxUnChecked.
    static QPixmap CheckBoxPicture(bool checked);

private:
    void LoadTheObjects();
    void PlaceSectionLabel(int k);

    PlannerLayout layout_;
    std::array<QLineEdit*, PlannerLayout::kBoxes> txt_{};
    std::array<QLabel*, PlannerLayout::kTimeLabels> lblTime_{};
    std::array<QLabel*, PlannerLayout::kSectionLabels> lbl_{};
    std::array<QLabel*, PlannerLayout::kCheckImages> imgChkBox_{};
    std::array<QLabel*, 2> lblCursPos_{};
    std::array<QPushButton*, 2> cmdDay_{};
    QLabel* lblMain_ = nullptr;
    QPixmap checked_;
    QPixmap unchecked_;
};

} // namespace orvelle
