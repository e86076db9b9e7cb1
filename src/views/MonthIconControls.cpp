#include "views/MonthIconControls.h"

#include "platform/Cp1252.h"
#include "platform/DataFolder.h"
#include "platform/PictureBox.h"
#include "store/IconFiles.h"
#include "store/Store.h"
#include "store/TextFile.h"
#include "views/frmMonth.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <map>

namespace orvelle {
namespace {

// A slot is 0.24 grid units wide and the icons sit 0.3 units above the row's bottom rule.
constexpr double kIconWidthUnits = 0.22;
constexpr double kIconHeightUnits = 0.28;

int IconSidePixels(const PictureBox& box) {
    QPointF origin = box.ToPixels(0, 0);
    QPointF corner = box.ToPixels(kIconWidthUnits, kIconHeightUnits);
    double side = std::min(corner.x() - origin.x(), corner.y() - origin.y());
    return std::max(8, static_cast<int>(std::floor(side)));
}

} // namespace

QImage LoadIconPicture(const Store& s, const std::string& pictureNumber) {
    if (pictureNumber.empty()) return {};
    WaitForShippedPictures();
    // Read through the size-limited reader: a pipe or a device named like a picture would hang.
    std::string path = IconPicturePath(s, pictureNumber);
    FileRead r = ReadRegularFile(path, SizeLimitFor(path));
    if (r.status != ReadStatus::Ok) return {};
    const auto* bytes = reinterpret_cast<const uchar*>(r.content.data());
    int size = static_cast<int>(r.content.size());
    QImage picture;
    if (!picture.loadFromData(bytes, size, "ICO")) picture.loadFromData(bytes, size);
    return picture;
}

PictureBox& IconControl(frmMonth& view, int k) {
    auto& pool = view.picIcon;
    while (static_cast<int>(pool.size()) <= k) {
        auto* icon = new PictureBox(view.picMonth);
        icon->setObjectName(QString("picIcon_%1").arg(pool.size()));
        icon->SetBorderStyle(0);
        icon->hide();
        pool.push_back(icon);
        view.WireIconControl(icon, static_cast<int>(pool.size()) - 1);
    }
    return *pool[k];
}

void RemovePlacedIconControls(frmMonth& view) {
    auto& pool = view.picIcon;
    for (size_t k = 1; k < pool.size(); ++k) delete pool[k];
    if (pool.size() > 1) pool.erase(pool.begin() + 1, pool.end());
    if (!pool.empty()) pool[0]->hide();
}

void ShowPlacedIcons(const Store& s, frmMonth& view) {
    PictureBox& month = *view.picMonth;
    const auto& placed = s.icons.gPlacedIcons;
    int side = IconSidePixels(month);
    std::map<std::string, QImage> pictures; // one read per picture file
    for (size_t k = 0; k < placed.size(); ++k) {
        const PlacedIcon& p = placed[k];
        PictureBox& icon = IconControl(view, static_cast<int>(k));
        icon.SetTag(p.tag);
        if (!p.visible) {
            icon.hide();
            continue;
        }
        QPointF at = month.ToPixels(p.left, p.top);
        icon.setGeometry(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y())), side, side);
        icon.setToolTip(FromCp1252(p.caption));
        icon.SetBackColor(month.BackColor());
        icon.SetScale(0, 0, 1, 1);
        auto found = pictures.find(p.pictureNumber);
        if (found == pictures.end()) found = pictures.emplace(p.pictureNumber, LoadIconPicture(s, p.pictureNumber)).first;
        if (!found->second.isNull()) icon.PaintPicture(found->second, 0, 0, 1, 1);
        icon.show();
        icon.raise();
    }
}

} // namespace orvelle
