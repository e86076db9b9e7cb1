#pragma once
// The printed one-month calendar: one page that reproduces the one-month box one to one (7 x
// 6.75 units, so icon positions taken from the view land in the same cells), with a margin of
// half a unit and, below the grid, up to 36 messages in two columns. Positions use the page's
// user scale; fonts keep their point sizes.
#include "platform/Colors.h"
#include "store/Dates.h"

#include <QImage>

#include <string>
#include <vector>

namespace orvelle {

struct Store;
class Canvas;

constexpr int kPrintedMessageLimit = 36;
constexpr int kPrintedMessagesPerColumn = 18;

struct PrintedMessage {
    int day = 0; // 1-31
    std::string text;
    VbColor color = kVbBlack;
};

struct PrintedIcon {
    double left = 0; // month-box units
    double top = 0;
    QImage picture;
};

struct MonthPrintPage {
    Date drawn = 0; // a date of the printed month (January of the template's year in template mode)
    bool templateMode = false;
    std::vector<PrintedMessage> messages; // at most kPrintedMessageLimit are printed
    std::vector<PrintedIcon> icons;
};

// Paints the page on `page`, whose scale it sets: title, weekday heads (not on the template),
// the ruled grid, the bold day numbers, the icons and the messages.
void PaintMonthPage(const Store& s, Canvas& page, const MonthPrintPage& content);

} // namespace orvelle
