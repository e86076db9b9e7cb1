// The icon pictures the build draws into the shipped defaults, read as the windows read them.
#include "store/IconFiles.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QCryptographicHash>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

// The build tree's defaults sit beside the program, one folder above the test programs.
std::string BuiltDefaults() {
    const char* program = std::getenv("ORVELLE_BINARY");
    fs::path root = program ? fs::path(program).parent_path()
                            : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
    return (root / "defaults").string() + "/";
}

} // namespace

TEST(ShippedIcons, EveryPictureReadsBackAsA32PixelIconWithTransparency) {
    std::string defaults = BuiltDefaults();
    ASSERT_TRUE(fs::is_directory(defaults + "Images")) << defaults;
    std::set<QByteArray> seen;
    for (int n = 0; n < kIconPictureCount; ++n) {
        QString path = QString::fromStdString(defaults + "Images/" + std::to_string(n) + ".ico");
        QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(32, 32)) << n;
        ASSERT_TRUE(icon.hasAlphaChannel()) << n;
        // A picture, not a blank: a transparent corner and plenty of coloured pixels.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << n;
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) opaque += qAlpha(icon.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 100) << n;
        QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        QByteArray pixels(reinterpret_cast<const char*>(argb.constBits()), static_cast<int>(argb.sizeInBytes()));
        EXPECT_TRUE(seen.insert(QCryptographicHash::hash(pixels, QCryptographicHash::Md5)).second)
            << "picture " << n << " repeats an earlier one";
    }
}

TEST(ShippedIcons, DefaultPaletteFillsAllSlotsInItsGroupsWithoutErrors) {
    std::string defaults = BuiltDefaults();
    ASSERT_TRUE(fs::is_directory(defaults)) << defaults;
    std::string t = (fs::temp_directory_path() / "orvelle-shipped-XXXXXX").string();
    std::string dir = std::string(mkdtemp(t.data())) + "/";
    fs::copy(defaults, dir, fs::copy_options::recursive);

    Store s(dir);
    ScriptedPrompter prompter;
    s.ui = &prompter;
    ReadIconTags(s);
    EXPECT_TRUE(prompter.Finished());
    EXPECT_FALSE(PathIsFile(dir + "Error.log")) << ReadWholeFile(dir + "Error.log").value_or("");
    for (int k = 0; k < kIconPaletteSlots; ++k) {
        EXPECT_FALSE(s.icons.gIconTagNumbers[k].empty()) << k;
        EXPECT_FALSE(s.icons.gIconTagCaptions[k].empty()) << k;
    }
    EXPECT_EQ(s.icons.gIconTagCaptions[0], "Rent");            // Bills
    EXPECT_EQ(s.icons.gIconTagCaptions[12], "Car");            // Transportation
    EXPECT_EQ(s.icons.gIconTagCaptions[24], "Birthday");       // Miscellaneous
    EXPECT_EQ(s.icons.gIconTagCaptions[25], "Doctor");
    EXPECT_EQ(s.icons.gIconTagCaptions[48], "Star");           // Other
    EXPECT_TRUE(QImage(QString::fromStdString(IconPicturePath(s, s.icons.gIconTagNumbers[24]))).width() == 32);
    fs::remove_all(dir);
}
