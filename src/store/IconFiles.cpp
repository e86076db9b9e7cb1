#include "store/IconFiles.h"

#include "store/Clock.h"
#include "store/DataFiles.h"
#include "store/DayFile.h"
#include "store/ErrorLog.h"
#include "store/ListFile.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <algorithm>

namespace orvelle {
namespace {

constexpr long kErrMissingFile = 53;

// Whole decimal number made only of digits; nullopt otherwise.
std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}


} // namespace

// ---- Line formats ----------------------------------------------------------------------------

std::optional<IconPlacement> ParseIconPlacement(std::string_view line) {
    if (line.size() < 6 || line[2] != ':') return std::nullopt;
    auto day = Digits(line.substr(0, 2));
    auto pos = Digits(line.substr(3, 2));
    size_t at = line.find("Index:");
    if (!day || !pos || at == std::string_view::npos) return std::nullopt;
    std::string_view rest = line.substr(at + 6);
    auto slot = Digits(rest.substr(0, std::min<size_t>(2, rest.size())));
    if (!slot || rest.size() > 2) return std::nullopt;
    if (*day > 30 || *pos >= kIconPositionsPerDay || *slot >= kIconPaletteSlots) return std::nullopt;
    return IconPlacement{*day, *pos, *slot};
}

std::string FormatIconPlacement(const IconPlacement& p) {
    return TwoDigits(p.day) + ":0" + std::to_string(p.position) + " Index:" + TwoDigits(p.slot);
}

std::optional<IconTag> ParseIconTagLine(std::string_view line) {
    if (line.size() < 4 || line[3] != ':') return std::nullopt;
    auto n = Digits(line.substr(0, 3));
    if (!n || *n >= kIconPictureCount) return std::nullopt;
    return IconTag{*n, std::string(line.substr(4))};
}

std::string FormatIconTagLine(int picture, std::string_view caption) {
    std::string n = std::to_string(picture);
    // A pasted line break would split the line and shift every later slot of the palette.
    return std::string(3 - std::min<size_t>(3, n.size()), '0') + n + ":" + listfile::OneLine(caption);
}

int TemplateDayInMonth(int day0, int year, int month) {
    return std::min(day0, DaysInMonth(year, month) - 1);
}

MonthCells LayOutMonth(int year, int month) {
    MonthCells cells;
    for (auto& col : cells) col.fill(kBlankDateCell);
    Date first = DateSerial(year, month, 1);
    int offset = Weekday(first) - 1;
    for (int d = 0; d < DaysInMonth(year, month); ++d) {
        int i = offset + d;
        cells[i % 7][i / 7] = FormatMmDdYy(first + d);
    }
    return cells;
}

// ---- Paths and the shown month -----------------------------------------------------------------

std::string IconPicturePath(const Store& s, const std::string& pictureNumber) {
    return s.gAppPath + "Images/" + pictureNumber + ".ico";
}

std::string MonthIconFilePath(const Store& s) {
    return YearFolder(s, s.icons.gMonthIconYear) + s.icons.gMonthIconFileName;
}

std::string TemplateFilePath(const Store& s) { return s.gAppPath + "Template.dat"; }

void SetMonthIconFile(Store& s, Date drawn) {
    s.icons.gMonthIconFileName = MonthAbbrev(MonthOf(drawn)) + "_Icons.dat";
    s.icons.gMonthIconYear = YearOf(drawn);
}

void SetTemplateDate(Store& s, int year) { s.icons.gTemplateDate = DateSerial(year, 1, 1); }

Date MonthViewDate(const Store& s) { return s.view.gMonthViewDate ? s.view.gMonthViewDate : s.dates.gSelectedDate; }

Date MonthViewShows(const Store& s) {
    if (s.flags.gTemplateMode)
        return s.icons.gTemplateDate != 0 ? s.icons.gTemplateDate : DateSerial(s.dates.gYear, 1, 1);
    return MonthViewDate(s);
}

