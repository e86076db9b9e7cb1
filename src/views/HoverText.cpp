#include "views/HoverText.h"

#include "store/Store.h"

#include <algorithm>

namespace orvelle {
namespace {

// The trimmed "mm/dd/yy" of a cell, "" outside the month.
std::string TrimmedCell(const std::string& cell) {
    if (IsBlankDateCell(cell)) return {};
    size_t b = cell.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return cell.substr(b, cell.find_last_not_of(' ') - b + 1);
}

int TwoDigitNumber(std::string_view text, size_t at) {
    char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

} // namespace

int FindMarkCategory(const MarkerCategories& m, const ColourAt& colourAt, float x, float y) {
    for (int i = 0; i < kMarkerCount; ++i) {
        const VbColor want = static_cast<VbColor>(m.gMarkerColors[static_cast<size_t>(i)]);
        // A single-precision step of 0.02 from -0.2 while at most 0.2: 21 offsets.
        for (float d = -0.2f; d <= 0.2f; d += 0.02f) {
            float at = x + d;
            if (colourAt(at, y) == want) return i;
        }
    }
    return -1;
}

std::string TemplateHint(const ColourAt& colourAt, float x, float y) {
    for (float d = -0.2f; d <= 0.2f; d += 0.02f) {
        float at = x + d;
        VbColor c = colourAt(at, y);
        if (c == kTemplateRed) return kHintLastDay;
        if (c == kTemplateGrey) return kHintNoIcons;
    }
    return {};
}

bool StampIsCell(std::string_view stamp, int month, int column, int row) {
    if (stamp.size() != 6) return false;
    int m = TwoDigitNumber(stamp, 0), c = TwoDigitNumber(stamp, 2), r = TwoDigitNumber(stamp, 4);
    return m >= 0 && c >= 0 && r >= 0 && m == month && c == column && r == row;
}

std::optional<std::string> HolidayNameAtCell(const std::vector<std::string>& names,
                                             const std::vector<std::string>& stamps, int count, int month,
                                             int column, int row) {
    size_t n = std::min({static_cast<size_t>(std::max(count, 0)), names.size(), stamps.size()});
    for (size_t k = 0; k < n; ++k) {
        if (StampIsCell(stamps[k], month, column, row)) return names[k];
    }
    return std::nullopt;
}

std::vector<std::string> BirthdayNamesAtCell(const Store& s, const std::vector<std::string>& stamps, int month,
                                             int column, int row) {
    const Birthdays& b = s.birthdays;
    size_t n = std::min({static_cast<size_t>(std::max(b.gBirthdayCount, 0)), b.gBirthdays.size(), stamps.size()});
    std::vector<std::string> names;
    for (size_t i = 0; i < n; ++i) {
        if (StampIsCell(stamps[i], month, column, row)) names.push_back(b.gBirthdays[i].Name);
    }
    return names;
}

std::string AddHolidayToHover(std::string t, const std::string& name) {
    return t.empty() ? "Holiday: " + name : t + ", Holiday: " + name;
}

std::string AddBirthdaysToHover(std::string t, const std::vector<std::string>& names) {
    int n = 0;
    for (const std::string& name : names) {
        if (t == "Birthday") {
            t += ": " + name;
        } else if (n == 0) {
            t = t.empty() ? "Birthday: " + name : t + ", Birthday: " + name;
        } else {
            t += ", " + name;
        }
        ++n;
    }
    return t;
}

HoverOutcome ComposeHover(const Store& s, const HoverRequest& r) {
    HoverOutcome o;
    o.hit = HitTestCell(r.x, r.y);
    const bool six = r.view == HoverView::SixMonths;
    const bool one = r.view == HoverView::OneMonth;
    if (six) o.dateBox = std::string();

    if (one && s.flags.gTemplateMode) {
        o.toolTip = TemplateHint(r.colourAt, r.x, r.y);
        o.templateEnded = true;
        return o;
    }

    const bool next = six && r.nextYear;
    const bool inGrid = o.hit.InGrid() && r.month >= 0 && r.month <= 11;
    const int m = r.month, c = o.hit.column, w = o.hit.row;

    int category = FindMarkCategory(s.markers, r.colourAt, r.x, r.y);
    if (category >= 0) {
        o.toolTip = s.markers.gMarkerCaptions[static_cast<size_t>(category)];
        o.attachHoverNote = true;
        if (inGrid) {
            const std::string& note = (next ? s.marks.gNextYearsHoverTexts : s.marks.gThisYearsHoverTexts)[m][c][w];
            if (!note.empty()) o.toolTip += ": " + note;
        }
    }
    if (o.hit.inHeader) return o;
    // Below the band but outside the grid (dragged out of the box): like a cell outside the month.
    if (!inGrid) {
        if (!one) o.dateBox = std::string();
        return o;
    }

    const auto& dates = next ? s.dates.gNextYearsDateHolders : s.dates.gThisYearsDateHolders;
    const std::string& cell = dates[m][c][w];
    if (IsBlankDateCell(cell)) {
        if (!one) o.dateBox = std::string();
        return o;
    }
    o.dateBox = TrimmedCell(cell);
    if (!six && o.dateBox->empty()) return o;
    if (one) o.dateMenuEnabled = true;

    const Holidays& h = s.holidays;
    if ((one || s.markers.gMarkerHidden[kHolidayCategory] == 0) &&
        (next ? h.gNextYearsHolidayFlags : h.gThisYearsHolidayFlags)[m][c][w] != 0) {
        auto name = next ? HolidayNameAtCell(h.gNextYearsHolidayNames, h.gNextYearsHolidayStamps,
                                             h.gNextYearsHolidayCount, m, c, w)
                         : HolidayNameAtCell(h.gThisYearsHolidayNames, h.gThisYearsHolidayStamps,
                                             h.gThisYearsHolidayCount, m, c, w);
        // A flag left over from another year's list names no holiday.
        if (name) o.toolTip = AddHolidayToHover(o.toolTip, *name);
    }

    const Birthdays& b = s.birthdays;
    if ((one || s.markers.gMarkerHidden[kBirthdayCategory] == 0) &&
        (next ? b.gNextYearsBirthdayCounts : b.gThisYearsBirthdayCounts)[m][c][w] != 0) {
        const auto& stamps = next ? b.gNextYearsBirthdayStamps : b.gThisYearsBirthdayStamps;
        o.toolTip = AddBirthdaysToHover(o.toolTip, BirthdayNamesAtCell(s, stamps, m, c, w));
    }

    if (six && o.dateBox->empty()) return o;
    // Lists that hold another year than the grid's say nothing about this cell.
    const int gridYear = next ? s.dates.nextYearsGridYear : s.dates.thisYearsGridYear;
    const int notesYear = next ? s.notes.nextYearsNotesYear : s.notes.thisYearsNotesYear;
    const int plannerYear = next ? s.planner.nextYearsPlannerYear : s.planner.thisYearsPlannerYear;
    o.noteExists =
        notesYear == gridYear && (next ? s.notes.gNextYearsNoteFlags : s.notes.gThisYearsNoteFlags)[m][c][w] != 0;
    o.plannerExists = plannerYear == gridYear &&
                      (next ? s.planner.gNextYearsPlannerFlags : s.planner.gThisYearsPlannerFlags)[m][c][w] != 0;
    return o;
}

} // namespace orvelle
