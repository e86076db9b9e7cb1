#pragma once
// Where the planner page is drawn: the printer, the window's preview overlay, or a recording
// that tests read. Coordinates are page twips; a target maps them to its own device itself, so
// a page stretched to the paper never stretches its fonts.
#include <QFont>
#include <QString>

#include <vector>

namespace orvelle {

class Canvas;

class PlannerDrawTarget {
public:
    virtual ~PlannerDrawTarget() = default;
    // The printer prints fonts at 0.95 of their size and leaves the drawn controls shown.
    virtual bool IsPrinter() const = 0;
    virtual void SetFont(const QFont& font) = 0;
    // Width in page twips of the text in the current font.
    virtual double TextWidth(const QString& text) const = 0;
    // Text with its top left at (x, y).
    virtual void PrintText(double x, double y, const QString& text) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
};

// Keeps every drawing operation; measures with the screen's metrics of the current font.
class RecordingDrawTarget : public PlannerDrawTarget {
public:
    struct Op {
        enum Kind { Text, Line, Box } kind;
        double x1, y1, x2, y2;
        QString text;
        QFont font;
    };
    explicit RecordingDrawTarget(bool printer = false) : printer_(printer) {}

    bool IsPrinter() const override { return printer_; }
    void SetFont(const QFont& font) override { font_ = font; }
    double TextWidth(const QString& text) const override;
    void PrintText(double x, double y, const QString& text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;

    const std::vector<Op>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

protected:
    QFont font_;
    std::vector<Op> ops_;
    bool printer_;
};

// A print job's canvas with its user scale set to the page's design size.
class CanvasDrawTarget : public PlannerDrawTarget {
public:
    explicit CanvasDrawTarget(Canvas& canvas) : c_(canvas) {}
    bool IsPrinter() const override { return true; }
    void SetFont(const QFont& font) override;
    double TextWidth(const QString& text) const override;
    void PrintText(double x, double y, const QString& text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;

private:
    Canvas& c_;
};

} // namespace orvelle
