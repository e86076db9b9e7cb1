#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "platform/QtDates.h"
#include "platform/Twips.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace orvelle;

TEST(Colors, LowByteIsRed) {
    EXPECT_EQ(ColorFromVb(255), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromVb(16512), QColor(128, 64, 0)); // brown
    EXPECT_EQ(VbFromColor(QColor(0, 255, 255)), 16776960);
    EXPECT_EQ(VbFromColor(QColor(128, 128, 128, 10)), 8421504);
    for (VbColor c : {0L, 0xFFFFFFL, 8388736L, 12632256L, 0x123456L}) EXPECT_EQ(VbFromColor(ColorFromVb(c)), c);
    EXPECT_EQ(VbRgb(255, 128, 0), 33023);
}

TEST(Fonts, WindowsFacesMapToLiberation) {
    EXPECT_EQ(MapFont("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(MapFont("arial"), "Liberation Sans");
    EXPECT_EQ(MapFont("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(MapFont("Courier New"), "Courier New");
    QFont f = MakeFont("MS Sans Serif", 8.25, true);
    EXPECT_EQ(f.family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 8.25);
    EXPECT_TRUE(f.bold());
}

TEST(Twips, FourteenFortyPerLogicalInch) {
    QWidget w;
    double perPixel = 1440.0 / w.logicalDpiX();
    EXPECT_DOUBLE_EQ(TwipsPerPixelX(), perPixel);
    EXPECT_EQ(TwipsToPixelsX(9000), qRound(9000 / perPixel));
    SetGeometryTwips(&w, 840, 120, 9000, 7200);
    EXPECT_EQ(w.geometry(), QRect(TwipsToPixelsX(840), TwipsToPixelsY(120), TwipsToPixelsX(9000), TwipsToPixelsY(7200)));
}

TEST(Twips, TestsCanSetTheScreenSize) {
    SetScreenPixelsForTests(QSize(1024, 768));
    EXPECT_DOUBLE_EQ(ScreenWidthTwips(), 1024 * TwipsPerPixelX());
    EXPECT_DOUBLE_EQ(ScreenHeightTwips(), 768 * TwipsPerPixelY());
    SetScreenPixelsForTests(QSize(1023, 768));
    EXPECT_EQ(ScreenPixels(), QSize(1023, 768));
    SetScreenPixelsForTests(std::nullopt);
    EXPECT_NE(ScreenPixels(), QSize(1023, 768));
}

TEST(QtDates, SerialsAndQDatesAgree) {
    EXPECT_EQ(ToQDate(0), QDate(1899, 12, 30));
    EXPECT_EQ(ToQDate(DateSerial(2009, 3, 5)), QDate(2009, 3, 5));
    EXPECT_EQ(FromQDate(QDate(2008, 2, 29)), DateSerial(2008, 2, 29));
    EXPECT_EQ(FromQDate(QDate()), 0);
}
