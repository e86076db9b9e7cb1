#pragma once
// The one way the readers and savers of the data files touch the disk. A file that cannot be
// read (not a regular file, too large, unreadable) is logged and told once and never
// overwritten; skipped lines are logged a few at a time; and a file from which lines were
// skipped is copied into "Backup" before a save replaces it, so nothing is lost uncopied.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

// Size limits per kind of file, far above any real one (a full year of planner pages is 1.5 MB).
constexpr std::uint64_t kDayFileLimit = 32ull << 20;      // "<yyyy>/Planner.dat", "<yyyy>/Notes.dat"
constexpr std::uint64_t kListFileLimit = 8ull << 20;      // holidays, birthdays, marks, alerts, help ...
constexpr std::uint64_t kSettingsFileLimit = 1ull << 20;  // preferences, marker colours, icon files
constexpr std::uint64_t kPictureFileLimit = 4ull << 20;   // "Images/<n>.ico"
// The longest line a list or settings file may hold; longer ones are skipped.
constexpr size_t kLongestListLine = 16 * 1024;
// The longest note the notes window saves, and so opens (its text with CR LF line breaks): a
// note of this size opens in under half a second, whatever bytes it holds. An exported note
// (".nte") is the date, a ":" and the note; an exported planner day (".pln") is 4109 bytes.
// Both may carry the line ends and blanks that mail programs and editors add at the end of a
// file; larger files from the share are refused unread.
constexpr size_t kLongestNote = 256u << 10;
constexpr std::uint64_t kTrailingBlanksRoom = 4u << 10;
constexpr std::uint64_t kNotesFileLimit = 9 + kLongestNote + kTrailingBlanksRoom;
constexpr std::uint64_t kPlannerDayFileLimit = 4109 + kTrailingBlanksRoom;
// The longest term of a term list: what the term dialogs' boxes take.
constexpr size_t kLongestTerm = 32767;
// Skipped lines logged per read of a file; the rest are counted in one more entry.
constexpr size_t kSkippedLinesLogged = 5;

// What the reader of the file at `path` (known by its name) takes: a larger file is refused
// unread and a longer line is skipped (longestLine 0: lines of any length). Savers check what
// they write against the same limits, so that nothing is written that would not be read back.
struct FileLimits {
    std::uint64_t size = 0;
    size_t longestLine = 0;
};
FileLimits LimitsFor(const std::string& path);
std::uint64_t SizeLimitFor(const std::string& path);  // LimitsFor(path).size

// While it lives, every size limit is at most `most` bytes: lets a test pass a limit with a
// small file. Not for use by the program.
class ScopedSizeLimit {
public:
    explicit ScopedSizeLimit(std::uint64_t most);
    ~ScopedSizeLimit();
    ScopedSizeLimit(const ScopedSizeLimit&) = delete;
    ScopedSizeLimit& operator=(const ScopedSizeLimit&) = delete;

private:
    std::uint64_t before_;
};

// What the session knows about the files it has read.
struct DataFileState {
    std::map<std::string, size_t> skipped;  // path -> lines its last read skipped
    std::set<std::string> logged;           // file versions whose skipped lines are in the log
    std::set<std::string> told;             // files whose refusal the user was told
};

// The file's bytes. A missing file gives nullopt silently; one that cannot be read gives
// nullopt after a log entry and (once per file and session) a message.
std::optional<std::string> ReadDataFile(Store& s, const std::string& procName, const std::string& path,
                                        std::uint64_t limit);

// The record of one read of one file: create it before the read, call Skip for each line left
// out. At its end the count is logged (after the first few lines) and remembered for the next
// save. The same unchanged file read again is not logged again.
class SkippedLines {
public:
    SkippedLines(Store& s, std::string procName, std::string path);
    ~SkippedLines();
    SkippedLines(const SkippedLines&) = delete;
    SkippedLines& operator=(const SkippedLines&) = delete;

    // lineNumber counts from 1; 0 when the fault is not one line's.
    void Skip(size_t lineNumber, std::string_view line, const std::string& why);
    // Logs a faulty line that is kept all the same (and so needs no backup copy).
    void Note(size_t lineNumber, std::string_view line, const std::string& why);
    // Logs a line that is kept only in part: like a skipped one, it has the file copied into
    // Backup before a save replaces it.
    void Cut(size_t lineNumber, std::string_view line, const std::string& why);
    size_t Count() const { return count_; }

    // ReadDataFile split into lines; a line longer than maxLine is skipped and comes back empty
    // (maxLine 0: none is).
    std::optional<std::vector<std::string>> ReadLines(std::uint64_t limit, size_t maxLine = kLongestListLine);
    std::optional<std::string> Read(std::uint64_t limit);
    // The same with the file's own limits (LimitsFor).
    std::optional<std::vector<std::string>> ReadLines();
    std::optional<std::string> Read();

private:
    Store& s_;
    std::string proc_, path_, version_;
    void Log(size_t lineNumber, std::string_view line, const std::string& what);
    size_t count_ = 0;   // skipped or cut: lines a save would lose
    size_t faults_ = 0;  // skipped or noted
    bool quiet_ = false;
};

// The data-folder relative name used in messages ("2009/Notes.dat").
std::string DataFileName(const Store& s, const std::string& path);
// The name in log entries of bad lines: the file's own name when that says which file it is
// ("2009Holidays.dat", "Alerts.dat"), else the relative name ("2009/Notes.dat").
std::string LoggedFileName(const Store& s, const std::string& path);

// Call before a save replaces or removes `path`. False (told and logged) when the file on disk
// could not be read, so its content is not known; when lines were skipped from it, copies it
// into "Backup" first (false when that fails).
bool ReadyToOverwrite(Store& s, const std::string& procName, const std::string& path);

// Why the reader of `path` would not take `content` (larger than its size limit, or with a line
// longer than its longest line): "its line 3 <holds> 40000 characters, more than ..."; empty
// when it would.
std::string WhyItsReaderRefuses(const std::string& path, std::string_view content, const char* holds = "holds");

// False (told and logged, nothing written) when `content` is more than the file's reader takes.
// Every saver of a data file checks this before it writes; SaveDataFile does so itself.
bool FitsItsReader(Store& s, const std::string& procName, const std::string& path, std::string_view content);

// FitsItsReader, ReadyToOverwrite, then the atomic write; a failure is reported through LogError.
bool SaveDataFile(Store& s, const std::string& procName, const std::string& path, std::string_view content);

// The same before removing the file; true when it is gone (or was never there).
bool RemoveDataFile(Store& s, const std::string& procName, const std::string& path);

} // namespace orvelle