namespace {
// The month the icons go on; month 0 when none is known yet.
Ymd IconMonth(const Store& s) {
    Date shown = MonthViewShows(s);
    if (shown == 0) return {s.dates.gYear, s.dates.gMonth, 1};
    return {YearOf(shown), MonthOf(shown), 1};
}
bool Known(const Ymd& m) { return m.year >= 100 && m.month >= 1 && m.month <= 12; }
} // namespace

MonthCells IconMonthCells(const Store& s) {
    Ymd m = IconMonth(s);
    if (!Known(m)) {
        MonthCells blank;
        for (auto& col : blank) col.fill(kBlankDateCell);
        return blank;
    }
    return LayOutMonth(m.year, m.month);
}

// ---- Palette -----------------------------------------------------------------------------------

void ReadIconTags(Store& s) {
    IconFiles& ic = s.icons;
    ic.gIconTagLines.fill({});
    ic.gIconTagNumbers.fill({});
    ic.gIconTagCaptions.fill({});
    ic.gIconTagLast = kIconPaletteSlots - 1;

    std::string path = s.gAppPath + "Icon Tags.dat";
    SkippedLines skipped(s, "ReadIconTags", path);
    auto lines = skipped.ReadLines();
    if (!lines) {
        // A file that is there but cannot be read has been told already.
        if (!PathExists(path)) LogError(s, "ReadIconTags", kErrMissingFile, "File not found: Icon Tags.dat");
        return;
    }
    for (size_t k = 0; k < lines->size(); ++k) {
        const std::string& line = (*lines)[k];
        if (k >= static_cast<size_t>(kIconPaletteSlots)) {
            if (!line.empty()) skipped.Skip(k + 1, line, "beyond slot 95");
            continue;
        }
        // Kept as read so that a save writes back what could not be understood.
        ic.gIconTagLines[k] = line;
        if (line.empty()) continue;
        auto tag = ParseIconTagLine(line);
        if (!tag) {
            skipped.Skip(k + 1, line, "slot " + std::to_string(k) + " left blank");
            continue;
        }
        ic.gIconTagNumbers[k] = std::to_string(tag->picture);
        ic.gIconTagCaptions[k] = tag->caption;
    }
    for (size_t k = 0; k < static_cast<size_t>(kIconPaletteSlots); ++k) {
        if (!ic.gIconTagNumbers[k].empty() && !PathIsFile(IconPicturePath(s, ic.gIconTagNumbers[k]))) {
            AppendToErrorLog(s, "ReadIconTags", kErrMissingFile,
                             "Picture missing for slot " + std::to_string(k) + ": Images/" +
                                 ic.gIconTagNumbers[k] + ".ico");
        }
    }
}

bool SaveIconTags(Store& s) {
    std::vector<std::string> lines(s.icons.gIconTagLines.begin(), s.icons.gIconTagLines.end());
    return SaveDataFile(s, "SaveIconTags", s.gAppPath + "Icon Tags.dat", JoinCrLf(lines));
}

// ---- Placing -----------------------------------------------------------------------------------

void ClearPlacedIcons(Store& s) {
    IconFiles& ic = s.icons;
    for (auto& day : ic.gDayIconSlots) day.fill(0);
    ic.gIconControlsInUse.fill(0);
    ic.gIconControlCount = 0;
    ic.gIconPool.assign(1, IconPoolEntry{});
    ic.gPlacedIcons.clear();
    // A control pressed on the month before is not an icon of this one.
    ic.drag.gPressedIconIndex = -1;
    ic.gMonthIconLineCount = 0;
    ic.gTemplateIconLineCount = 0;
}

