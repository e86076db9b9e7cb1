#pragma once
// The month boxes of the loaded view windows as the painted layers (holidays, birthdays, marks)
// see them, and which of them shows a given month of a given year. A layer paints an entry only
// into a box of the entry's own year, whatever date was picked since the view was drawn.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;
class PictureBox;

struct CalendarSurfaces {
    PictureBox* month = nullptr;            // the one-month view's box
    std::array<PictureBox*, 6> sixMonths{}; // the six-month view's boxes, each with its tag
    std::array<PictureBox*, 12> year{};     // the twelve-month view's boxes, by month index
};

// A six-month box's tag: four-digit year, two-digit month and the box index ("2010015").
std::string SixMonthTag(int year, int month, int index);
struct SixMonthTagParts {
    int year = 0;
    int month = 0; // 1-12
    int index = 0;
};
std::optional<SixMonthTagParts> ParseSixMonthTag(std::string_view tag);

// The boxes of the open view (gCalendarView) that show month index `month` (0-11) of `year`:
// the twelve-month box of that month when the view's year (gThisYear) is `year`, the one-month
// box when it was drawn for that month (none in template mode), the six-month boxes whose tag
// names that year and month; none while the planner has replaced the view.
std::vector<PictureBox*> BoxesShowing(const Store& s, const CalendarSurfaces& v, int year, int month);

} // namespace orvelle
