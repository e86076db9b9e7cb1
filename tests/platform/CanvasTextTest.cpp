// Printed text is shaped once and drawn from the kept shapes; what lands on the pixels must be
// what a fresh layout draws, whatever was drawn before with another font, resolution or
// antialiasing.
#include "platform/Canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextOption>

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

// A picture at `dpi` logical dots per inch; above 200 it stands for a screen of that many at a
// device pixel ratio of 2, whose painter scales every glyph.
QImage Blank(int dpi) {
    double ratio = dpi > 200 ? 2 : 1;
    QImage img(int(520 * ratio), int(120 * ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::white);
    int dpm = qRound(dpi / ratio / 0.0254);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    return img;
}

// The text as a fresh layout draws it, top left at `at` pixels.
QImage Fresh(int dpi, QFont font, bool antialias, const QString& text, QPointF at) {
    QImage img = Blank(dpi);
    if (!antialias) font.setStyleStrategy(QFont::NoAntialias);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(QColor(0, 0, 255));
    QFontMetricsF fm(font, &img);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    p.drawText(QRectF(at, QSizeF(fm.horizontalAdvance(text) + fm.maxWidth() + 1, fm.lineSpacing() * 2)), text, option);
    return img;
}

QImage Printed(int dpi, const QFont& font, bool antialias, const QString& text, QPointF at) {
    QImage img = Blank(dpi);
    Canvas canvas;
    canvas.SetDevice(&img);
    // A unit is a pixel.
    canvas.SetScale(0, 0, img.deviceIndependentSize().width(), img.deviceIndependentSize().height());
    canvas.SetCanvasFont(font);
    canvas.SetTextAntialiasing(antialias);
    canvas.SetForeColor(0xFF0000); // blue, as the colour is stored
    canvas.SetCurrentX(at.x());
    canvas.SetCurrentY(at.y());
    canvas.Print(text, false);
    return img;
}

} // namespace

TEST(CanvasText, PrintDrawsWhatAFreshLayoutDrawsEveryTimeOnEveryDevice) {
    const QString texts[] = {"28", "Sun", "January, 2026", QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC" "5")};
    int compared = 0;
    for (int round = 0; round < 2; ++round) { // the second round draws from the kept shapes
        for (int dpi : {96, 144, 288}) {
            for (bool antialias : {false, true}) {
                for (double points : {8.25, 12.0, 36.0}) {
                    QFont font(QStringLiteral("Liberation Sans"));
                    font.setPointSizeF(points);
                    for (int style = 0; style < 3; ++style) {
                        font.setBold(style == 1);
                        font.setUnderline(style == 2);
                        for (const QString& text : texts) {
                            QPointF at(4.3, 7.6);
                            ASSERT_EQ(Printed(dpi, font, antialias, text, at), Fresh(dpi, font, antialias, text, at))
                                << "round " << round << " dpi " << dpi << " antialias " << antialias << " points "
                                << points << " style " << style << " text " << text.toStdString();
                            ++compared;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(compared, 2 * 3 * 2 * 3 * 3 * 4);
}

TEST(CanvasText, WidthsFollowTheDevicesResolution) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    for (int dpi : {96, 144, 96}) {
        QImage img = Blank(dpi);
        Canvas canvas;
        canvas.SetDevice(&img);
        canvas.SetScale(0, 0, img.deviceIndependentSize().width(), img.deviceIndependentSize().height());
        canvas.SetCanvasFont(font);
        EXPECT_DOUBLE_EQ(canvas.TextWidth("Wednesday"), QFontMetricsF(font, &img).horizontalAdvance("Wednesday"))
            << dpi;
    }
}

// The day numbers of a year view go down together; every pixel, the colour and the position
// afterwards must be what printing them one by one gives, texts with tabs, line ends and
// glyphs from another face among them.
TEST(CanvasText, PrintEachDrawsWhatPrintingTheTextsInTurnDraws) {
    std::vector<Canvas::PlacedText> texts;
    for (int day = 1; day <= 31; ++day) {
        VbColor color = day == 17 ? 0x00FFFF : day == 18 ? 0xFFFFFF : kVbBlack;
        texts.push_back({(day % 7) * 70 + 3.4, (day / 7) * 19 + 2.6, QString::number(day), color});
    }
    texts.push_back({300.2, 90.1, "a\tb", 0x0000FF});
    texts.push_back({400.7, 80.3, "one\r\ntwo", 0x0000FF});
    texts.push_back({10.5, 100.5, QString::fromUtf8("\xE2\x82\xAC \xE2\x86\x92 \xE4\xB8\x80"), 0x0000FF});
    texts.push_back({60.5, 100.5, "", kVbBlack});
    texts.push_back({90.5, 100.5, "30", kVbBlack});
    for (int dpi : {96, 144, 288}) {
        for (bool antialias : {false, true}) {
            for (bool underline : {false, true}) {
                QFont font(QStringLiteral("Liberation Sans"));
                font.setPointSizeF(8.25);
                font.setBold(true);
                font.setUnderline(underline);
                QImage one = Blank(dpi), together = Blank(dpi);
                Canvas byOne, all;
                for (auto [canvas, img] : {std::pair{&byOne, &one}, std::pair{&all, &together}}) {
                    canvas->SetDevice(img);
                    canvas->SetScale(0, 0, img->deviceIndependentSize().width(), img->deviceIndependentSize().height());
                    canvas->SetCanvasFont(font);
                    canvas->SetTextAntialiasing(antialias);
                }
                for (const Canvas::PlacedText& t : texts) {
                    byOne.SetForeColor(t.color);
                    byOne.SetCurrentX(t.x);
                    byOne.SetCurrentY(t.y);
                    byOne.Print(t.text);
                }
                all.PrintEach(texts);
                ASSERT_EQ(together, one) << "dpi " << dpi << " antialias " << antialias << " underline " << underline;
                EXPECT_EQ(all.ForeColor(), byOne.ForeColor());
                EXPECT_DOUBLE_EQ(all.CurrentX(), byOne.CurrentX());
                EXPECT_DOUBLE_EQ(all.CurrentY(), byOne.CurrentY());
            }
        }
    }
}
