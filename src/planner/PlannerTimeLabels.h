#pragma once
// The time labels beside the appointment lines: a click makes a time bold (or plain again), a
// right click pops up the Edit menu, whose "Change Time" opens a small time editor over the
// label and whose "Delete Time" blanks the time or brings the blanked one back. A blank time
// makes the line above it a "Push" line that wraps on into this one. Each of these is an edit
// of the page, asked about before the page is left.
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QAction;
class QFocusEvent;
class QMenu;
class QMenuBar;
class QPushButton;

namespace orvelle {

struct Store;
class PlannerLineBox;
class PlannerLineEditing;
class PlannerPageModel;
class PlannerPageView;

class PlannerTimeLabels : public QObject {
    Q_OBJECT
public:
    // Takes over "Change Time" and "Delete Time" of the window's Edit menu in `menus` and puts
    // the hidden time editor (txtTime, cmdOK) on the page.
    PlannerTimeLabels(Store& s, PlannerPageModel& model, PlannerPageView& page, QMenuBar* menus,
                      PlannerLineEditing& editing, QObject* parent = nullptr);

    // Button 1 left, 2 right.
    void lblTime_MouseDown(int index, int button);
    void mnuEditTime_Click();
    void mnuEditDelete_Click();
    void ShowTimeChangeBox(int index);
    void cmdOK_Click();
    // Puts the open editor's time on its label as OK does; false, with the refusal shown and
    // the editor left open, when its text is no time. True when no editor is open.
    bool ApplyTimeEditor();
    // ApplyTimeEditor for a save: only when the editor's text differs from its label's time.
    bool ApplyTypedTime();
    void txtTime_KeyDown(int& keyCode, int shift);
    void txtTime_KeyPress(int& keyAscii);
    // Puts the editor's text on its label, retags the line above and closes the editor.
    void ManageLabelVisibilty();
    // Closes the editor without touching its label (another date is being shown).
    void CloseTimeEditor();
    // Hides an open editor and shows it again, still open over its label: a print preview
    // covers the page, and nothing typed may land in an editor the user cannot see.
    void SetEditorShown(bool shown);

    // The label the Edit menu's time commands act on: the one last pressed, or the appointment
    // line the user has moved to since; 0 before either.
    int TimeLabelIndex() const { return mTimeLabelIndex; }
    bool EditorOpen() const { return editorLabel_ >= 0; }
    PlannerLineBox* txtTime() const { return txtTime_; }
    QPushButton* cmdOK() const { return cmdOK_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetCaption(int index, const std::string& caption);
    void KeepEditorSelection(const QFocusEvent& e);
    void MarkPageChanged();
    void RetagAppointmentLines();
    QAction* Item(const char* name) const;

    Store& s_;
    PlannerPageModel& model_;
    PlannerPageView& page_;
    QMenuBar* menus_;
    PlannerLineEditing& editing_;
    PlannerLineBox* txtTime_ = nullptr;
    QPushButton* cmdOK_ = nullptr;

    int mTimeLabelIndex = 0;
    // The caption each label had when Delete Time last blanked it; kept across dates.
    std::array<std::string, 16> mSavedTimeCaptions;
    // The label the open editor belongs to; -1 while it is closed.
    int editorLabel_ = -1;
    // The editor's text, selection and caret when it last lost the keyboard, given back when it
    // gets it again with the same text.
    struct KeptSelection {
        QString text;
        int start = -1, length = 0, caret = 0;
    };
    std::optional<KeptSelection> keptSelection_;
    // Where the mouse pressed the label, for the popup menu.
    std::optional<QPoint> popupAt_;
};

} // namespace orvelle
