// The picture loader opens only regular files of a sane size.
#include "views/MonthIconControls.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(IconPictures, APipeNamedLikeAPictureIsNoPictureAndDoesNotHang) {
    QTemporaryDir tmp;
    orvelle::Store s(tmp.path().toStdString());
    ASSERT_TRUE(orvelle::MakeFolder(s.gAppPath + "Images"));
    ASSERT_EQ(mkfifo((s.gAppPath + "Images/7.ico").c_str(), 0644), 0);
    EXPECT_TRUE(orvelle::LoadIconPicture(s, "7").isNull());
    EXPECT_TRUE(orvelle::LoadIconPicture(s, "8").isNull());
}
