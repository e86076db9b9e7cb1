// The window icon is decoded beside the start; whatever the platform or a window asks of it must
// be what the icon read from the file at once gives.
#include "platform/PngFileIcon.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <filesystem>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

QString ProgramIcon() {
    return QStringLiteral(ORVELLE_BUILD_DIR) + "/icons/hicolor/256x256/apps/orvelle.png";
}

} // namespace

TEST(PngFileIcon, AnswersAsTheIconReadAtOnce) {
    ASSERT_TRUE(std::filesystem::is_regular_file(ProgramIcon().toStdString()));
    QIcon late = PngFileIcon(ProgramIcon()), now(ProgramIcon());
    EXPECT_FALSE(late.isNull());
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        for (QIcon::State state : {QIcon::Off, QIcon::On})
            EXPECT_EQ(late.availableSizes(mode, state), now.availableSizes(mode, state)) << mode << state;
        for (QSize size : {QSize(16, 16), QSize(22, 22), QSize(48, 48), QSize(256, 256), QSize(300, 100)}) {
            EXPECT_EQ(late.actualSize(size, mode), now.actualSize(size, mode)) << mode;
            QImage a = late.pixmap(size, mode).toImage(), b = now.pixmap(size, mode).toImage();
            EXPECT_EQ(a, b) << mode << " " << size.width() << "x" << size.height();
        }
    }
    // A copy of the icon, as a window keeps one, answers the same.
    QIcon copy = late;
    EXPECT_EQ(copy.pixmap(32).toImage(), now.pixmap(32).toImage());
}

TEST(PngFileIcon, AMissingOrBrokenFileIsANullIcon) {
    EXPECT_TRUE(PngFileIcon("/nonexistent/orvelle.png").isNull());
    std::string broken = (std::filesystem::temp_directory_path() / "orvelle-broken-icon.png").string();
    { std::FILE* f = std::fopen(broken.c_str(), "wb"); std::fputs("not a picture", f); std::fclose(f); }
    QIcon icon = PngFileIcon(QString::fromStdString(broken));
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.pixmap(16).isNull());
    EXPECT_TRUE(icon.availableSizes().isEmpty());
    std::filesystem::remove(broken);
}
