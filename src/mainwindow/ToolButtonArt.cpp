#include "mainwindow/ToolButtonArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace orvelle {
namespace {

constexpr int S = ToolButtonArt::kSize;

const QColor kInk(0x30, 0x30, 0x30);
const QColor kRed(0xc0, 0x30, 0x30);
const QColor kBlue(0x40, 0x60, 0xa0);
const QColor kNavy(0x20, 0x40, 0x80);

// A transparent picture of `size` logical pixels at the screen's pixel ratio, so that the
// drawing lands on whole device pixels on any screen.
QPixmap Blank(int size) {
    qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap p(QSize(size, size) * ratio);
    p.setDevicePixelRatio(ratio);
    p.fill(Qt::transparent);
    return p;
}

void Px(QPainter& g, int x, int y, int w, int h, const QColor& c) { g.fillRect(QRect(x, y, w, h), c); }

// The frame that tells the look: none, raised, sunken or highlighted.
void Frame(QPainter& g, ButtonLook look) {
    const QColor light(Qt::white), shadow(0x80, 0x80, 0x80), dark(0x50, 0x50, 0x50);
    switch (look) {
    case ButtonLook::NoFocus:
        break;
    case ButtonLook::Up:
        Px(g, 0, 0, S, S, QColor(0xf4, 0xf4, 0xf4));
        Px(g, 0, 0, S - 1, 1, light);
        Px(g, 0, 0, 1, S - 1, light);
        Px(g, 0, S - 1, S, 1, shadow);
        Px(g, S - 1, 0, 1, S, shadow);
        break;
    case ButtonLook::Down:
        Px(g, 0, 0, S, S, QColor(0xd6, 0xe4, 0xf5));
        Px(g, 0, 0, S - 1, 1, dark);
        Px(g, 0, 0, 1, S - 1, dark);
        Px(g, 0, S - 1, S, 1, light);
        Px(g, S - 1, 0, 1, S, light);
        break;
    case ButtonLook::Exists:
        Px(g, 0, 0, S, S, QColor(0xff, 0xf0, 0x80));
        g.setPen(QColor(0xc0, 0x90, 0x00));
        g.setBrush(Qt::NoBrush);
        g.drawRect(0, 0, S - 1, S - 1);
        break;
    }
}

// One month: a sheet with a red head band and three weeks of day squares.
void OneMonth(QPainter& g) {
    g.setPen(kInk);
    g.setBrush(Qt::white);
    g.drawRect(3, 3, 13, 13);
    Px(g, 4, 4, 12, 3, kRed);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) Px(g, 5 + c * 3, 8 + r * 3, 2, 2, kBlue);
}

// Several small month sheets, `cols` x `rows`, each `w` x `h` with a red head of `head` rows.
void MonthSheets(QPainter& g, int cols, int rows, int w, int h, int head) {
    int left = (S - (cols * w + cols - 1)) / 2, top = (S - (rows * h + rows - 1)) / 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            int x = left + c * (w + 1), y = top + r * (h + 1);
            Px(g, x, y, w, head, kRed);
            Px(g, x, y + head, w, h - head, kBlue);
        }
    }
}

} // namespace

QPixmap ToolButtonArt::CalendarButton(int index, ButtonLook look) {
    QPixmap p = Blank(S);
    QPainter g(&p);
    Frame(g, look);
    // A pressed button's picture sinks by one pixel.
    if (look == ButtonLook::Down) g.translate(1, 1);
    if (index == 0) OneMonth(g);
    else if (index == 1) MonthSheets(g, 3, 2, 5, 6, 2);
    else MonthSheets(g, 4, 3, 3, 4, 1);
    return p;
}

QPixmap ToolButtonArt::OptionButton(int index, ButtonLook look) {
    QPixmap p = Blank(S);
    QPainter g(&p);
    Frame(g, look);
    if (index == 0) {
        // an arrow forward onto the picked date
        Px(g, 3, 9, 8, 2, kNavy);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(Qt::NoPen);
        g.setBrush(kNavy);
        g.drawPolygon(QPolygonF({QPointF(10, 4.5), QPointF(17, 10), QPointF(10, 15.5)}));
    } else if (index == 1) {
        // a note sheet with ruled lines
        g.setPen(kInk);
        g.setBrush(QColor(0xff, 0xff, 0xd8));
        g.drawRect(4, 2, 11, 15);
        for (int y = 5; y <= 14; y += 3) Px(g, 6, y, 8, 1, kBlue);
    } else {
        // a planner page with hour lines and a clock
        g.setPen(kInk);
        g.setBrush(Qt::white);
        g.drawRect(3, 2, 11, 15);
        for (int y = 5; y <= 14; y += 3) {
            Px(g, 5, y, 2, 1, kRed);
            Px(g, 8, y, 4, 1, kBlue);
        }
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(kNavy, 1.2));
        g.setBrush(QColor(0xe0, 0xf0, 0xff));
        g.drawEllipse(QPointF(14.5, 14.5), 4, 4);
        g.drawLine(QPointF(14.5, 14.5), QPointF(14.5, 12));
        g.drawLine(QPointF(14.5, 14.5), QPointF(16.5, 14.5));
    }
    return p;
}

QPixmap ToolButtonArt::AlertPicture(bool pending) {
    QPixmap p = Blank(kIndicatorSize);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QColor body = pending ? QColor(0xf0, 0xb0, 0x10) : QColor(0xa8, 0xa8, 0xa8);
    g.setPen(QPen(body.darker(160), 1));
    g.setBrush(body);
    // a bell
    QPainterPath bell;
    bell.moveTo(12, 3.5);
    bell.cubicTo(6.5, 3.5, 7.5, 13, 4, 17.5);
    bell.lineTo(20, 17.5);
    bell.cubicTo(16.5, 13, 17.5, 3.5, 12, 3.5);
    g.drawPath(bell);
    g.drawEllipse(QPointF(12, 19.5), 2, 2);
    if (pending) {
        // the red mark of waiting alerts
        g.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
        g.setBrush(QColor(0xe0, 0x20, 0x20));
        g.drawEllipse(QPointF(18.5, 5.5), 3.5, 3.5);
    }
    return p;
}

QPixmap ToolButtonArt::BirthdayPicture(bool pending) {
    QPixmap p = Blank(kIndicatorSize);
    QPainter g(&p);
    QColor cake = pending ? QColor(0xe0, 0x70, 0xb0) : QColor(0xa8, 0xa8, 0xa8);
    QColor icing = pending ? QColor(0xff, 0xf4, 0xf8) : QColor(0xe0, 0xe0, 0xe0);
    // a two-layer cake with three candles
    g.setPen(cake.darker(150));
    g.setBrush(cake);
    g.drawRect(3, 12, 17, 8);
    Px(g, 4, 13, 16, 2, icing);
    Px(g, 4, 17, 16, 1, icing);
    for (int x : {6, 11, 16}) {
        Px(g, x, 7, 2, 5, pending ? QColor(0x40, 0x80, 0xe0) : QColor(0x90, 0x90, 0x90));
        if (pending) {
            g.setRenderHint(QPainter::Antialiasing);
            g.setPen(Qt::NoPen);
            g.setBrush(QColor(0xff, 0xa0, 0x00));
            g.drawEllipse(QPointF(x + 1, 4.5), 1.5, 2.2);
            g.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    return p;
}

} // namespace orvelle