namespace {

// Lays the lines of `list` (count n) onto the shown month. A template laid onto a month other
// than itself moves days the month lacks to its last day, and its month copy records where each
// icon really went, so that saving that copy as the month's file keeps every icon.
void PlaceIcons(Store& s, const char* proc, bool fromTemplate, SkippedLines& skipped) {
    IconFiles& ic = s.icons;
    bool templateMode = s.flags.gTemplateMode;
    auto& list = fromTemplate ? ic.gTemplateIconLines : ic.gMonthIconLines;
    int n = fromTemplate ? ic.gTemplateIconLineCount : ic.gMonthIconLineCount;

    ic.gPlacedIcons.assign(static_cast<size_t>(n), PlacedIcon{});
    if (n == 0) {
        ic.gIconControlCount = 0;
        ic.gIconPool.assign(1, IconPoolEntry{});
        return;
    }
    ic.gIconControlCount = n;
    ic.gIconPool.assign(static_cast<size_t>(n), IconPoolEntry{});
    for (int i = 0; i < n; ++i) {
        ic.gIconPool[i].controlIndex = i;
        ic.gIconControlsInUse[i] = -1;
    }
    Ymd m = IconMonth(s);
    if (!Known(m)) {
        AppendToErrorLog(s, proc, kErrBadLine, "No month is shown; icons not placed.");
        return;
    }
    ic.gPlacingIcons = true;
    if (ic.gIconTagLast != kIconPaletteSlots - 1) ReadIconTags(s);

    bool remap = fromTemplate && !templateMode;
    MonthCells cells = LayOutMonth(m.year, m.month);

    for (int k = 0; k < n; ++k) {
        std::string& line = list[k];
        auto skip = [&](const std::string& why) {
            skipped.Skip(static_cast<size_t>(k) + 1, line, why);
            ic.gIconPool[k].freeFlag = -1;
            ic.gMonthIconLines[k].clear();
            // A template laid onto a month keeps its own line; only the month's copy goes.
            if (templateMode || !fromTemplate) line.clear();
        };
        auto p = ParseIconPlacement(line);
        if (!p) {
            skip("Icon line not understood");
            continue;
        }
        if (remap) p->day = TemplateDayInMonth(p->day, m.year, m.month);
        std::string key = TwoDigits(p->day + 1);
        int col = -1, row = -1;
        for (int c = 0; c < 7 && col < 0; ++c)
            for (int r = 0; r < 6; ++r)
                if (!IsBlankDateCell(cells[c][r]) && cells[c][r].compare(3, 2, key) == 0) {
                    col = c;
                    row = r;
                    break;
                }
        if (col < 0) {
            skip("Icon on a day the month lacks");
            continue;
        }
        auto& slots = ic.gDayIconSlots[p->day];
        if (slots[p->position] != 0) {
            auto freePos = std::find(slots.begin(), slots.end(), 0);
            if (freePos == slots.end()) {
                skip("Icon on a full day");
                continue;
            }
            p->position = static_cast<int>(freePos - slots.begin());
        }
        slots[p->position] = -1;

        std::string placed = FormatIconPlacement(*p);
        PlacedIcon& icon = ic.gPlacedIcons[k];
        icon.visible = true;
        icon.column = col;
        icon.row = row;
        icon.left = col + IconFiles::gIconSlotOffsetsX[p->position];
        icon.top = row + IconFiles::gIconOffsetY;
        icon.tag = placed;
        icon.slot = p->slot;
        icon.pictureNumber = ic.gIconTagNumbers[p->slot];
        icon.caption = ic.gIconTagCaptions[p->slot];
        // The list of the mode holds exactly the control's tag, which removal looks for.
        if (templateMode) ic.gTemplateIconLines[k] = placed;
        else ic.gMonthIconLines[k] = placed;
    }
    ic.gPlacingIcons = false;
}

// Appends the file's non-empty lines to `list` from `count` on; lines past the last index are
// logged and dropped.
void AppendLines(SkippedLines& skipped, const std::vector<std::string>& lines,
                 std::array<std::string, kMaxIconPlacements>& list, int& count,
                 std::array<std::string, kMaxIconPlacements>* copy) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        if (count >= kMaxIconPlacements) {
            skipped.Skip(i + 1, line, "more than 124 icon lines");
            continue;
        }
        list[count] = line;
        if (copy) (*copy)[count] = line;
        ++count;
    }
}

} // namespace

