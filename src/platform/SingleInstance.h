#pragma once
// One running copy per data folder. The lock is an advisory lock on "Orvelle.lock" in the data
// folder, held for the life of the process: the system drops it when the process ends in any
// way, so a lock file left behind by a crash is simply taken over. The lock file is opened
// without following a link and must be a regular file: a link planted there must not lead the
// program to truncate some other file.
#include <string>

namespace orvelle {

inline constexpr const char* kLockFileName = "Orvelle.lock";
inline constexpr const char* kAnotherInstanceText = "Another instance of this application is already running.";

class SingleInstance {
public:
    // Tries to take the lock of `appPath` (ending in "/"), which must exist.
    explicit SingleInstance(const std::string& appPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool Acquired() const { return acquired_; }
    // True only when another copy holds the lock; a lock file that cannot be opened at all
    // (a read-only folder) is not taken for another copy.
    bool HeldElsewhere() const { return heldElsewhere_; }
    // Why the lock could not be taken, when it was not and no other copy holds it.
    const std::string& Problem() const { return problem_; }

private:
    int fd_ = -1;
    bool acquired_ = false;
    bool heldElsewhere_ = false;
    std::string problem_;
};

} // namespace orvelle
