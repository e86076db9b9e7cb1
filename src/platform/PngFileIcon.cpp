#include "platform/PngFileIcon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <future>
#include <memory>
#include <optional>

namespace orvelle {
namespace {

// The file is known to be a PNG: read as one, no plugin is asked whether it knows the file.
std::unique_ptr<QImageReader> PngReader(const QString& file) {
    auto reader = std::make_unique<QImageReader>(file, "png");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

// The picture in the form a pixmap keeps a picture with transparency in, converted as making the
// pixmap would convert it: the GUI thread then makes the pixmap without a copy of its own.
QImage Decoded(const QString& file) {
    // The first picture read without its format named (the style's own icons, as the menu bar is
    // made) has every image plugin loaded and asked about it; asked here first, they are loaded
    // on this thread instead of the GUI thread.
    (void)QImageReader(file).format();
    QImage image = PngReader(file)->read();
    if (image.hasAlphaChannel() && image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// Answers as an icon made of the file's one picture would (one size, in the normal mode and off
// state). The picture is decoded beside the window's making, on a thread of its own, and waited
// for by whatever first needs its pixels or its size.
class PngFileIconEngine : public QIconEngine {
public:
    explicit PngFileIconEngine(const QString& file)
        : file_(file), decoded_(std::async(std::launch::async, [file] { return Decoded(file); }).share()) {}
    PngFileIconEngine(const PngFileIconEngine& other)
        : QIconEngine(other), file_(other.file_), decoded_(other.decoded_), icon_(other.icon_), size_(other.size_) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        // At a ratio of 1 the loaded icon applies no screen ratio of its own: the caller has.
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        Loaded();
        QSize actual = size_;
        if (!actual.isNull() && (actual.width() > size.width() || actual.height() > size.height()))
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        Loaded();
        if (mode != QIcon::Normal || state != QIcon::Off || size_.isNull()) return {};
        return {size_};
    }
    bool isNull() override {
        if (icon_) return icon_->isNull();
        // Asked of a window's icon as the window is made: the file's header answers.
        return !PngReader(file_)->canRead();
    }
    QString key() const override { return QStringLiteral("PngFileIconEngine"); }
    QIconEngine* clone() const override { return new PngFileIconEngine(*this); }

private:
    const QIcon& Loaded() {
        if (!icon_) {
            // A pixmap is made on the GUI thread only.
            QImage image = decoded_.get();
            size_ = image.size();
            icon_ = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(std::move(image)));
        }
        return *icon_;
    }

    QString file_;
    std::shared_future<QImage> decoded_;
    std::optional<QIcon> icon_;
    QSize size_;
};

} // namespace

QIcon PngFileIcon(const QString& file) { return QIcon(new PngFileIconEngine(file)); }

} // namespace orvelle
