#include "store/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <algorithm>
#include <cstddef>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelle {
namespace fs = std::filesystem;

namespace {

FileStamp StampFrom(const struct stat& st) {
    FileStamp f;
    f.device = static_cast<std::uint64_t>(st.st_dev);
    f.inode = static_cast<std::uint64_t>(st.st_ino);
    f.size = static_cast<std::uint64_t>(st.st_size);
    f.modifiedSec = st.st_mtim.tv_sec;
    f.modifiedNsec = st.st_mtim.tv_nsec;
    f.changedSec = st.st_ctim.tv_sec;
    f.changedNsec = st.st_ctim.tv_nsec;
    return f;
}

} // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return StampFrom(st);
}

FileRead ReadRegularFile(const std::string& path, std::uint64_t limit) {
    FileRead r;
    // Non-blocking, so that opening a named pipe returns at once instead of waiting for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return r;
        r.status = ReadStatus::Unreadable;
        r.why = std::strerror(errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.status = ReadStatus::NotAFile;
        r.why = "it is not a regular file";
        return r;
    }
    r.size = static_cast<std::uint64_t>(st.st_size);
    size_t got = 0;
    bool tooLarge = r.size > limit;
    if (!tooLarge) {
        // One byte more than the file holds tells the end of the file from a file that grows,
        // without growing the buffer for the read that finds the end.
        r.content.resize(static_cast<size_t>(std::min<std::uint64_t>(r.size, limit) + 1));
        while (true) {
            // The file may grow while it is read: read on, but never past the limit.
            if (got == r.content.size()) {
                if (got > limit) {
                    tooLarge = true;
                    break;
                }
                r.content.resize(std::min<size_t>(static_cast<size_t>(limit) + 1, got + 65536));
            }
            ssize_t n = ::read(fd, r.content.data() + got, r.content.size() - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                r.status = ReadStatus::Unreadable;
                r.why = std::strerror(errno);
                r.content.clear();
                ::close(fd);
                return r;
            }
            if (n == 0) break;
            got += static_cast<size_t>(n);
        }
        tooLarge = tooLarge || got > limit;
        if (tooLarge) r.size = std::max<std::uint64_t>(r.size, got);
    }
    ::close(fd);
    if (tooLarge) {
        r.status = ReadStatus::TooLarge;
        r.content = std::string();
        r.why = "it holds " + std::to_string(r.size) + " bytes, more than the " + std::to_string(limit) +
                " such a file may hold";
        return r;
    }
    r.content.resize(got);
    r.status = ReadStatus::Ok;
    return r;
}

FileLines::~FileLines() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileLines::Open(const std::string& path, std::uint64_t limit) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > limit) return false;
    stamp_ = StampFrom(st);
    limit_ = limit;
    return true;
}

// Appends the next piece of the file to what is left of the buffer; false at the end of the file.
bool FileLines::Fill() {
    constexpr size_t kPiece = 64 * 1024;
    cr_.reset();
    lf_.reset();
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    size_t had = buffer_.size();
    buffer_.resize(had + kPiece);
    ssize_t n;
    do n = ::read(fd_, buffer_.data() + had, kPiece);
    while (n < 0 && errno == EINTR);
    buffer_.resize(had + static_cast<size_t>(std::max<ssize_t>(n, 0)));
    if (n < 0) failed_ = true;
    total_ += static_cast<std::uint64_t>(std::max<ssize_t>(n, 0));
    if (total_ > limit_) failed_ = true;
    if (n <= 0 || failed_) end_ = true;
    return n > 0 && !failed_;
}

size_t FileLines::Find(char c, std::optional<size_t>& known) const {
    if (!known || (*known != std::string::npos && *known < pos_)) {
        const void* p = std::memchr(buffer_.data() + pos_, c, buffer_.size() - pos_);
        known = p ? static_cast<size_t>(static_cast<const char*>(p) - buffer_.data()) : std::string::npos;
    }
    return *known;
}

bool FileLines::Next(std::string_view& line) {
    if (fd_ < 0 || failed_) return false;
    while (true) {
        // The first line end after pos_. The next CR and LF are found with memchr and
        // remembered until a piece comes in, so every byte is scanned once whichever line end
        // the file uses.
        size_t end = std::min(Find('\r', cr_), Find('\n', lf_));
        // A CR that ends what is read so far may be the first half of a CR LF.
        if (end != std::string::npos && !(buffer_[end] == '\r' && end + 1 == buffer_.size() && !end_)) {
            line = std::string_view(buffer_).substr(pos_, end - pos_);
            pos_ = end + 1;
            if (buffer_[end] == '\r' && pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
            return true;
        }
        if (!end_) {
            // The line being cut moves to the front of the buffer and the next piece comes in.
            Fill();
            if (failed_) return false;
            continue;
        }
        if (pos_ >= buffer_.size()) return false;
        line = std::string_view(buffer_).substr(pos_);
        pos_ = buffer_.size();
        return true;
    }
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t limit) {
    FileRead r = ReadRegularFile(path, limit);
    if (r.status != ReadStatus::Ok) return std::nullopt;
    return std::move(r.content);
}

bool IsAtomicTempName(std::string_view name) {
    size_t at = name.rfind(".tmp-");
    if (at == std::string_view::npos || at == 0 || name.size() - at != 11) return false;
    for (char c : name.substr(at + 5))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    while (i < content.size()) {
        char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(content.substr(start, i - start));
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < content.size()) lines.emplace_back(content.substr(start));
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::uint64_t limit) {
    auto content = ReadWholeFile(path, limit);
    if (!content) return std::nullopt;
    return SplitLines(*content);
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool WriteFileAtomic(const std::string& path, std::string_view content, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = what + ": " + std::strerror(errno);
        return false;
    };
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a temporary file beside " + path);
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            ::unlink(tmp.c_str());
            return fail("cannot write " + path);
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(tmp.c_str());
        return fail("cannot flush " + path);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return fail("cannot replace " + path);
    }
    // Make the rename itself durable.
    std::string dir = fs::path(path).parent_path().string();
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool AppendToFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec) && !ec;
}

bool PathIsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool PathIsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool MakeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return PathIsFolder(path);
}

} // namespace orvelle
