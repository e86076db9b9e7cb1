#include "store/ErrorLog.h"

#include "store/Clock.h"
#include "store/Store.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelle {

std::string ErrorEntryText(const std::string& procName, long number, const std::string& description) {
    Moment now = Clock::Now();
    return FormatGeneralDate(now.date, now.secondsOfDay) + "\r\n" + "An error occurred in " + procName + ".\r\n" +
           "Error Number: " + std::to_string(number) + "\r\n" + "Error Description: " + description + "\r\n\r\n";
}

namespace {

// Opens the log for appending without following a link, and only when it is a regular file:
// entries must never land in a file outside the data folder.
int OpenLog(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool AppendEntryToErrorLog(Store& s, const std::string& entry) {
    std::string path = s.gAppPath + "Error.log";
    // A read-only log is made writable again rather than losing the entry.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);

    int fd = OpenLog(path);
    if (fd < 0) return false;
    // Past its limit the log starts afresh; the previous one is kept as "Error.log.1".
    if (::fstat(fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) + entry.size() > kErrorLogLimit) {
        ::close(fd);
        std::string old = path + ".1";
        struct stat ost {};
        if (::lstat(old.c_str(), &ost) == 0 && !S_ISREG(ost.st_mode)) return false;
        if (::rename(path.c_str(), old.c_str()) != 0) return false;
        fd = OpenLog(path);
        if (fd < 0) return false;
    }
    const char* p = entry.data();
    size_t left = entry.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool AppendToErrorLog(Store& s, const std::string& procName, long number, const std::string& description) {
    return AppendEntryToErrorLog(s, ErrorEntryText(procName, number, description));
}

void LogError(Store& s, const std::string& procName, long number, const std::string& description) {
    std::string text = ErrorEntryText(procName, number, description);
    s.ui->MsgBox(text, MsgButtons::OK, "Program Error", MsgIcon::None);
    if (!AppendEntryToErrorLog(s, text)) s.ui->MsgBox("Error writing to Error.log.", MsgButtons::OK, "");
}

} // namespace orvelle
