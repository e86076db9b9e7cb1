#pragma once
// The editing rules of the planner page's 60 line boxes: the box with the focus is cyan, the
// caret position is shown, Enter/Tab, Down and Up move between the boxes in the page's fixed
// orders (scrolling when the next box is out of sight), the number boxes take only digits and
// a point and are reformatted and totalled when left, a box whose text is too wide to print
// or too long to store turns red with a tooltip that says so, and a blank typed into a "Push"
// line that overflows wraps its last words into the continuance line below.
#include "planner/TextMeasurer.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QScrollArea;

namespace orvelle {

struct Store;
class PlannerLineBox;
class PlannerPageModel;
class PlannerPageView;

class PlannerLineEditing : public QObject {
    Q_OBJECT
public:
    // `formKeyDown` is the window's own key handler, called with PageDown (34) or PageUp (33)
    // to scroll the page by one screen.
    PlannerLineEditing(Store& s, PlannerPageModel& model, PlannerPageView& page, QScrollArea* scroll,
                       std::function<void(int keyCode)> formKeyDown, QObject* parent = nullptr);

    // The handlers of the box array, as the boxes call them.
    void txt_GotFocus(int index);
    void txt_KeyDown(int index, int& keyCode, int shift);
    void txt_KeyPress(int index, int& keyAscii);
    void txt_LostFocus(int index);
    void txt_MouseDown(int index);
    // The rest of a box change, after the page model has taken the new text: the wrap of a
    // "Push" line and the caret position in the main window's status label.
    void txt_Change(int index);

    bool LineTooWide(int index) const;
    bool LineTooLong(int index) const;

    // The caret position in the page's two cursor labels (and gPlannerCaretPos).
    void RefreshCaretLabels(int index);

    // Gives the focus back to the box that last lost it, with the caret where it was then.
    void ReturnFocusToLastLine();
    // The program moves the user to line `index` (a search hit): the line shown as current
    // before is left, and this one is current, cyan and the one the time commands act on, also
    // while another window has the keyboard (the focus itself only moves once this one gets it).
    void MakeCurrentLine(int index);

    // Widths come from the screen's fonts unless a test brings its own measurer.
    void UseTextMeasurer(std::unique_ptr<TextMeasurer> measurer);

signals:
    // The user moved to line `index`, by a press in it or by a navigation key (not when the
    // program puts the focus back).
    void lineEntered(int index);

private:
    PlannerLineBox* Box(int index) const;
    void SetBackColor(int index, long color);
    void FormatAndTotal(int index);
    void ShowComputedBoxes();
    void MoveFocus(int target);
    void MoveFocusByKey(int target);
    void ScrollIntoView(int box, bool downwards);
    void WrapLine(int index);
    TextFont BoxFont(int index) const;

    Store& s_;
    PlannerPageModel& model_;
    PlannerPageView& page_;
    QPointer<QScrollArea> scroll_;
    std::function<void(int)> formKeyDown_;
    std::unique_ptr<TextMeasurer> measurer_;
    QPointer<QLabel> mainCaretLabel_;

    std::array<bool, 60> mLineTooWide{};
    std::array<bool, 60> mLineTooLong{};
    int mLostFocusCaret = 0;
    // Set while a wrap rewrites lines, so those changes do not wrap again on their own.
    bool wrapping_ = false;
};

} // namespace orvelle
