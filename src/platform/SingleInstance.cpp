#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace orvelle {

SingleInstance::SingleInstance(const std::string& appPath) {
    std::string path = appPath + kLockFileName;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        problem_ = errno == ELOOP ? std::string("it is a link") : std::strerror(errno);
        return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem_ = "it is not a regular file";
        ::close(fd_);
        fd_ = -1;
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere_ = errno == EWOULDBLOCK;
        if (!heldElsewhere_) problem_ = std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    acquired_ = true;
    // The holder's process id, for a person looking at the folder; the lock itself decides.
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] ssize_t n = ::pwrite(fd_, pid.data(), pid.size(), 0);
    }
}

SingleInstance::~SingleInstance() {
    // The file stays: removing it could let two later copies lock two different files.
    if (fd_ >= 0) ::close(fd_);
}

} // namespace orvelle
