#include "store/Marks.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/ListFile.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle {
namespace {

constexpr Color kLargestColor = 0xFFFFFF;

template <class T>
void Reset(YearGrid<T>& grid) {
    for (auto& month : grid)
        for (auto& column : month) column.fill(T{});
}

// A year whose file name and cells make sense.
bool UsableYear(int year) { return year >= 100 && year <= 9999; }

// Flags become the file's; colours and notes start afresh only for another year, so a note kept
// for an unmarked cell survives a redraw of the same year.
void BeginRead(YearMarks m, int year) {
    Reset(m.flags);
    if (m.year != year) {
        Reset(m.colors);
        Reset(m.hovers);
        m.year = year;
    }
    m.lines.clear();
    m.lineCount = 0;
}

// The colour that a hidden category's mark is painted in: 0 (not shown), or the holiday or
// birthday colour when one falls on the date and that category is shown. Marks are painted over
// holidays and birthdays, so the stand-in keeps them visible.
Color HiddenPaintColor(const Store& s, const std::string& dateText, const std::vector<std::string>& holidayDates,
                       int holidayCount) {
    const MarkerCategories& k = s.markers;
    if (k.gMarkerHidden[kHolidayCategory] == 0) {
        for (int i = 0; i < holidayCount && i < static_cast<int>(holidayDates.size()); ++i)
            if (holidayDates[i] == dateText) return k.gMarkerColors[kHolidayCategory];
    }
    if (k.gMarkerHidden[kBirthdayCategory] == 0) {
        const Birthdays& b = s.birthdays;
        std::string monthDay = dateText.substr(0, 5);
        for (int i = 0; i < b.gBirthdayCount && i < static_cast<int>(b.gBirthdays.size()); ++i)
            if (b.gBirthdays[i].MonthDay == monthDay) return k.gMarkerColors[kBirthdayCategory];
    }
    return 0;
}

bool IsHiddenCategoryColor(const Store& s, Color color) {
    for (int i = 0; i < kMarkerCount; ++i)
        if (s.markers.gMarkerHidden[i] == -1 && s.markers.gMarkerColors[i] == color) return true;
    return false;
}

std::vector<MarkPaint> ReadYear(Store& s, const char* procName, YearMarks m, int year,
                                const std::vector<std::string>& holidayDates, int holidayCount) {
    std::vector<MarkPaint> paints;
    if (!UsableYear(year)) {
        m.lines.assign(1, std::string());
        m.lineCount = 0;
        return paints;
    }
    BeginRead(m, year);
    SkippedLines skipped(s, procName, MarksFilePath(s, year));
    auto lines = listfile::ReadIfPresent(s, procName, MarksFilePath(s, year), &skipped);
    if (!lines) {
        m.lines.assign(1, std::string());
        return paints;
    }
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::string& raw = (*lines)[i];
        auto line = ParseMarkLine(raw);
        std::optional<Date> date = line ? DateOfCell(year, line->cell) : std::nullopt;
        if (!line || !date) {
            if (!raw.empty())
                skipped.Skip(i + 1, raw, line ? "no date of the year lies in that cell" : "not month:column:row:colour");
            continue;
        }
        const Cell& c = line->cell;
        m.lines.push_back(line->fields);
        if (line->hasHover) m.hovers[c.month][c.column][c.row] = line->hover;
        m.flags[c.month][c.column][c.row] = -1;
        m.colors[c.month][c.column][c.row] = line->color;

        Color paint = IsHiddenCategoryColor(s, line->color)
                          ? HiddenPaintColor(s, FormatMmDdYy(*date), holidayDates, holidayCount)
                          : line->color;
        GetMarkTextColor(s, paint);
        paints.push_back({c, DayOf(*date), paint, s.markers.gMarkTextColor});
    }
    m.lineCount = static_cast<int>(m.lines.size());
    if (m.lines.empty()) m.lines.assign(1, std::string());
    return paints;
}

bool SaveYear(Store& s, const char* procName, YearMarks m, int year) {
    if (!UsableYear(year) || m.year != year) {
        // Grids of another year (or never read) would overwrite this year's marks.
        LogError(s, procName, kErrWriteFailed,
                 "The marks in memory are not those of " + std::to_string(year) + "; " + MarksFileName(year) +
                     " was left as it was.");
        return false;
    }
    std::string path = MarksFilePath(s, year);
    std::string content = MarksFileContent(m.flags, m.colors, m.hovers);
    if (content.empty()) return RemoveDataFile(s, procName, path);
    return SaveDataFile(s, procName, path, content);
}

} // namespace

YearMarks ThisYearsMarks(Marks& m) {
    return {m.gThisYearsMarkFlags, m.gThisYearsMarkColors, m.gThisYearsHoverTexts,
            m.gThisYearsMarkLines, m.gThisYearsMarkLineCount, m.thisYearsMarksYear};
}

YearMarks NextYearsMarks(Marks& m) {
    return {m.gNextYearsMarkFlags, m.gNextYearsMarkColors, m.gNextYearsHoverTexts,
            m.gNextYearsMarkLines, m.gNextYearsMarkLineCount, m.nextYearsMarksYear};
}

