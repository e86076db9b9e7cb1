#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace orvelle {
namespace {

std::optional<QSize>& ScreenOverride() {
    static std::optional<QSize> size;
    return size;
}

double DpiX() {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

double DpiY() {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double TwipsPerPixelX() { return kTwipsPerInch / DpiX(); }
double TwipsPerPixelY() { return kTwipsPerInch / DpiY(); }

int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }
double PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
double PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }

void SetScreenPixelsForTests(std::optional<QSize> pixels) { ScreenOverride() = pixels; }

QSize ScreenPixels() {
    if (ScreenOverride()) return *ScreenOverride();
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

double ScreenWidthTwips() { return PixelsToTwipsX(ScreenPixels().width()); }
double ScreenHeightTwips() { return PixelsToTwipsY(ScreenPixels().height()); }

void SetGeometryTwips(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height));
}

void MoveTwips(QWidget* w, double left, double top) { w->move(TwipsToPixelsX(left), TwipsToPixelsY(top)); }

void ResizeTwips(QWidget* w, double width, double height) {
    w->resize(TwipsToPixelsX(width), TwipsToPixelsY(height));
}

} // namespace orvelle
