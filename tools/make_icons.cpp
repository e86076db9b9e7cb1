// Build-time tool: draws the shipped icon pictures "Images/<n>.ico" (32 x 32) from a colour
// emoji font, checks that the default "Icon Tags.dat" names pictures that exist with the
// captions they were drawn for, and draws the program's own icon (the set's calendar) in the
// sizes of the desktop's icon theme as "<icon folder>/hicolor/<n>x<n>/apps/orvelle.png".
//
//   make_icons <emoji font> <output folder> [<Icon Tags.dat to check> [<icon folder>]]
#include "IconSet.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QDir>

#include <algorithm>
#include <cstdio>

namespace {

using orvelle::iconset::kPictures;

constexpr int kSize = 32;
constexpr int kCanvas = 192;

int Fail(const QString& why) {
    std::fprintf(stderr, "make_icons: %s\n", qPrintable(why));
    return 1;
}

constexpr int kProgramIconPicture = 99; // "Calendar"
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The emoji drawn large, cropped to its visible pixels and scaled into a square of `size` with a
// margin of one pixel in 32, keeping its proportions.
QImage DrawIcon(const QFont& font, std::u32string_view emoji, int size = kSize) {
    QImage big(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setFont(font);
        p.drawText(big.rect(), Qt::AlignCenter,
                   QString::fromUcs4(reinterpret_cast<const char32_t*>(emoji.data()), static_cast<int>(emoji.size())));
    }
    int left = kCanvas, top = kCanvas, right = -1, bottom = -1;
    for (int y = 0; y < kCanvas; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(big.constScanLine(y));
        for (int x = 0; x < kCanvas; ++x)
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0) return {};
    int inner = size - 2 * std::max(1, size / 32);
    QImage glyph = big.copy(left, top, right - left + 1, bottom - top + 1)
                       .scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.drawImage((size - glyph.width()) / 2, (size - glyph.height()) / 2, glyph);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

int CheckIconTags(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return Fail("cannot read " + path);
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.size() != orvelle::iconset::kPaletteSlots)
        return Fail(QString("%1 has %2 lines, not 96").arg(path).arg(lines.size()));
    for (int k = 0; k < lines.size(); ++k) {
        const QByteArray& line = lines[k];
        if (!line.endsWith('\r') || line.size() < 5 || line[3] != ':')
            return Fail(QString("%1 line %2 is not \"nnn:caption\" ended by CR LF").arg(path).arg(k + 1));
        bool ok = false;
        int n = line.left(3).toInt(&ok);
        if (!ok || n < 0 || n >= static_cast<int>(kPictures.size()))
            return Fail(QString("%1 line %2 names no shipped picture").arg(path).arg(k + 1));
        QByteArray caption = line.mid(4, line.size() - 5);
        if (caption != QByteArray(kPictures[n].caption.data(), static_cast<int>(kPictures[n].caption.size())))
            return Fail(QString("%1 line %2: caption differs from picture %3's").arg(path).arg(k + 1).arg(n));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Fail("usage: make_icons <emoji font> <output folder> [<Icon Tags.dat>]");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
    QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) return Fail(QString("cannot load the emoji font ") + argv[1]);
    QFont font(families.first());
    font.setPixelSize(128);
    font.setStyleStrategy(QFont::NoFontMerging); // a missing emoji must fail, not borrow a glyph

    QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath("Images")) return Fail("cannot create " + out.filePath("Images"));
    for (size_t n = 0; n < kPictures.size(); ++n) {
        if (kPictures[n].emoji.empty()) return Fail(QString("picture %1 has no emoji").arg(n));
        QImage icon = DrawIcon(font, kPictures[n].emoji);
        if (icon.isNull()) return Fail(QString("picture %1 drew nothing").arg(n));
        QString path = out.filePath(QString("Images/%1.ico").arg(n));
        QImageWriter writer(path, "ico");
        if (!writer.write(icon)) return Fail("cannot write " + path + ": " + writer.errorString());
        QImage back(path);
        if (back.size() != QSize(kSize, kSize)) return Fail("cannot read back " + path);
    }
    if (argc > 3) {
        if (int rc = CheckIconTags(QString::fromLocal8Bit(argv[3]))) return rc;
    }
    if (argc > 4) {
        QDir icons(QString::fromLocal8Bit(argv[4]));
        if (kPictures[kProgramIconPicture].caption != "Calendar") return Fail("the program icon is not the calendar");
        for (int size : kThemeSizes) {
            QString dir = QString("hicolor/%1x%1/apps").arg(size);
            if (!icons.mkpath(dir)) return Fail("cannot create " + icons.filePath(dir));
            QString path = icons.filePath(dir + "/orvelle.png");
            if (!DrawIcon(font, kPictures[kProgramIconPicture].emoji, size).save(path, "PNG"))
                return Fail("cannot write " + path);
        }
    }
    return 0;
}
