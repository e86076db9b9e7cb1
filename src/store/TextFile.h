#pragma once
// Byte-exact file access for the data files. Contents are Windows-1252 bytes kept in
// std::string; nothing here converts characters.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

// The outcome of reading one file. Only regular files are read (a link to one is fine): a pipe
// or a device would block or never end.
enum class ReadStatus { Ok, Missing, NotAFile, TooLarge, Unreadable };

// Which file a path names and which version of it: a file replaced, written or touched since
// gets another stamp.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of what the path leads to, or nullopt when nothing is there.
std::optional<FileStamp> StampOf(const std::string& path);

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string content;      // the bytes, when Ok
    std::uint64_t size = 0;   // the size on disk, when known
    std::string why;          // a reason for the user, when not Ok and not Missing
};

// Reads at most `limit` bytes of a regular file; a larger file is refused unread.
FileRead ReadRegularFile(const std::string& path, std::uint64_t limit);

// A regular file's lines read a piece at a time, cut as SplitLines cuts them (CR LF, LF or a lone
// CR; a final line break makes no empty last line), for a reader that goes through a large file
// once: its bytes then need no buffer of the file's size.
class FileLines {
public:
    FileLines() = default;
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;
    ~FileLines();
    // False when the path is not a regular file of at most `limit` bytes or cannot be opened.
    bool Open(const std::string& path, std::uint64_t limit);
    const FileStamp& Stamp() const { return stamp_; }
    // The next line, valid until the next call; false at the end, or when reading failed or went
    // past the limit (Failed).
    bool Next(std::string_view& line);
    bool Failed() const { return failed_; }

private:
    bool Fill();
    // The position of the next `c` at or after pos_ (npos for none in the buffer), remembered.
    size_t Find(char c, std::optional<size_t>& known) const;
    int fd_ = -1;
    std::uint64_t limit_ = 0, total_ = 0;
    std::string buffer_;
    size_t pos_ = 0;
    bool end_ = false, failed_ = false;
    std::optional<size_t> cr_, lf_;
    FileStamp stamp_;
};

// Far above any data file; readers of the data files use their own, smaller limits.
constexpr std::uint64_t kAnyFileLimit = 256ull << 20;

// The whole file, or nullopt when it does not exist or cannot be read (see ReadRegularFile).
std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t limit = kAnyFileLimit);

// Splits on CR LF, LF or lone CR. A final line break does not make an empty last line.
std::vector<std::string> SplitLines(std::string_view content);

// The file's lines, or nullopt when it does not exist or cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::uint64_t limit = kAnyFileLimit);

// The name pattern of WriteFileAtomic's temporary files: "<name>.tmp-" and six letters or digits.
bool IsAtomicTempName(std::string_view fileName);

// Each line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Replaces the file in one step: a temporary file in the same folder is written, flushed to
// disk and renamed over the old one. On failure the old file is untouched, false is returned
// and *error (when given) says why.
bool WriteFileAtomic(const std::string& path, std::string_view content, std::string* error = nullptr);

bool AppendToFile(const std::string& path, std::string_view content);

bool RemoveFile(const std::string& path);
bool PathIsFile(const std::string& path);
// Anything at all at the path, a dangling link included (a pipe or a device counts).
bool PathExists(const std::string& path);
bool PathIsFolder(const std::string& path);
bool MakeFolder(const std::string& path); // creates parents too; true when it exists afterwards

} // namespace orvelle
