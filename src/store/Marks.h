#pragma once
// The marks of the calendar cells, per year. Only the mark flags exist so far
// (-1 = marked, 0 = not); the date grids clear them together with the dates.
#include "store/DateModel.h"

#include <cstdint>

namespace orvelle {

struct Marks {
    YearGrid<std::int16_t> gThisYearsMarkFlags{};
    YearGrid<std::int16_t> gNextYearsMarkFlags{};
};

} // namespace orvelle
