#pragma once
// The drawing model shared by picture boxes, window surfaces and the printer: a user scale, a
// current position that printing text advances, a font and a fore colour, lines, boxes and
// text. Until a user scale is set the units are twips of the device.
#include "platform/Colors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QImage;
class QPaintDevice;
class QPainter;

namespace orvelle {

class Canvas {
public:
    Canvas();
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // What is drawn on. A painter kept open by the caller (a print job) is used as it is;
    // otherwise each operation opens its own painter on the device.
    void SetDevice(QPaintDevice* device);
    void SetPainter(QPainter* painter);

    // User scale. Setting a width or height switches from twips to user units.
    void SetScale(double left, double top, double width, double height);
    void SetScaleWidth(double width);
    void SetScaleHeight(double height);
    void SetScaleLeft(double left);
    void SetScaleTop(double top);
    double ScaleWidth() const;
    double ScaleHeight() const;
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    // Back to twips with the origin at the top left.
    void ResetScale();

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // Font names go through MapFont; sizes are points.
    void SetFontName(const QString& name);
    void SetFontSize(double points);
    void SetFontBold(bool bold);
    void SetCanvasFont(const QFont& font);
    QString FontName() const { return fontName_; }
    double FontSize() const { return font_.pointSizeF(); }
    bool FontBold() const { return font_.bold(); }
    const QFont& CanvasFont() const { return font_; }

    VbColor ForeColor() const { return foreColor_; }
    void SetForeColor(VbColor color) { foreColor_ = color; }

    // Text is drawn with its top left at the current position; a tab moves on to the next stop
    // (every 8 average character widths from the text's start). With newLine the position then
    // moves to the scale's left edge one text height lower, else to the end of the text.
    void Print(const QString& text, bool newLine = true);
    // A text with its top left at (x, y) in user units, in its own colour.
    struct PlacedText {
        double x = 0, y = 0;
        QString text;
        VbColor color = kVbBlack;
    };
    // The same as setting the colour and the position and printing each text in turn, drawn in
    // one go: opening the device for each of hundreds of short texts (the day numbers of a
    // year) costs more than drawing them. Afterwards the colour is the last text's, the current
    // position where printing it would have left it.
    void PrintEach(const std::vector<PlacedText>& texts);
    // A line from (x1, y1) to (x2, y2); the current position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<VbColor> color = {});
    // The outline of the box with these corners.
    void Box(double x1, double y1, double x2, double y2, std::optional<VbColor> color = {});
    // The box with these corners filled, outline included, in one colour.
    void FilledBox(double x1, double y1, double x2, double y2, std::optional<VbColor> color = {});
    // A picture stretched into the rectangle (x, y, width, height) in user units.
    void PaintPicture(const QImage& picture, double x, double y, double width, double height);

    double TextWidth(const QString& text) const;
    // Height of the text's lines; an empty text counts as one line.
    double TextHeight(const QString& text = QString()) const;

    // Device pixels <-> user units.
    QPointF ToPixels(double x, double y) const;
    QPointF ToUser(QPointF pixel) const;

    // Text on picture boxes is drawn without antialiasing so that every painted pixel has
    // exactly the fore colour (the hover texts recognise marks by their colour).
    void SetTextAntialiasing(bool on);

protected:
    // Called before every operation; a picture box makes sure its image fits its size here.
    virtual void PrepareDevice() const {}
    // Called after every operation that changed pixels.
    virtual void Changed() {}
    QPaintDevice* Device() const;

private:
    template <class F> void Paint(F&& draw);
    // The device's size in its own pixels and the scale's size, read with one preparation.
    struct Extent {
        double deviceWidth = 0, deviceHeight = 0, scaleWidth = 0, scaleHeight = 0;
    };
    Extent Frame() const;
    QPointF ToPixels(const Extent& e, double x, double y) const;
    // The lines of `text` (line ends made "\n") with the first one's top left at `at`, in pixels.
    void DrawLines(QPainter& p, const QFont& font, const QString& text, QPointF at);
    // A text's advance with the drawing font on the current device (shaped once, see ShapedTexts).
    double Advance(const QString& text) const;
    QRect PixelRect(double x1, double y1, double x2, double y2) const;
    double DeviceWidth() const;
    double DeviceHeight() const;
    double DpiX() const;
    double DpiY() const;
    const QFont& DrawingFont() const;
    // The drawing font's metrics on the current device, kept until the font, the antialiasing
    // or the device's resolution changes: building them is a font look-up on every call.
    const QFontMetricsF& Metrics() const;
    void FontChanged();

    QPaintDevice* device_ = nullptr;
    QPainter* painter_ = nullptr;
    std::optional<double> scaleWidth_, scaleHeight_;
    double scaleLeft_ = 0, scaleTop_ = 0;
    double currentX_ = 0, currentY_ = 0;
    QString fontName_;
    QFont font_;
    VbColor foreColor_ = kVbBlack;
    bool textAntialiasing_ = true;
    mutable std::optional<QFontMetricsF> metrics_;
    mutable std::optional<QFont> drawingFont_;
    mutable QString drawingFontKey_;
    mutable const QPaintDevice* metricsDevice_ = nullptr;
    mutable int metricsDpiX_ = 0, metricsDpiY_ = 0;
};

} // namespace orvelle
