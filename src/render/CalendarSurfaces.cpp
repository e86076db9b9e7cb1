#include "render/CalendarSurfaces.h"

#include "platform/PictureBox.h"
#include "store/Dates.h"
#include "store/IconFiles.h"
#include "store/Store.h"

namespace orvelle {

std::string SixMonthTag(int year, int month, int index) {
    return FourDigitYear(year) + TwoDigits(month) + std::to_string(index);
}

std::optional<SixMonthTagParts> ParseSixMonthTag(std::string_view tag) {
    if (tag.size() != 7) return std::nullopt;
    for (char ch : tag) {
        if (ch < '0' || ch > '9') return std::nullopt;
    }
    auto number = [&](size_t at, size_t len) {
        int n = 0;
        for (size_t i = at; i < at + len; ++i) n = n * 10 + (tag[i] - '0');
        return n;
    };
    SixMonthTagParts p{number(0, 4), number(4, 2), number(6, 1)};
    if (p.month < 1 || p.month > 12 || p.index > 5) return std::nullopt;
    return p;
}

std::vector<PictureBox*> BoxesShowing(const Store& s, const CalendarSurfaces& v, int year, int month) {
    std::vector<PictureBox*> out;
    if (month < 0 || month > 11) return out;
    switch (s.flags.gCalendarView) {
    case 1: {
        // The month the box was drawn for, not the selected date's: a note of another month
        // moves that while the view stays. The template's cells are no dates at all.
        Date shown = MonthViewDate(s);
        if (v.month && !s.flags.gTemplateMode && year == YearOf(shown) && month == MonthOf(shown) - 1)
            out.push_back(v.month);
        break;
    }
    case 6:
        for (PictureBox* box : v.sixMonths) {
            if (!box) continue;
            auto tag = ParseSixMonthTag(box->Tag());
            if (tag && tag->year == year && tag->month == month + 1) out.push_back(box);
        }
        break;
    case 12:
        if (v.year[month] && year == s.view.gThisYear) out.push_back(v.year[month]);
        break;
    default:
        break;
    }
    return out;
}

} // namespace orvelle