void ReadTemplateTags(Store& s) {
    IconFiles& ic = s.icons;
    std::string path = TemplateFilePath(s);
    SkippedLines skipped(s, "ReadTemplateTags", path);
    auto lines = skipped.ReadLines();
    if (!lines) {
        lines.emplace();
        // Only a missing template is made; whatever else stands there is the user's.
        if (!PathExists(path)) WriteFileAtomic(path, "");
    }
    AppendLines(skipped, *lines, ic.gTemplateIconLines, ic.gTemplateIconLineCount, &ic.gMonthIconLines);
    ic.gMonthIconLineCount = ic.gTemplateIconLineCount;
    PlaceIcons(s, "ReadTemplateTags", true, skipped);
}

void Read1MonthIcons(Store& s) {
    IconFiles& ic = s.icons;
    SkippedLines skipped(s, "Read1MonthIcons", MonthIconFilePath(s));
    auto lines = skipped.ReadLines();
    AppendLines(skipped, lines ? *lines : std::vector<std::string>{}, ic.gMonthIconLines, ic.gMonthIconLineCount,
                nullptr);
    PlaceIcons(s, "Read1MonthIcons", false, skipped);
}

namespace {
std::vector<std::string> NonEmpty(const std::array<std::string, kMaxIconPlacements>& list) {
    std::vector<std::string> out;
    for (const auto& l : list)
        if (!l.empty()) out.push_back(l);
    return out;
}
} // namespace

void PlaceUnsavedIcons(Store& s) {
    IconFiles& ic = s.icons;
    bool templ = s.flags.gTemplateMode;
    auto& list = templ ? ic.gTemplateIconLines : ic.gMonthIconLines;
    std::vector<std::string> kept = NonEmpty(list);
    for (auto& line : list) line.clear();
    std::copy(kept.begin(), kept.end(), list.begin());
    (templ ? ic.gTemplateIconLineCount : ic.gMonthIconLineCount) = static_cast<int>(kept.size());
    for (auto& day : ic.gDayIconSlots) day.fill(0);
    // The lines in memory were checked when read or dropped; a fault found now still counts as
    // a skipped line of the file they came from.
    SkippedLines skipped(s, "PlaceUnsavedIcons", templ ? TemplateFilePath(s) : MonthIconFilePath(s));
    PlaceIcons(s, "PlaceUnsavedIcons", templ, skipped);
}

// ---- Saving ------------------------------------------------------------------------------------

bool WriteTemplateIcons(Store& s) {
    std::vector<std::string> lines = NonEmpty(s.icons.gTemplateIconLines);
    if (!SaveDataFile(s, "SaveTemplateIcons", TemplateFilePath(s), JoinCrLf(lines))) return false;
    s.icons.gTemplateIconLineCount = static_cast<int>(lines.size());
    s.flags.gMonthIconsChanged = false;
    s.ui->MsgBox("Template Saved.", MsgButtons::OK, "");
    return true;
}

bool SaveTemplateIcons(Store& s) {
    if (!WriteTemplateIcons(s)) return false;
    s.flags.gTemplateMode = false;
    SelectDate(s, Clock::Today());
    return true;
}

bool Save1MonthIcons(Store& s) {
    if (s.icons.gMonthIconFileName.empty()) {
        LogError(s, "Save1MonthIcons", kErrWriteFailed, "No month is shown.");
        return false;
    }
    std::string folder = YearFolder(s, s.icons.gMonthIconYear);
    if (!MakeFolder(folder)) {
        LogError(s, "Save1MonthIcons", kErrWriteFailed, "Cannot create the folder " + folder);
        return false;
    }
    if (!SaveDataFile(s, "Save1MonthIcons", MonthIconFilePath(s), JoinCrLf(NonEmpty(s.icons.gMonthIconLines))))
        return false;
    s.flags.gMonthIconsChanged = false;
    s.ui->MsgBox("Calendar Saved.", MsgButtons::OK, "");
    return true;
}

} // namespace orvelle
