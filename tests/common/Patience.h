#pragma once
// How long a test waits. A test asserts what the program does, never how fast: the times are in
// bench/. A wait ends as soon as what it waits for has happened, so only a failing test waits
// this long, and a busy machine or a sanitizer build never comes near it.
#include <ctime>

namespace orvelle::test {

// For a window to become active, a box to come up, a file or a printed page to appear.
inline constexpr int kPatienceMs = 30000;

// The most a step guarded against a hang, or against a cost that grows with the square of its
// size, may take: in processor time (WorkClock) where it works, on the wall clock where it
// waits; ten times and more its honest time under a sanitizer on a busy machine.
inline constexpr long kHangGuardMs = 20000;

// The work this thread has done since the clock was made, in milliseconds of its own processor
// time: other programs keeping the machine busy do not add to it, as they add to the wall time.
class WorkClock {
public:
    WorkClock() : start_(Now()) {}
    long ElapsedMs() const { return (Now() - start_) / 1000000; }

private:
    static long long Now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<long long>(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    long long start_;
};

} // namespace orvelle::test
