#include "platform/PictureBox.h"

#include "platform/MouseState.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

using namespace orvelle;

namespace {

// The sixteen colours of the marker palette plus black and white.
const VbColor kPalette[] = {255,      128,     33023,   16512,   65535,    32896,   65280,    32768,  16776960,
                            8421376, 16711680, 8388608, 16711935, 8388736, 12632256, 8421504, 0, 0xFFFFFF};

// A month box as the twelve-month view makes it: 2700 x 1920 twips, 7 x 6.75 units.
struct MonthBox : ::testing::Test {
    PictureBox box;
    void SetUp() override {
        box.resize(180, 128);
        box.SetBackColor(kVbWhite);
        box.SetScaleWidth(7);
        box.SetScaleHeight(6.75);
    }
};

void Send(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(MonthBox, FilledBoxReadsBackExactlyItsColourWhileHidden) {
    ASSERT_FALSE(box.isVisible());
    for (size_t i = 0; i < std::size(kPalette); ++i) {
        int c = static_cast<int>(i % 7), r = static_cast<int>(i / 7);
        box.FilledBox(c + 0.1, r + 0.85, c + 0.9, r + 1.65, kPalette[i]);
    }
    for (size_t i = 0; i < std::size(kPalette); ++i) {
        int c = static_cast<int>(i % 7), r = static_cast<int>(i / 7);
        // Every sample the hover search takes across the box's middle finds the exact colour.
        for (double d = -0.2; d <= 0.2001; d += 0.02) {
            EXPECT_EQ(box.Point(c + 0.5 + d, r + 1.25), kPalette[i]) << "colour " << i << " offset " << d;
        }
        EXPECT_EQ(box.Point(c + 0.02, r + 1.25), kVbWhite) << "outside box " << i;
    }
}

TEST_F(MonthBox, PointOutsideThePictureIsMinusOne) {
    EXPECT_EQ(box.Point(-0.01, 1), -1);
    EXPECT_EQ(box.Point(1, -0.01), -1);
    EXPECT_EQ(box.Point(7.0, 1), -1);
    EXPECT_EQ(box.Point(1, 6.75), -1);
    EXPECT_EQ(box.Point(6.99, 6.74), kVbWhite);
}

TEST_F(MonthBox, PrintedTextHasOnlyTheForeColour) {
    box.SetFontName("MS Sans Serif");
    box.SetFontSize(8.25);
    box.SetFontBold(true);
    box.FilledBox(3.1, 1.85, 3.9, 2.65, 8421504); // grey: a blended pixel must not look like it
    box.SetForeColor(255);
    box.SetCurrentX(3.5 - box.TextWidth("28") / 2);
    box.SetCurrentY(2);
    box.Print("28");
    std::set<QRgb> seen;
    const QImage& img = box.Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) seen.insert(img.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(seen, (std::set<QRgb>{0xFFFFFF, 0x808080, 0xFF0000})); // QRgb is 0xRRGGBB
}

TEST_F(MonthBox, TextMeasuresAndPrintPositionFollowTheUserScale) {
    box.SetFontName("Arial");
    EXPECT_EQ(box.CanvasFont().family(), "Liberation Sans");
    EXPECT_EQ(box.FontName(), "Arial");
    double w = box.TextWidth("Wed"), h = box.TextHeight("Wed");
    ASSERT_GT(w, 0.3);
    ASSERT_LT(w, 2.0);
    box.SetScaleWidth(14);
    box.SetScaleHeight(13.5);
    EXPECT_NEAR(box.TextWidth("Wed"), 2 * w, 1e-9);
    EXPECT_NEAR(box.TextHeight("Wed"), 2 * h, 1e-9);
    EXPECT_NEAR(box.TextHeight("a\r\nb"), 4 * h, 1e-9);

    box.SetCurrentX(3);
    box.SetCurrentY(1);
    box.Print("Wed", false);
    EXPECT_NEAR(box.CurrentX(), 3 + 2 * w, 1e-9);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 1);
    box.Print("Wed");
    EXPECT_DOUBLE_EQ(box.CurrentX(), 0);
    EXPECT_NEAR(box.CurrentY(), 1 + 2 * h, 1e-9);
}

TEST_F(MonthBox, LinesClsAndBackColour) {
    box.Line(3, 0, 3, box.ScaleHeight(), kVbBlack);
    EXPECT_EQ(box.Point(3.0, 3), kVbBlack);
    EXPECT_EQ(box.CurrentX(), 3);
    box.Line(0, 0.75, 7, 0.75, 255);
    EXPECT_EQ(box.Point(1.5, 0.75), 255);

    box.SetCurrentX(2);
    box.Cls();
    EXPECT_EQ(box.Point(3.0, 3), kVbWhite);
    EXPECT_EQ(box.CurrentX(), 0);

    box.FilledBox(1, 1, 2, 2, 255);
    box.SetBackColor(65535);
    EXPECT_EQ(box.Point(1.5, 1.5), 65535);

    // A cleared picture takes a new back colour too, and keeps it as it grows; a drawing on it
    // after the clearing is carried along.
    box.Cls();
    box.SetBackColor(255);
    EXPECT_EQ(box.Point(3.0, 3), 255);
    box.FilledBox(1, 1, 2, 2, 32768);
    box.resize(200, 140);
    box.Cls();
    EXPECT_EQ(box.Point(1.5, 1.5), 255);
    EXPECT_EQ(box.Point(6.9, 6.6), 255);
    box.FilledBox(1, 1, 2, 2, 32768);
    box.resize(220, 150);
    box.Point(0, 0);
    EXPECT_EQ(box.Point(1.5, 1.5), 32768);
    EXPECT_EQ(box.Point(6.9, 6.6), 255);
}

TEST_F(MonthBox, ResizingKeepsTheScaleAndThePicture) {
    box.FilledBox(0.1, 0.85, 0.9, 1.65, 32768);
    box.resize(360, 256);
    box.Point(0, 0);
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), 7);
    EXPECT_DOUBLE_EQ(box.ScaleHeight(), 6.75);
    box.FilledBox(6.1, 5.85, 6.9, 6.65, 255); // the new area is drawable
    EXPECT_EQ(box.Point(6.5, 6.25), 255);
    EXPECT_EQ(box.Image().size(), QSize(358, 254)); // inside the one-pixel border
}

