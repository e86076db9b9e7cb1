#include "mainwindow/ToolButtonArt.h"

#include <QPainter>
#include <QPainterPath>

namespace orvelle {
namespace {

constexpr int S = ToolButtonArt::kSize;

QPixmap Blank() {
    QPixmap p(S, S);
    p.fill(Qt::transparent);
    return p;
}

// The frame that tells the look: none, raised, sunken or highlighted.
void Frame(QPainter& g, ButtonLook look) {
    QRect r(0, 0, S - 1, S - 1);
    switch (look) {
    case ButtonLook::NoFocus:
        break;
    case ButtonLook::Up:
        g.fillRect(r, QColor(0xf4, 0xf4, 0xf4));
        g.setPen(Qt::white);
        g.drawLine(r.topLeft(), r.topRight());
        g.drawLine(r.topLeft(), r.bottomLeft());
        g.setPen(QColor(0x80, 0x80, 0x80));
        g.drawLine(r.bottomLeft(), r.bottomRight());
        g.drawLine(r.topRight(), r.bottomRight());
        break;
    case ButtonLook::Down:
        g.fillRect(r, QColor(0xd6, 0xe4, 0xf5));
        g.setPen(QColor(0x60, 0x60, 0x60));
        g.drawLine(r.topLeft(), r.topRight());
        g.drawLine(r.topLeft(), r.bottomLeft());
        g.setPen(Qt::white);
        g.drawLine(r.bottomLeft(), r.bottomRight());
        g.drawLine(r.topRight(), r.bottomRight());
        break;
    case ButtonLook::Exists:
        g.fillRect(r, QColor(0xff, 0xf0, 0x80));
        g.setPen(QColor(0xc0, 0x90, 0x00));
        g.drawRect(r);
        break;
    }
}

// A small calendar sheet with `cols` x `rows` month squares.
void CalendarSheet(QPainter& g, int cols, int rows) {
    QRect sheet(3, 4, S - 7, S - 8);
    g.setPen(QColor(0x30, 0x30, 0x30));
    g.setBrush(Qt::white);
    g.drawRect(sheet);
    g.fillRect(QRect(sheet.left() + 1, sheet.top() + 1, sheet.width() - 1, 3), QColor(0xc0, 0x30, 0x30));
    QRect body(sheet.left() + 2, sheet.top() + 5, sheet.width() - 3, sheet.height() - 6);
    double cw = body.width() / double(cols), rh = body.height() / double(rows);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x40, 0x60, 0xa0));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.drawRect(QRectF(body.left() + c * cw + 0.5, body.top() + r * rh + 0.5, cw - 1.2, rh - 1.2));
}

} // namespace

QPixmap ToolButtonArt::CalendarButton(int index, ButtonLook look) {
    QPixmap p = Blank();
    QPainter g(&p);
    Frame(g, look);
    if (index == 0) CalendarSheet(g, 1, 1);
    else if (index == 1) CalendarSheet(g, 3, 2);
    else CalendarSheet(g, 4, 3);
    return p;
}

QPixmap ToolButtonArt::OptionButton(int index, ButtonLook look) {
    QPixmap p = Blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    Frame(g, look);
    QPen pen(QColor(0x20, 0x40, 0x80), 1.6);
    g.setPen(pen);
    if (index == 0) {
        // a forward arrow onto a date
        QPainterPath a;
        a.moveTo(4, 11);
        a.lineTo(14, 11);
        g.drawPath(a);
        g.setBrush(QColor(0x20, 0x40, 0x80));
        QPolygonF head({QPointF(12, 6.5), QPointF(18, 11), QPointF(12, 15.5)});
        g.drawPolygon(head);
    } else if (index == 1) {
        // a note sheet with lines
        g.setBrush(QColor(0xff, 0xff, 0xe0));
        g.drawRect(QRectF(5, 3, 12, 16));
        for (int y = 7; y <= 15; y += 3) g.drawLine(QPointF(7, y), QPointF(15, y));
    } else {
        // a planner page with a clock corner
        g.setBrush(Qt::white);
        g.drawRect(QRectF(4, 3, 13, 16));
        for (int y = 7; y <= 16; y += 3) g.drawLine(QPointF(6, y), QPointF(11, y));
        g.setBrush(QColor(0xe0, 0xf0, 0xff));
        g.drawEllipse(QPointF(14.5, 14.5), 4, 4);
        g.drawLine(QPointF(14.5, 14.5), QPointF(14.5, 12));
        g.drawLine(QPointF(14.5, 14.5), QPointF(16.5, 14.5));
    }
    return p;
}

QPixmap ToolButtonArt::AlertPicture(bool pending) {
    QPixmap p = Blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QColor c = pending ? QColor(0xd0, 0x20, 0x20) : QColor(0x90, 0x90, 0x90);
    g.setPen(QPen(c.darker(130), 1.2));
    g.setBrush(c);
    QPainterPath bell;
    bell.moveTo(11, 3);
    bell.cubicTo(5, 3, 6, 12, 3, 16);
    bell.lineTo(19, 16);
    bell.cubicTo(16, 12, 17, 3, 11, 3);
    g.drawPath(bell);
    g.drawEllipse(QPointF(11, 18), 2, 2);
    return p;
}

QPixmap ToolButtonArt::BirthdayPicture(bool pending) {
    QPixmap p = Blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QColor c = pending ? QColor(0xd0, 0x50, 0xa0) : QColor(0x90, 0x90, 0x90);
    g.setPen(QPen(c.darker(130), 1.2));
    g.setBrush(c);
    g.drawRect(QRectF(4, 11, 14, 8));
    g.setBrush(pending ? QColor(0xff, 0xc0, 0x20) : QColor(0xb0, 0xb0, 0xb0));
    for (int x : {7, 11, 15}) {
        g.drawLine(QPointF(x, 11), QPointF(x, 7));
        g.drawEllipse(QPointF(x, 5.5), 1.2, 1.8);
    }
    return p;
}

} // namespace orvelle
