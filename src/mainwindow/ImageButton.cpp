#include "mainwindow/ImageButton.h"

#include <QMouseEvent>

namespace orvelle {

ImageButton::ImageButton(QWidget* parent, int pictureSize) : QLabel(parent) {
    setMouseTracking(true);
    setFixedSize(pictureSize + 2, pictureSize + 2);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::SetLook(ButtonLook look, const QPixmap& picture) {
    look_ = look;
    setPixmap(picture);
}

void ImageButton::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    emit MouseDown(e->button());
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e) {
    // A click is a press and a release over the picture, as with any button.
    bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit Clicked();
}

void ImageButton::mouseMoveEvent(QMouseEvent*) { emit MouseMoved(); }

} // namespace orvelle
