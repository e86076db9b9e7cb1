#include "render/MonthPrintPage.h"

#include "platform/Canvas.h"
#include "platform/Cp1252.h"
#include "render/MonthGridPainter.h"
#include "store/Store.h"

#include <algorithm>

namespace orvelle {
namespace {

constexpr double kBoxWidth = 7;
constexpr double kBoxHeight = 6.75;
constexpr double kHeadRule = 0.375;
constexpr double kFirstRowRule = 0.75;
constexpr double kMessagesTop = 7.0;
constexpr double kMessagePitch = 0.17;
constexpr double kSecondColumnX = 3.5;
constexpr double kMessageTab = 0.3;
// The view's icon slot: at most this wide and high, square on the device.
constexpr double kIconWidthUnits = 0.22;
constexpr double kIconHeightUnits = 0.28;

void PrintAt(Canvas& page, double x, double y, const QString& text) {
    page.SetCurrentX(x);
    page.SetCurrentY(y);
    page.Print(text);
}

void PaintHeadsAndGrid(const Store& s, Canvas& page, const MonthPrintPage& c) {
    QString title = FromCp1252(MonthTitle(c.drawn, c.templateMode));
    page.SetFontName("Arial");
    page.SetFontBold(false);
    page.SetFontSize(12);
    page.SetForeColor(kVbBlack);
    // Centred over the grid, which spans 0 to 7.
    PrintAt(page, page.ScaleWidth() / 2 - page.TextWidth(title) / 2 - 0.5, 0.1, title);
    if (!c.templateMode) {
        page.SetFontSize(10);
        for (int i = 0; i < 7; ++i) {
            QString name = FromCp1252(s.view.gDayNames[i]);
            PrintAt(page, i + 0.5 - page.TextWidth(name) / 2, 0.475, name);
        }
    }
    for (int x = 0; x <= 7; ++x) page.Line(x, kHeadRule, x, kBoxHeight, kVbBlack);
    page.Line(0, kHeadRule, kBoxWidth, kHeadRule, kVbBlack);
    for (double y = kFirstRowRule; y <= kBoxHeight + 1e-9; y += 1) page.Line(0, y, kBoxWidth, y, kVbBlack);
}

void PaintDayNumbers(const Store& s, Canvas& page, const MonthPrintPage& c) {
    Ymd d = SplitDate(c.drawn);
    Date walk = DateSerial(d.year, d.month, 1);
    int col = Weekday(walk); // Sunday 1
    int row = 1;
    bool offset = s.view.gShowNumbersOffset;
    page.SetFontBold(true);
    page.SetFontSize(offset ? 10 : 18);
    for (int day = 1; day <= 31 && MonthOf(walk) == d.month; ++day) {
        page.SetForeColor(c.templateMode ? MonthDayNumberColor(s, true, c.drawn, day) : kVbBlack);
        QString number = QString::number(day);
        if (offset) PrintAt(page, col - 1 + 0.05, row - page.TextHeight(number), number);
        else PrintAt(page, col - 0.5 - page.TextWidth(number) / 2, row + 0.05, number);
        if (++col > 7) {
            col = 1;
            ++row;
        }
        ++walk;
    }
    page.SetFontBold(false);
    page.SetForeColor(kVbBlack);
}

void PaintIcons(Canvas& page, const MonthPrintPage& c) {
    if (c.icons.empty()) return;
    // As on the view: square, as large as the slot allows.
    QPointF origin = page.ToPixels(0, 0), corner = page.ToPixels(kIconWidthUnits, kIconHeightUnits);
    double side = std::min(corner.x() - origin.x(), corner.y() - origin.y());
    QPointF size = page.ToUser(origin + QPointF(side, side));
    double w = size.x(), h = size.y();
    for (const PrintedIcon& icon : c.icons) page.PaintPicture(icon.picture, icon.left, icon.top, w, h);
}

void PaintMessages(Canvas& page, const MonthPrintPage& c) {
    page.SetFontName("Arial");
    page.SetFontBold(false);
    page.SetFontSize(9);
    size_t n = std::min(c.messages.size(), static_cast<size_t>(kPrintedMessageLimit));
    for (size_t i = 0; i < n; ++i) {
        int line = static_cast<int>(i) % kPrintedMessagesPerColumn;
        double x = static_cast<int>(i) < kPrintedMessagesPerColumn ? 0 : kSecondColumnX;
        const PrintedMessage& m = c.messages[i];
        double y = kMessagesTop + kMessagePitch * line;
        page.SetForeColor(m.color);
        // The day, then its text at a fixed tab stop.
        PrintAt(page, x, y, QString::number(m.day) + ":");
        PrintAt(page, x + kMessageTab, y, FromCp1252(m.text));
    }
    page.SetForeColor(kVbBlack);
}

} // namespace

void PaintMonthPage(const Store& s, Canvas& page, const MonthPrintPage& content) {
    // One unit of margin around the box across, 4.25 units below it for the messages.
    page.SetScale(-0.5, -0.5, kBoxWidth + 1, kBoxHeight + 4.25);
    PaintHeadsAndGrid(s, page, content);
    PaintDayNumbers(s, page, content);
    PaintIcons(page, content);
    PaintMessages(page, content);
}

} // namespace orvelle