std::string MarksFileName(int year) { return FourDigitYear(year) + "Marks.dat"; }

std::string MarksFilePath(const Store& s, int year) { return s.gAppPath + MarksFileName(year); }

std::optional<MarkLine> ParseMarkLine(std::string_view line) {
    if (line.size() < 10 || line[2] != ':' || line[5] != ':' || line[8] != ':') return std::nullopt;
    auto month = listfile::Digits(line.substr(0, 2));
    auto column = listfile::Digits(line.substr(3, 2));
    auto row = listfile::Digits(line.substr(6, 2));
    if (!month || !column || !row || *month > 11 || *column > 6 || *row > 5) return std::nullopt;
    MarkLine m;
    m.cell = {*month, *column, *row};
    // Only the first "-" after the row separates: the note may hold more.
    size_t dash = line.find('-', 8);
    std::string_view colorText = line.substr(9, dash == std::string_view::npos ? std::string_view::npos : dash - 9);
    auto color = colorText.size() <= 8 ? listfile::Digits(colorText) : std::nullopt;
    if (!color || *color > kLargestColor) return std::nullopt;
    m.color = *color;
    if (dash != std::string_view::npos) {
        m.hasHover = true;
        m.hover = std::string(line.substr(dash + 1));
    }
    m.fields = std::string(line.substr(0, dash));
    return m;
}

std::string MarkLineText(const Cell& cell, Color color, const std::string& hover) {
    std::string line = TwoDigits(cell.month);
    for (int part : {cell.column, cell.row}) {
        line += ':';
        line += TwoDigits(part);
    }
    line += ':';
    line += std::to_string(color);
    if (!hover.empty()) {
        line += '-';
        line += listfile::OneLine(hover);
    }
    return line;
}

size_t LongestHoverNote(const Store& s, int year) {
    size_t longest = LimitsFor(MarksFilePath(s, year)).longestLine;
    // "11:06:05:16777215-": the fields of the widest mark before its note.
    size_t fields = MarkLineText({11, 6, 5}, kLargestColor, "").size() + 1;
    return longest == 0 ? std::string::npos : longest - fields;
}

std::optional<Date> DateOfCell(int year, const Cell& c) {
    if (c.month < 0 || c.month > 11 || c.column < 0 || c.column > 6 || c.row < 0 || c.row > 5) return std::nullopt;
    int firstColumn = Weekday(DateSerial(year, c.month + 1, 1)) - 1;
    int day = c.row * 7 + c.column - firstColumn + 1;
    if (day < 1 || day > DaysInMonth(year, c.month + 1)) return std::nullopt;
    return DateSerial(year, c.month + 1, day);
}

std::string MarksFileContent(const YearGrid<std::int16_t>& flags, const YearGrid<Color>& colors,
                             const YearGrid<std::string>& hovers) {
    std::string out;
    for (int m = 0; m < 12; ++m) {
        for (int c = 0; c < 7; ++c) {
            for (int r = 0; r < 6; ++r) {
                if (flags[m][c][r] == 0) continue;
                if (!out.empty()) out += "\r\n";
                out += MarkLineText({m, c, r}, colors[m][c][r], hovers[m][c][r]);
            }
        }
    }
    return out;
}

bool SaveThisYearsMarks(Store& s) {
    return SaveYear(s, "SaveThisYearsMarks", ThisYearsMarks(s.marks), s.view.gThisYear);
}

bool SaveNextYearsMarks(Store& s) {
    return SaveYear(s, "SaveNextYearsMarks", NextYearsMarks(s.marks), s.view.gThisYear + 1);
}

std::vector<MarkPaint> ReadThisYearsMarks(Store& s) {
    const Holidays& h = s.holidays;
    return ReadYear(s, "ReadAndDisplayThisYearsMarks", ThisYearsMarks(s.marks), s.view.gThisYear,
                    h.gThisYearsHolidayDates, h.gThisYearsHolidayCount);
}

std::vector<MarkPaint> ReadNextYearsMarks(Store& s) {
    const Holidays& h = s.holidays;
    return ReadYear(s, "ReadAndDisplayNextYearsMarks", NextYearsMarks(s.marks), s.view.gThisYear + 1,
                    h.gNextYearsHolidayDates, h.gNextYearsHolidayCount);
}

MarkYear MarkYearOfSelectedDate(const Store& s) {
    int year = YearOf(s.dates.gSelectedDate);
    if (s.view.gThisYear != 0 && year == s.view.gThisYear) return MarkYear::This;
    if (s.flags.gSpansNextYear && year == s.view.gThisYear + 1) return MarkYear::Next;
    return MarkYear::None;
}

YearMarks MarksOf(Store& s, MarkYear which) {
    return which == MarkYear::Next ? NextYearsMarks(s.marks) : ThisYearsMarks(s.marks);
}

int MarkYearNumber(const Store& s, MarkYear which) {
    return which == MarkYear::Next ? s.view.gThisYear + 1 : s.view.gThisYear;
}

} // namespace orvelle
