#pragma once
// "Available Icons": the palette of 96 icon slots in four groups. A slot is dragged onto a day
// of the one-month view; a right click opens the caption editor for it; Shift+S saves the
// template while the view shows it.
#include <QWidget>

#include <array>
#include <functional>

class QLabel;

namespace orvelle {

struct Store;
class PictureBox;
class frmIconTag;

class frmIcons : public QWidget {
    Q_OBJECT
public:
    frmIcons(Store& s, QWidget* parent);

    // The one palette of `parent`, created (and loaded) on first use. Loading shows it; `place`
    // runs on a new palette before that.
    static frmIcons& Get(Store& s, QWidget* parent, const std::function<void(frmIcons&)>& place = {});

    QWidget* picMain = nullptr;
    QLabel* lblMain = nullptr;
    QLabel* lblBills = nullptr;
    QLabel* lblTransportation = nullptr;
    QLabel* lblMisc = nullptr;
    QLabel* lblAlpha = nullptr;
    std::array<PictureBox*, 96> imgIcon{};

    // Run after Shift+S saved the template: the month view gives way to the year view.
    std::function<void()> onTemplateSaved;

    void Form_Load();
    // Pictures and captions of every slot from the palette table.
    void ReassignIconTags();
    void ShowSlot(int slot);
    void imgIcon_MouseDown(int index, int button);
    void imgIcon_MouseMove(int index, int button);
    void imgIcon_MouseUp(int index, int button);
    bool Form_KeyDown(int keyCode, int shift);

    frmIconTag* iconTag() const { return iconTag_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Store& s_;
    bool mIconDragArmed = false;
    frmIconTag* iconTag_ = nullptr;
};

} // namespace orvelle
