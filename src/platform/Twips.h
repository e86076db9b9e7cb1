#pragma once
// Window geometry is given in twips: 1440 per logical inch, so 15 per pixel at 96 DPI.
#include <QSize>

#include <optional>

class QWidget;

namespace orvelle {

constexpr double kTwipsPerInch = 1440.0;

// Twips per logical pixel of the primary screen (15 at 96 DPI, also when there is no screen).
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);

// Size of the primary screen in twips; the start-up size and the panel thresholds use it.
double ScreenWidthTwips();
double ScreenHeightTwips();
// Tests pretend a screen of this many pixels; nullopt returns to the real one.
void SetScreenPixelsForTests(std::optional<QSize> pixels);
QSize ScreenPixels();

// Left, Top, Width and Height in twips, as the window designs give them.
void SetGeometryTwips(QWidget* w, double left, double top, double width, double height);
void MoveTwips(QWidget* w, double left, double top);
void ResizeTwips(QWidget* w, double width, double height);

} // namespace orvelle
