#pragma once
// "Available Marker Colors": the caption and colour of each of the 14 mark categories, the
// colour chosen from 16 buttons. Nothing is stored before "Save Changes and Exit", which refuses
// a caption holding ":" and a colour used twice before it changes anything.
#include "platform/Colors.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QAction;

namespace orvelle {

struct Store;

// The colours of cmdColor(0..15), 0x00BBGGRR.
extern const std::array<VbColor, 16> kMarkerPaletteColors;
extern const char* const kDuplicateMarkerColor;
extern const char* const kColonInMarkerCaption;

class frmColors : public QWidget {
    Q_OBJECT
public:
    // `categoriesRead` runs after a save has read the categories back, so the main window's
    // menus and the displayed-markers window show the new captions.
    frmColors(Store& s, QWidget* parent, std::function<void()> categoriesRead);
    // The one window of `parent`, loaded when needed, shown and brought to the front.
    static frmColors* Open(Store& s, QWidget* parent, std::function<void()> categoriesRead);

    std::array<QLabel*, 14> lblMarker{};
    std::array<QPushButton*, 16> cmdColor{};
    QLineEdit* txtEdit = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuEditCaption = nullptr;

    void Form_Load();
    void lblMarker_Click(int index);
    void cmdColor_Click(int index);
    void txtEdit_Change(const QString& text);
    void cmdSave_Click();
    void cmdExit_Click();
    void mnuEditCaption_Click();

    // The colour a label shows (its background).
    VbColor MarkerColor(int index) const { return colors_[index]; }
    int SelectedMarker() const { return mSelectedMarker; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void PaintLabel(int index);
    // Says what is wrong and returns false when the labels cannot be stored.
    bool LabelsCanBeSaved();

    Store& s_;
    std::function<void()> categoriesRead_;
    std::array<VbColor, 14> colors_{};
    std::array<VbColor, 14> textColors_{};
    // The label with the border; -1 before any category is selected. mSelectedMarker names the
    // label that the caption box edits.
    int bordered_ = -1;
    int mSelectedMarker = 0;
};

} // namespace orvelle
