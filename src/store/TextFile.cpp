#include "store/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelle {
namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(ss).str();
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

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    auto content = ReadWholeFile(path);
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
