#pragma once
// Key preview for a view window: every key pressed anywhere inside the window goes to the
// window's handler first; a key the handler takes is not passed on to the focused control.
#include <QObject>

#include <functional>

class QWidget;

namespace orvelle {

class KeyPreview : public QObject {
    Q_OBJECT
public:
    // handler(keyCode, shift) returns true when it used the key. Key codes are the platform's
    // (37 Left, 39 Right, 27 Esc, 13 Enter); shift as in MouseState.h.
    using Handler = std::function<bool(int keyCode, int shift)>;
    KeyPreview(QWidget* window, Handler handler);
    // Covers controls created after the window was set up.
    void Watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

// The platform key code of a Qt key (0 for keys the views do not use).
int VbKeyCode(int qtKey);

} // namespace orvelle
