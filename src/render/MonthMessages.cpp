#include "render/MonthMessages.h"

#include "platform/Cp1252.h"
#include "render/ViewDrawing.h"
#include "store/IconFiles.h"
#include "store/Store.h"

#include <optional>

namespace orvelle {

const char* const kTooManyMonthMessages =
    "There are more than 36 assigned messages for the month and only the\r\n"
    "first 36 can be listed. You may wish to hide some of the marks and\r\n"
    "refresh the calendar. Sorry for the inconvenience.";

namespace {

// The whole number of `len` digits at `pos`; nullopt when the text is too short or not digits.
std::optional<long> DigitsAt(const std::string& text, size_t pos, size_t len) {
    if (len == 0 || pos + len > text.size()) return std::nullopt;
    long v = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The day of a "mm/dd/yy" or "mm/dd" text.
std::optional<long> DayOfKey(const std::string& key) { return DigitsAt(key, 3, 2); }

// A mark line "MM:CC:RR:colour" without its note.
struct MarkFields {
    int month = 0, column = 0, row = 0;
    Color color = 0;
};
std::optional<MarkFields> ParseMarkFields(const std::string& line) {
    auto month = DigitsAt(line, 0, 2), column = DigitsAt(line, 3, 2), row = DigitsAt(line, 6, 2);
    if (!month || !column || !row || *month > 11 || *column > 6 || *row > 5) return std::nullopt;
    if (line.size() < 10 || line[2] != ':' || line[5] != ':' || line[8] != ':') return std::nullopt;
    auto color = DigitsAt(line, 9, line.size() - 9);
    if (!color || *color > 0xFFFFFF) return std::nullopt;
    return MarkFields{static_cast<int>(*month), static_cast<int>(*column), static_cast<int>(*row),
                      static_cast<Color>(*color)};
}

// The first shown category of this colour, or -1.
int ShownCategoryOf(const Store& s, Color color) {
    for (int c = 0; c < kMarkerCount; ++c)
        if (s.markers.gMarkerColors[c] == color && s.markers.gMarkerHidden[c] == 0) return c;
    return -1;
}

void AddHoliday(const Store& s, int monthIndex, int day, std::vector<MonthMessage>& out) {
    const Holidays& h = s.holidays;
    size_t n = std::min({static_cast<size_t>(std::max(h.gThisYearsHolidayCount, 0)), h.gThisYearsHolidayStamps.size(),
                         h.gThisYearsHolidayDates.size(), h.gThisYearsHolidayNames.size()});
    for (size_t i = 0; i < n; ++i) {
        auto stampMonth = DigitsAt(h.gThisYearsHolidayStamps[i], 0, 2);
        if (stampMonth != monthIndex || DayOfKey(h.gThisYearsHolidayDates[i]) != day) continue;
        out.push_back({day, s.markers.gMarkerCaptions[kHolidayCategory] + ": " + h.gThisYearsHolidayNames[i],
                       s.markers.gMarkerColors[kHolidayCategory]});
        return;
    }
}

void AddBirthdays(const Store& s, int monthIndex, int day, std::vector<MonthMessage>& out) {
    const Birthdays& b = s.birthdays;
    size_t n = std::min({static_cast<size_t>(std::max(b.gBirthdayCount, 0)), b.gBirthdays.size(),
                         b.gThisYearsBirthdayStamps.size()});
    for (size_t i = 0; i < n; ++i) {
        if (DigitsAt(b.gThisYearsBirthdayStamps[i], 0, 2) != monthIndex) continue;
        if (DayOfKey(b.gBirthdays[i].MonthDay) != day) continue;
        out.push_back({day, s.markers.gMarkerCaptions[kBirthdayCategory] + ": " + b.gBirthdays[i].Name,
                       s.markers.gMarkerColors[kBirthdayCategory]});
    }
}

void AddMarks(const Store& s, int monthIndex, int day, std::vector<MonthMessage>& out) {
    const Marks& mk = s.marks;
    size_t n = std::min(static_cast<size_t>(std::max(mk.gThisYearsMarkLineCount, 0)), mk.gThisYearsMarkLines.size());
    for (size_t i = 0; i < n; ++i) {
        auto f = ParseMarkFields(mk.gThisYearsMarkLines[i]);
        if (!f || f->month != monthIndex) continue;
        int category = ShownCategoryOf(s, f->color);
        if (category < 0) continue;
        const std::string& cell = s.dates.gThisYearsDateHolders[f->month][f->column][f->row];
        if (IsBlankDateCell(cell) || DayOfKey(cell) != day) continue;
        const std::string& hover = mk.gThisYearsHoverTexts[f->month][f->column][f->row];
        std::string text = s.markers.gMarkerCaptions[category];
        if (!hover.empty()) text += ": " + hover;
        out.push_back({day, text, f->color});
    }
}

} // namespace

std::vector<MonthMessage> CollectMonthMessages(const Store& s) {
    std::vector<MonthMessage> out;
    Ymd sel = SplitDate(MonthViewDate(s));
    int monthIndex = sel.month - 1;
    int days = DaysInMonth(sel.year, sel.month);
    for (int d = 1; d <= days; ++d) {
        if (s.markers.gMarkerHidden[kHolidayCategory] == 0) AddHoliday(s, monthIndex, d, out);
        if (s.markers.gMarkerHidden[kBirthdayCategory] == 0) AddBirthdays(s, monthIndex, d, out);
        AddMarks(s, monthIndex, d, out);
    }
    return out;
}

std::string MonthMessageLine(const MonthMessage& m) { return TwoDigits(m.day) + ": " + m.text; }


} // namespace orvelle
