#include "views/IconDrag.h"

#include "platform/PictureBox.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>

namespace orvelle {
namespace {

IconDragRunner& Runner() {
    static IconDragRunner runner;
    return runner;
}

class IconDropFilter : public QObject {
public:
    IconDropFilter(PictureBox* box, std::function<void(double, double)> drop)
        : QObject(box), box_(box), drop_(std::move(drop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != box_) return false;
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDropEvent*>(e);
            if (!d->mimeData()->hasFormat(kIconMimeType)) return false;
            d->setDropAction(Qt::MoveAction);
            d->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            if (!d->mimeData()->hasFormat(kIconMimeType)) return false;
            d->setDropAction(Qt::MoveAction);
            d->accept();
            QPointF at = box_->WidgetToUser(d->position());
            drop_(at.x(), at.y());
            return true;
        }
        default: return false;
        }
    }

private:
    PictureBox* box_;
    std::function<void(double, double)> drop_;
};

} // namespace

void RunIconDrag(QWidget* source, const QImage& picture) {
    if (Runner()) {
        Runner()(source, picture);
        return;
    }
    auto* drag = new QDrag(source);
    auto* mime = new QMimeData;
    mime->setData(kIconMimeType, QByteArray("icon"));
    drag->setMimeData(mime);
    if (!picture.isNull()) {
        QPixmap pix = QPixmap::fromImage(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        drag->setPixmap(pix);
        drag->setHotSpot(QPoint(pix.width() / 2, pix.height() / 2));
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void SetIconDragRunner(IconDragRunner runner) { Runner() = std::move(runner); }

void AcceptIconDrops(PictureBox* box, std::function<void(double x, double y)> drop) {
    box->setAcceptDrops(true);
    box->installEventFilter(new IconDropFilter(box, std::move(drop)));
}

} // namespace orvelle
