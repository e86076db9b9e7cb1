#include "store/Clock.h"

#include <ctime>

namespace orvelle {

std::optional<Moment>& Clock::Pinned() {
    static std::optional<Moment> pinned;
    return pinned;
}

Moment Clock::Now() {
    if (Pinned()) return *Pinned();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {DateSerial(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday), tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec};
}

void Clock::Set(Moment m) { Pinned() = m; }
void Clock::Reset() { Pinned().reset(); }

} // namespace orvelle
