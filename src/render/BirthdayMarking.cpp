#include "render/BirthdayMarking.h"

#include "render/CalendarSurfaces.h"
#include "render/DayCellPaint.h"
#include "render/ViewDrawing.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"

#include <algorithm>

namespace orvelle {
namespace {

int TwoDigitsAt(const std::string& text, size_t at) {
    if (text.size() < at + 2) return -1;
    char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

struct BirthdayYear {
    const YearGrid<std::string>& grid;
    int gridYear;
    YearGrid<std::int16_t>& flags;
    std::vector<std::string>& stamps;
};

void Mark(Store& s, const CalendarSurfaces& v, BirthdayYear year) {
    const Birthdays& b = s.birthdays;
    size_t count = std::min(static_cast<size_t>(std::max(b.gBirthdayCount, 0)), b.gBirthdays.size());
    std::vector<BirthdayRecord> listed(b.gBirthdays.begin(), b.gBirthdays.begin() + static_cast<long>(count));
    year.stamps = LocateBirthdays(year.grid, listed, year.flags);
    if (listed.empty()) return;

    LayerColours colours = LayerColoursOf(s, kBirthdayCategory);
    int view = s.flags.gCalendarView;
    for (size_t i = 0; i < listed.size(); ++i) {
        const std::string& stamp = year.stamps[i];
        if (stamp.empty()) continue;
        int month = TwoDigitsAt(stamp, 0), column = TwoDigitsAt(stamp, 2), row = TwoDigitsAt(stamp, 4);
        int day = TwoDigitsAt(listed[i].MonthDay, 3);
        // The grid's own year decides which boxes show the cell.
        for (PictureBox* box : BoxesShowing(s, v, year.gridYear, month)) {
            if (view == 1) {
                PaintMonthDayNumber(*box, column, row, colours.monthText, day, s.view.gShowNumbersOffset);
            } else {
                PaintDayBox(*box, column, row, colours.fill, colours.text, day);
            }
        }
    }
}

} // namespace

std::vector<std::string> LocateBirthdays(const YearGrid<std::string>& grid, const std::vector<BirthdayRecord>& birthdays,
                                         YearGrid<std::int16_t>& flags) {
    flags = {};
    std::vector<std::string> stamps(birthdays.size());
    for (size_t i = 0; i < birthdays.size(); ++i) {
        const std::string& monthDay = birthdays[i].MonthDay;
        if (monthDay.size() != 5) continue;
        bool found = false;
        for (int m = 0; m < 12 && !found; ++m) {
            for (int c = 0; c < 7 && !found; ++c) {
                for (int r = 0; r < 6 && !found; ++r) {
                    const std::string& cell = grid[m][c][r];
                    if (IsBlankDateCell(cell) || cell.compare(0, 5, monthDay) != 0) continue;
                    flags[m][c][r] = -1;
                    stamps[i] = TwoDigits(m) + TwoDigits(c) + TwoDigits(r);
                    found = true;
                }
            }
        }
    }
    return stamps;
}

void ReadAndMarkBirthdays(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReadAndMarkBirthdays", [&] {
        Mark(s, v,
             {s.dates.gThisYearsDateHolders, s.dates.thisYearsGridYear, s.birthdays.gThisYearsBirthdayCounts,
              s.birthdays.gThisYearsBirthdayStamps});
    });
}

void ReadAndMarkNextYearsBirthdays(Store& s, const CalendarSurfaces& v) {
    Guarded(s, "ReadAndMarkNextYearsBirthdays", [&] {
        Mark(s, v,
             {s.dates.gNextYearsDateHolders, s.dates.nextYearsGridYear, s.birthdays.gNextYearsBirthdayCounts,
              s.birthdays.gNextYearsBirthdayStamps});
    });
}


} // namespace orvelle
