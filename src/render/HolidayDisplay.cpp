#include "render/HolidayDisplay.h"

#include "render/CalendarSurfaces.h"
#include "render/DayCellPaint.h"
#include "render/ViewDrawing.h"
#include "store/FileChecks.h"
#include "store/Holidays.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"

#include <algorithm>

namespace orvelle {
namespace {

struct HolidayList {
    int count;
    const std::vector<std::string>& dates;
    const std::vector<std::string>& stamps;
};

int TwoDigitsAt(const std::string& text, size_t at) {
    if (text.size() < at + 2) return -1;
    char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

void Paint(Store& s, const CalendarSurfaces& v, int year, const HolidayList& list, bool sixMonthsOnly) {
    int view = s.flags.gCalendarView;
    if (view != 1 && view != 6 && view != 12) return;
    if (sixMonthsOnly && view != 6) return;
    if (!FileExists(s.gAppPath + "Holidays/", HolidayFileName(year))) return;
    LayerColours colours = LayerColoursOf(s, kHolidayCategory);
    size_t n = std::min({static_cast<size_t>(std::max(list.count, 0)), list.dates.size(), list.stamps.size()});
    for (size_t i = 0; i < n; ++i) {
        const std::string& date = list.dates[i];
        const std::string& stamp = list.stamps[i];
        // The stamp must be this date's cell in the year painted: a list read for another year,
        // or a date the year has no cell for, has nothing to show here.
        if (stamp.empty() || HolidayStampOf(date, year) != stamp) continue;
        int month = TwoDigitsAt(stamp, 0), column = TwoDigitsAt(stamp, 2), row = TwoDigitsAt(stamp, 4);
        int day = TwoDigitsAt(date, 3);
        for (PictureBox* box : BoxesShowing(s, v, year, month)) {
            if (view == 1) {
                PaintMonthDayNumber(*box, column, row, colours.monthText, day, s.view.gShowNumbersOffset);
            } else {
                PaintDayBox(*box, column, row, colours.fill, colours.text, day);
            }
        }
    }
}

} // namespace

void DisplayThisYearsHolidays(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "DisplayThisYearsHolidays", [&] {
        const Holidays& h = s.holidays;
        Paint(s, v, s.view.gThisYear, {h.gThisYearsHolidayCount, h.gThisYearsHolidayDates, h.gThisYearsHolidayStamps},
              false);
    });
}

void DisplayNextYearsHolidays(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "DisplayNextYearsHolidays", [&] {
        const Holidays& h = s.holidays;
        Paint(s, v, s.view.gThisYear + 1,
              {h.gNextYearsHolidayCount, h.gNextYearsHolidayDates, h.gNextYearsHolidayStamps}, true);
    });
}


} // namespace orvelle
