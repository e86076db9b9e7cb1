#pragma once
// "Icon Manager": the picture and caption of one palette slot, chosen from the 144 pictures of
// the Images folder; Save stores them in the palette and in "Icon Tags.dat".
#include <QWidget>

#include <array>

class QLineEdit;
class QLabel;
class QPushButton;

namespace orvelle {

struct Store;
class PictureBox;
class frmIcons;

class frmIconTag : public QWidget {
    Q_OBJECT
public:
    frmIconTag(Store& s, frmIcons& palette);

    PictureBox* imgSelectedIcon = nullptr;
    QLineEdit* txtTag = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* lblSelect = nullptr;
    QWidget* picMain = nullptr;
    std::array<PictureBox*, 144> imgIcon{};

    int gIconTagSlot = 0;
    int gIconTagIconNumber = 0;

    void Form_Load();
    void LoadMyIcons();
    // The palette's right click: the slot's caption (all selected) and picture, then shown.
    void OpenForSlot(int slot);
    void imgIcon_Click(int index);
    void cmdSave_Click();

private:
    // Beside the palette that opens it (left of it when there is room), clear of the menus.
    void PlaceBesidePalette();
    void ShowPicture(PictureBox* box, int picture);

    Store& s_;
    frmIcons& palette_;
};

} // namespace orvelle
