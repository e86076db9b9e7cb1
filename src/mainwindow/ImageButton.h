#pragma once
// A frameless picture that acts as a button: it reports presses, clicks and mouse moves, and
// remembers which look (picture) it shows so that callers and tests can read it back.
#include "mainwindow/ToolButtonArt.h"

#include <QLabel>

namespace orvelle {

class ImageButton : public QLabel {
    Q_OBJECT
public:
    // `pictureSize`: the side of the square pictures it shows, in pixels.
    explicit ImageButton(QWidget* parent = nullptr, int pictureSize = ToolButtonArt::kSize);

    void SetLook(ButtonLook look, const QPixmap& picture);
    // Tab reaches it, and Space or Enter on it acts as a click of the left button (a press, then
    // the click); a click of the mouse still leaves the keyboard where it was.
    void TakeKeyboard(const QString& name);
    ButtonLook Look() const { return look_; }

signals:
    void MouseDown(Qt::MouseButton button);
    void Clicked();
    void MouseMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    ButtonLook look_ = ButtonLook::NoFocus;
    bool pressed_ = false;
};

} // namespace orvelle
