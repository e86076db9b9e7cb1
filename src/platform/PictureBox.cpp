#include "platform/PictureBox.h"

#include "platform/MouseState.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <sys/mman.h>

namespace orvelle {
namespace {

constexpr size_t kPage = 4096;

size_t PictureBytes(QSize size) {
    size_t bytes = static_cast<size_t>(size.width()) * 4 * static_cast<size_t>(size.height());
    return (bytes + kPage - 1) / kPage * kPage;
}

// One block for the pictures ReservePictures asked for, handed out piece by piece. Each picture
// made from it holds the block, which goes when the last of them does. GUI thread only.
struct PictureReserve {
    std::shared_ptr<char> block;
    size_t size = 0;
    size_t used = 0;
};

PictureReserve& Reserve() {
    static PictureReserve reserve;
    return reserve;
}

// `bytes` of the reserve, or null when it has not that much left.
char* TakeReserved(size_t bytes, std::shared_ptr<char>& holder) {
    PictureReserve& r = Reserve();
    if (!r.block) return nullptr;
    if (r.used + bytes > r.size) {
        // Pictures of another size than reserved for: the rest goes with the pictures taken.
        r.block.reset();
        return nullptr;
    }
    char* memory = r.block.get() + r.used;
    r.used += bytes;
    holder = r.block;
    if (r.used == r.size) r.block.reset();
    return memory;
}

// A picture of `size` whose memory is made present in one call: it is written whole at once
// (filled with the back colour), and a page at a time the system would stop at every page of
// it (the twelve-month view alone has a megabyte of pictures to fill before its first paint).
QImage PresentImage(QSize size) {
    size_t bytesPerLine = static_cast<size_t>(size.width()) * 4;
    size_t bytes = PictureBytes(size);
    if (bytes < 4 * kPage) return QImage(size, QImage::Format_RGB32);
    std::shared_ptr<char> holder;
    if (char* memory = TakeReserved(bytes, holder)) {
        return QImage(reinterpret_cast<uchar*>(memory), size.width(), size.height(),
                      static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32,
                      [](void* h) { delete static_cast<std::shared_ptr<char>*>(h); },
                      new std::shared_ptr<char>(std::move(holder)));
    }
#ifdef MADV_POPULATE_WRITE
    if (void* memory = std::aligned_alloc(kPage, bytes)) {
        ::madvise(memory, bytes, MADV_POPULATE_WRITE); // without it the pages come one by one
        return QImage(static_cast<uchar*>(memory), size.width(), size.height(),
                      static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32, [](void* m) { std::free(m); },
                      memory);
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

} // namespace

void PictureBox::ReservePictures(QSize inner, int count) {
    PictureReserve& r = Reserve();
    r.block.reset();
    if (count <= 0 || inner.isEmpty()) return;
    // Whole huge pages, each made present at its first write at once rather than page by page.
    constexpr size_t kHuge = size_t{2} << 20;
    size_t wanted = PictureBytes(inner) * static_cast<size_t>(count);
    size_t span = (wanted + kHuge - 1) / kHuge * kHuge;
    void* raw = ::mmap(nullptr, span + kHuge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return;
    auto* first = static_cast<char*>(raw);
    auto* start = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(first) + kHuge - 1) / kHuge * kHuge);
    if (start > first) ::munmap(first, static_cast<size_t>(start - first));
    if (size_t tail = kHuge - static_cast<size_t>(start - first)) ::munmap(start + span, tail);
#ifdef MADV_HUGEPAGE
    ::madvise(start, span, MADV_HUGEPAGE);
#endif
    r.block = std::shared_ptr<char>(start, [span](char* m) { ::munmap(m, span); });
    r.size = wanted;
    r.used = 0;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetDevice(&image_);
    SetTextAntialiasing(false);
    setContentsMargins(1, 1, 1, 1);
    PrepareDevice();
}

void PictureBox::SetBorderStyle(int style) {
    borderStyle_ = style;
    int m = style == 0 ? 0 : 1;
    setContentsMargins(m, m, m, m);
    update();
}

void PictureBox::PrepareDevice() const {
    // The picture holds the screen's own pixels, so a high-resolution screen shows it crisp.
    qreal ratio = devicePixelRatioF();
    QSize want = (QSizeF(contentsRect().size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (image_.size() == want && image_.devicePixelRatio() == ratio) return;
    QImage next = PresentImage(want);
    next.setDevicePixelRatio(ratio);
    // The picture's resolution follows the screen's, so point sizes match the other controls.
    int dpm = static_cast<int>(std::lround(logicalDpiX() / 0.0254));
    next.setDotsPerMeterX(dpm);
    next.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
    next.fill(ColorFromVb(backColor_));
    // A picture holding only the back colour has nothing to carry over.
    bool carry = !image_.isNull() && !blank_;
    if (carry) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
    blank_ = !carry;
}

void PictureBox::Changed() {
    blank_ = false;
    update();
}

void PictureBox::SetBackColor(VbColor color) {
    if (color != backColor_) blank_ = false;
    backColor_ = color;
    Cls();
}

void PictureBox::Cls() {
    PrepareDevice();
    if (!blank_) image_.fill(ColorFromVb(backColor_));
    blank_ = true;
    SetCurrentX(ScaleLeft());
    SetCurrentY(ScaleTop());
    update();
}

VbColor PictureBox::Point(double x, double y) const {
    QPointF px = ToPixels(x, y);
    if (!std::isfinite(px.x()) || !std::isfinite(px.y())) return -1;
    double ratio = image_.devicePixelRatio();
    double fx = std::floor(px.x() * ratio), fy = std::floor(px.y() * ratio);
    if (fx < 0 || fy < 0 || fx >= image_.width() || fy >= image_.height()) return -1;
    return VbFromColor(QColor(image_.pixel(static_cast<int>(fx), static_cast<int>(fy))));
}

QPointF PictureBox::WidgetToUser(QPointF widgetPos) const {
    return ToUser(widgetPos - QPointF(contentsRect().topLeft()));
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect inner = contentsRect();
    p.fillRect(rect(), ColorFromVb(backColor_));
    double ratio = image_.devicePixelRatio();
    p.drawImage(QRectF(inner), image_, QRectF(0, 0, inner.width() * ratio, inner.height() * ratio));
    if (borderStyle_ != 0) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PrepareDevice();
}

void PictureBox::Fire(const MouseHandler& handler, int button, QMouseEvent* event) {
    if (!handler) return;
    QPointF at = WidgetToUser(event->position());
    handler(button, VbShift(event->modifiers()), at.x(), at.y());
}

void PictureBox::mousePressEvent(QMouseEvent* event) { Fire(onMouseDown, VbButtons(event->button()), event); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) { Fire(onMouseUp, VbButtons(event->button()), event); }

void PictureBox::mouseMoveEvent(QMouseEvent* event) { Fire(onMouseMove, VbButtons(event->buttons()), event); }

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Fire(onDblClick, VbButtons(event->button()), event);
}

} // namespace orvelle
