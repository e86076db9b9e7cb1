#include "mainwindow/ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

void ImageButton::TakeKeyboard(const QString& name) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
}

void ImageButton::keyPressEvent(QKeyEvent* e) {
    bool press = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!press || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLabel::keyPressEvent(e);
        return;
    }
    e->accept();
    // A held key presses once.
    if (e->isAutoRepeat()) return;
    emit MouseDown(Qt::LeftButton);
    emit Clicked();
}

void ImageButton::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect o;
    o.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
}

} // namespace orvelle
