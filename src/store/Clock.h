#pragma once
// The program's view of "now". Tests pin it; the program reads the system clock.
#include "store/Dates.h"

#include <optional>

namespace orvelle {

struct Moment {
    Date date = 0;
    int secondsOfDay = 0;
};

class Clock {
public:
    static Moment Now();
    static Date Today() { return Now().date; }
    static int CurrentYear() { return YearOf(Today()); }
    // Fixes the clock for tests; Reset returns to the system clock.
    static void Set(Moment m);
    static void Reset();

private:
    static std::optional<Moment>& Pinned();
};

} // namespace orvelle
