#pragma once
// Paints the one-month box: the title over the rule at 0.375, the weekday names (not on the
// template), the ruled grid and the day numbers of one month, walking its days with the shared
// walk cursor. The template shows January with the 29th and 30th silver and the 31st red.
#include "platform/Colors.h"
#include "store/Dates.h"

#include <string>

namespace orvelle {

struct Store;
class PictureBox;

constexpr VbColor kTemplateDroppedDayColor = 0xC0C0C0; // 29th and 30th take no template icons
constexpr VbColor kTemplateLastDayColor = 0x0000FF;    // the 31st's icons go to each month's last day

// The colour of day `day` of the drawn month: the template's colours in template mode; in normal
// mode today's number in the "Today's Date" colour (black with the highlight off) when the drawn
// month is today's month, black otherwise.
VbColor MonthDayNumberColor(const Store& s, bool templateMode, Date drawn, int day);

// "March, 2008", or "Monthly Template".
std::string MonthTitle(Date drawn, bool templateMode);

class MonthGridPainter {
public:
    MonthGridPainter(Store& s, PictureBox& box);
    // Title at 10 points in the box's font, weekday names unless template, and the grid lines.
    void DrawTitleHeadsAndRules(Date drawn, bool templateMode);
    // The day numbers of the drawn date's month; leaves the walk cursor on the day after it.
    void DrawDayNumbers(Date drawn, bool templateMode);

private:
    Store& s_;
    PictureBox& box_;
};

} // namespace orvelle
