#pragma once
// What hovering over a day cell of a calendar view tells: the mark found by the colours painted
// around the pointer, the mark's hover note, the date's holiday and birthdays, and what the move
// does to the main window's date box, date menu, mark commands and note and planner buttons.
// Pure functions of the store, the cell and the box's painted colours, so that every rule can be
// checked without a window.
#include "platform/Colors.h"
#include "views/GridHitTest.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;
struct MarkerCategories;

enum class HoverView { OneMonth, SixMonths, Year };

// The colour painted at a point of the month box (user units), -1 outside it.
using ColourAt = std::function<VbColor(double x, double y)>;

inline constexpr const char* kHintLastDay = "31 signifies the last day of any month.";
inline constexpr const char* kHintNoIcons = "Icons cannot be saved to this day.";
// The colours the template prints the day numbers 31 and 29-30 in.
inline constexpr VbColor kTemplateRed = 255;
inline constexpr VbColor kTemplateGrey = 12632256;

// The category whose colour is painted within 0.2 units left or right of the pointer, at the
// pointer's height; -1 when none. Categories are tried in index order, each at all 21 offsets,
// so a lower index wins even when a higher one lies nearer the pointer.
int FindMarkCategory(const MarkerCategories& m, const ColourAt& colourAt, float x, float y);

// The template's hint for the day number under the pointer, or "". The points from 0.2 units
// left of the pointer to 0.2 right are examined in that order (the numbers are thin strokes);
// the first red or grey point decides.
std::string TemplateHint(const ColourAt& colourAt, float x, float y);

// Whether a "MMCCRR" stamp names the cell; an empty or non-numeric stamp names none.
bool StampIsCell(std::string_view stamp, int month, int column, int row);

// The name of the first holiday whose stamp is the cell, in list order.
std::optional<std::string> HolidayNameAtCell(const std::vector<std::string>& names,
                                             const std::vector<std::string>& stamps, int count, int month,
                                             int column, int row);
// The names of every birthday whose stamp is the cell, in list order.
std::vector<std::string> BirthdayNamesAtCell(const Store& s, const std::vector<std::string>& stamps, int month,
                                             int column, int row);

// T with the holiday appended: "Holiday: New Year" or "<T>, Holiday: New Year".
std::string AddHolidayToHover(std::string t, const std::string& name);
// T with the birthdays appended: behind a bare "Birthday" caption the names follow ": ";
// otherwise "Birthday: " starts them; further names follow ", ".
std::string AddBirthdaysToHover(std::string t, const std::vector<std::string>& names);

struct HoverRequest {
    HoverView view = HoverView::Year;
    int month = 0;         // month index 0-11 of the box
    bool nextYear = false; // a six-month box of the year after gViewYear
    float x = 0;
    float y = 0;
    ColourAt colourAt;
};

struct HoverOutcome {
    GridHit hit;
    std::string toolTip;
    bool attachHoverNote = false;
    // The one-month template showed its hint (or none): the move is not remembered.
    bool templateEnded = false;
    // What the move leaves in the date box; nullopt leaves the box alone.
    std::optional<std::string> dateBox;
    // One-month view over a date: the date menu is offered.
    bool dateMenuEnabled = false;
    // Whether the date has a note and a planner page; nullopt leaves the buttons alone.
    std::optional<bool> noteExists;
    std::optional<bool> plannerExists;
};

// One handled move over a month box. A cell outside the 7 x 6 grid (the header band, a drag out
// of the box) indexes no grid: it ends like a cell outside the month.
HoverOutcome ComposeHover(const Store& s, const HoverRequest& r);

} // namespace orvelle
