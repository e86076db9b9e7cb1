#pragma once
// A picture box: a widget that keeps what is drawn on it in its own image, so drawing works
// while it is hidden or off screen and the painted colours can be read back with Point.
// Drawing goes through the Canvas operations in the box's user scale (e.g. 7 x 6.75).
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

namespace orvelle {

class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // One block of memory for the pictures of `count` boxes whose inner area is `inner` pixels,
    // in whole huge pages: the first write to each page of fresh memory is what a picture costs
    // most (on a virtual machine above all), and a huge page is made present at once. The boxes
    // made next take their pictures from it while it lasts.
    static void ReservePictures(QSize inner, int count);

    // Mouse events in user units; button and shift as in MouseState.h. A move reports every
    // button held. The second press of a double click reports DblClick, not MouseDown.
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;
    MouseHandler onDblClick;

    VbColor BackColor() const { return backColor_; }
    // Like the original control, a new back colour clears the picture.
    void SetBackColor(VbColor color);
    // Clears the picture to the back colour and moves the current position to the top left.
    void Cls();

    // The colour of the painted pixel under (x, y) in user units, or -1 outside the picture.
    VbColor Point(double x, double y) const;

    const std::string& Tag() const { return tag_; }
    void SetTag(std::string tag) { tag_ = std::move(tag); }

    // 0 none, 1 a one-pixel frame around the drawing area.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    // The retained picture (its size follows the box's inner area).
    const QImage& Image() const { return image_; }

    // Widget pixels (relative to the box) to user units.
    QPointF WidgetToUser(QPointF widgetPos) const;

protected:
    void PrepareDevice() const override;
    void Changed() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Fire(const MouseHandler& handler, int button, QMouseEvent* event);

    // Follows the widget's inner size lazily, so boxes sized while hidden draw at their size.
    mutable QImage image_;
    // The picture holds nothing but the back colour (filled, not drawn on since).
    mutable bool blank_ = false;
    VbColor backColor_ = kVbWhite;
    std::string tag_;
    int borderStyle_ = 1;
};

} // namespace orvelle
