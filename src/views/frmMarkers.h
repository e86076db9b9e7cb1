#pragma once
// "Marker Options": one check box per mark category; a ticked box shows the category's marks
// on the calendars. Changes apply at once; "Save This Setting" stores the hidden categories.
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orvelle {

struct Store;

// The main window's commands behind the boxes, so that the boxes, its Edit menu ticks and the
// open view always agree.
struct MarkerDisplayCommands {
    std::function<void(int index, bool shown)> showCategory;
    std::function<void(bool shown)> showAll;
    std::function<void()> saveSetting;
};

class frmMarkers : public QWidget {
    Q_OBJECT
public:
    frmMarkers(Store& s, QWidget* parent, MarkerDisplayCommands commands);
    // The one window of `parent`, loaded when needed, shown and brought to the front.
    static frmMarkers* Open(Store& s, QWidget* parent, MarkerDisplayCommands commands);
    // The open window of `parent`, or null.
    static frmMarkers* Find(QWidget* parent);

    QLabel* Label1 = nullptr;
    std::array<QCheckBox*, 14> chkMarker{};
    std::array<QPushButton*, 2> cmdCheck{};
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;

    // Captions and ticks from the categories; sets no category.
    void LoadCheckBoxes();
    void chkMarker_Click(int index);
    void cmdCheck_Click(int index); // 0 Check All, 1 Un-Check All
    void cmdSave_Click();
    void cmdExit_Click();

private:
    Store& s_;
    MarkerDisplayCommands commands_;
};

} // namespace orvelle