TEST_F(MonthBox, MouseEventsArriveInUserUnitsWithButtonAndShift) {
    struct Call {
        std::string what;
        int button, shift;
        double x, y;
    };
    std::vector<Call> calls;
    auto rec = [&](std::string what) {
        return [&calls, what](int b, int s, double x, double y) { calls.push_back({what, b, s, x, y}); };
    };
    box.onMouseDown = rec("down");
    box.onMouseUp = rec("up");
    box.onMouseMove = rec("move");
    box.onDblClick = rec("dbl");
    // Widget pixel (1 + 89, 1 + 63) is the middle of the 178 x 126 drawing area.
    QPointF mid(90, 64);
    Send(&box, QEvent::MouseButtonPress, mid, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    Send(&box, QEvent::MouseMove, mid, Qt::NoButton, Qt::RightButton, Qt::ControlModifier);
    Send(&box, QEvent::MouseButtonRelease, mid, Qt::RightButton, Qt::NoButton);
    Send(&box, QEvent::MouseButtonDblClick, mid, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].what, "down");
    EXPECT_EQ(calls[0].button, kRightButton);
    EXPECT_EQ(calls[0].shift, kShiftMask);
    EXPECT_NEAR(calls[0].x, 3.5, 1e-9);
    EXPECT_NEAR(calls[0].y, 3.375, 1e-9);
    EXPECT_EQ(calls[1].what, "move");
    EXPECT_EQ(calls[1].button, kRightButton);
    EXPECT_EQ(calls[1].shift, kCtrlMask);
    EXPECT_EQ(calls[2].what, "up");
    EXPECT_EQ(calls[3].what, "dbl");
    EXPECT_EQ(calls[3].button, kLeftButton);
}

TEST(PictureBoxTag, HoldsItsText) {
    PictureBox box;
    box.SetTag("2009031");
    EXPECT_EQ(box.Tag(), "2009031");
}

// Pictures made from the reserved memory each keep their own pixels, whatever order the boxes go
// in, and a box of another size still gets a picture of its own.
TEST(PictureReserve, BoxesShareNoPixelsAndOutliveEachOther) {
    // In a window, as the views make them: a box of its own would start at a window's size.
    QWidget window;
    PictureBox::ReservePictures(QSize(178, 126), 3);
    auto boxes = std::vector<std::unique_ptr<PictureBox>>();
    const VbColor colours[] = {255, 32768, 16711680, 65535};
    for (int i = 0; i < 4; ++i) {
        auto box = std::make_unique<PictureBox>(&window);
        box->resize(i == 3 ? 200 : 180, 128);
        box->SetScaleWidth(7);
        box->SetScaleHeight(6.75);
        box->SetBackColor(kVbWhite);
        box->FilledBox(0, 0, 7, 6.75, colours[i]);
        boxes.push_back(std::move(box));
    }
    // The three boxes of the reserved size share its one block.
    EXPECT_EQ(boxes[1]->Image().constBits(), boxes[0]->Image().constBits() + 90112);
    std::set<std::pair<const uchar*, const uchar*>> spans;
    for (int i = 0; i < 4; ++i) {
        const QImage& img = boxes[i]->Image();
        EXPECT_EQ(boxes[i]->Point(0.1, 0.1), colours[i]) << i;
        EXPECT_EQ(boxes[i]->Point(6.9, 6.6), colours[i]) << i;
        for (const auto& [from, to] : spans) EXPECT_TRUE(img.constBits() >= to || img.constBits() + img.sizeInBytes() <= from) << i;
        spans.insert({img.constBits(), img.constBits() + img.sizeInBytes()});
    }
    boxes[1].reset();
    boxes[0]->Cls();
    EXPECT_EQ(boxes[0]->Point(3, 3), kVbWhite);
    EXPECT_EQ(boxes[2]->Point(3, 3), colours[2]);
    boxes[2]->resize(190, 130); // a new picture of its own, the drawing carried over
    EXPECT_EQ(boxes[2]->Point(0.1, 0.1), colours[2]);
}
