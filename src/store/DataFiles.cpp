#include "store/DataFiles.h"

#include "store/Clock.h"
#include "store/ErrorLog.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace orvelle {
namespace {

std::uint64_t gSizeLimitCap = 0;  // see ScopedSizeLimit; 0 = none

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The files the user names or picks end in their extension in any letter case.
bool HasExtension(std::string_view path, std::string_view lowerExtension) {
    if (path.size() < lowerExtension.size()) return false;
    std::string_view tail = path.substr(path.size() - lowerExtension.size());
    for (size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != lowerExtension[i]) return false;
    }
    return true;
}

std::string Shorten(std::string_view line) {
    std::string out(line.substr(0, 60));
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out + (line.size() > 60 ? "..." : "");
}

// Size and change time identify one version of a file; "" when it is not there.
std::string VersionOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return path + "|" + std::to_string(st.st_size) + "|" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

void Refused(Store& s, const std::string& procName, const std::string& path, const FileRead& r) {
    std::string name = DataFileName(s, path);
    std::string what = r.status == ReadStatus::TooLarge ? "was not read" : "could not be read";
    // One entry per version of the file, however often the views read it again.
    std::string version = VersionOf(path) + "|" + std::to_string(static_cast<int>(r.status));
    if (s.files.logged.insert(version).second)
        AppendToErrorLog(s, procName, kErrBadLine, "The file " + name + " " + what + ": " + r.why + ".");
    if (!s.files.told.insert(path + "|" + std::to_string(static_cast<int>(r.status))).second) return;
    s.ui->MsgBox("The file \"" + name + "\" " + what + ": " + r.why +
                     ".\r\nIt is left on disk as it is and will not be overwritten.",
                 MsgButtons::OK, "");
}

std::string BackupName(const Store& s, const std::string& path) {
    std::string name = DataFileName(s, path);
    for (char& c : name)
        if (c == '/') c = ' ';
    Moment now = Clock::Now();
    int secs = now.secondsOfDay;
    return name + " " + std::to_string(YearOf(now.date)) + "-" + TwoDigits(MonthOf(now.date)) + "-" +
           TwoDigits(DayOf(now.date)) + " " + TwoDigits(secs / 3600) + TwoDigits(secs / 60 % 60) +
           TwoDigits(secs % 60);
}

} // namespace

FileLimits LimitsFor(const std::string& path) {
    FileLimits l;
    // The day files and the help topics are read whole (a note is one line of any length); the
    // others line by line.
    if (EndsWith(path, "/Planner.dat") || EndsWith(path, "/Notes.dat")) l = {kDayFileLimit, 0};
    else if (EndsWith(path, ".ico")) l = {kPictureFileLimit, 0};
    else if (EndsWith(path, "Help_Topics.txt")) l = {kListFileLimit, 0};
    else if (HasExtension(path, ".fut")) l = {kListFileLimit, kLongestTerm};
    else if (HasExtension(path, ".nte")) l = {kNotesFileLimit, 0};
    else if (HasExtension(path, ".pln")) l = {kPlannerDayFileLimit, 0};
    else if (EndsWith(path, "UserPreferences.txt") || EndsWith(path, "Marker Colors.dat") ||
             EndsWith(path, "Icon Tags.dat") || EndsWith(path, "Template.dat") || EndsWith(path, "_Icons.dat"))
        l = {kSettingsFileLimit, kLongestListLine};
    else l = {kListFileLimit, kLongestListLine};
    if (gSizeLimitCap != 0) l.size = std::min(l.size, gSizeLimitCap);
    return l;
}

std::uint64_t SizeLimitFor(const std::string& path) { return LimitsFor(path).size; }

ScopedSizeLimit::ScopedSizeLimit(std::uint64_t most) : before_(gSizeLimitCap) { gSizeLimitCap = most; }
ScopedSizeLimit::~ScopedSizeLimit() { gSizeLimitCap = before_; }

std::string DataFileName(const Store& s, const std::string& path) {
    if (!s.gAppPath.empty() && path.compare(0, s.gAppPath.size(), s.gAppPath) == 0) return path.substr(s.gAppPath.size());
    return path;
}

std::string LoggedFileName(const Store& s, const std::string& path) {
    std::string name = DataFileName(s, path);
    size_t slash = name.rfind('/');
    if (slash == std::string::npos) return name;
    std::string base = name.substr(slash + 1);
    return base.find_first_of("0123456789") != std::string::npos ? base : name;
}

std::optional<std::string> ReadDataFile(Store& s, const std::string& procName, const std::string& path,
                                        std::uint64_t limit) {
    FileRead r = ReadRegularFile(path, limit);
    if (r.status == ReadStatus::Ok) return std::move(r.content);
    if (r.status != ReadStatus::Missing) Refused(s, procName, path, r);
    return std::nullopt;
}

SkippedLines::SkippedLines(Store& s, std::string procName, std::string path)
    : s_(s), proc_(std::move(procName)), path_(std::move(path)), version_(VersionOf(path_)) {
    // The same unchanged file read again (every redraw reads) adds nothing new to the log.
    quiet_ = version_.empty() || s_.files.logged.count(version_) > 0;
}

SkippedLines::~SkippedLines() {
    if (count_ == 0) s_.files.skipped.erase(path_);
    else s_.files.skipped[path_] = count_;
    if (quiet_ || faults_ == 0) return;
    s_.files.logged.insert(version_);
    if (faults_ > kSkippedLinesLogged) {
        AppendToErrorLog(s_, proc_, kErrBadLine,
                         LoggedFileName(s_, path_) + ": " + std::to_string(faults_) + " bad lines in all (" +
                             std::to_string(count_) + " skipped); only the first " +
                             std::to_string(kSkippedLinesLogged) + " are listed.");
    }
}

void SkippedLines::Log(size_t lineNumber, std::string_view line, const std::string& what) {
    if (++faults_ > kSkippedLinesLogged || quiet_) return;
    std::string where = lineNumber > 0 ? "Line " + std::to_string(lineNumber) + " of " : std::string("A part of ");
    AppendToErrorLog(s_, proc_, kErrBadLine, where + LoggedFileName(s_, path_) + " " + what + ": " + Shorten(line));
}

void SkippedLines::Skip(size_t lineNumber, std::string_view line, const std::string& why) {
    ++count_;
    Log(lineNumber, line, "was skipped (" + why + ")");
}

void SkippedLines::Cut(size_t lineNumber, std::string_view line, const std::string& why) {
    ++count_;
    Log(lineNumber, line, "was kept only in part (" + why + ")");
}

void SkippedLines::Note(size_t lineNumber, std::string_view line, const std::string& why) {
    Log(lineNumber, line, "was kept, but " + why);
}

std::optional<std::string> SkippedLines::Read(std::uint64_t limit) { return ReadDataFile(s_, proc_, path_, limit); }

std::optional<std::string> SkippedLines::Read() { return Read(LimitsFor(path_).size); }

std::optional<std::vector<std::string>> SkippedLines::ReadLines() {
    FileLimits l = LimitsFor(path_);
    return ReadLines(l.size, l.longestLine);
}

std::optional<std::vector<std::string>> SkippedLines::ReadLines(std::uint64_t limit, size_t maxLine) {
    auto content = Read(limit);
    if (!content) return std::nullopt;
    std::vector<std::string> lines = SplitLines(*content);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (maxLine == 0 || lines[i].size() <= maxLine) continue;
        Skip(i + 1, lines[i], "a line of " + std::to_string(lines[i].size()) + " characters");
        lines[i].clear();
    }
    return lines;
}

bool ReadyToOverwrite(Store& s, const std::string& procName, const std::string& path) {
    FileRead r = ReadRegularFile(path, SizeLimitFor(path));
    if (r.status == ReadStatus::Missing) {
        s.files.skipped.erase(path);
        return true;
    }
    if (r.status != ReadStatus::Ok) {
        std::string name = DataFileName(s, path);
        LogError(s, procName, kErrWriteFailed,
                 "The file " + name + " was not saved: the file on disk could not be read (" + r.why +
                     "), so it is left as it is.");
        return false;
    }
    auto skipped = s.files.skipped.find(path);
    if (skipped == s.files.skipped.end()) return true;

    std::string folder = s.gAppPath + "Backup/";
    std::string target = folder + BackupName(s, path);
    for (int n = 2; PathIsFile(target) || PathIsFolder(target); ++n) target = folder + BackupName(s, path) + "-" + std::to_string(n);
    std::string error;
    if (!MakeFolder(folder) || !WriteFileAtomic(target, r.content, &error)) {
        LogError(s, procName, kErrWriteFailed,
                 "The file " + DataFileName(s, path) + " was not saved: lines it holds could not be read, and " +
                     "the copy of it in " + folder + " could not be made. " + error);
        return false;
    }
    AppendToErrorLog(s, procName, kErrBadLine,
                     DataFileName(s, path) + " held " + std::to_string(skipped->second) +
                         " lines that could not be read whole; before saving, the old file was copied to " +
                         DataFileName(s, target) + ".");
    s.files.skipped.erase(skipped);
    return true;
}

std::string WhyItsReaderRefuses(const std::string& path, std::string_view content, const char* holds) {
    FileLimits l = LimitsFor(path);
    if (content.size() > l.size)
        return std::string("it ") + holds + " " + std::to_string(content.size()) + " bytes, more than the " +
               std::to_string(l.size) + " such a file may hold";
    if (l.longestLine == 0) return {};
    // Cut as SplitLines cuts: at CR LF, LF or a lone CR.
    size_t start = 0, number = 1;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = content.size();
        if (end - start > l.longestLine)
            return "its line " + std::to_string(number) + " " + holds + " " + std::to_string(end - start) +
                   " characters, more than the " + std::to_string(l.longestLine) + " a line of it may hold";
        start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
    return {};
}

bool FitsItsReader(Store& s, const std::string& procName, const std::string& path, std::string_view content) {
    std::string why = WhyItsReaderRefuses(path, content, "would hold");
    if (why.empty()) return true;
    LogError(s, procName, kErrWriteFailed,
             "The file " + DataFileName(s, path) + " was not saved: " + why +
                 ", so it could not be read back. Nothing was written; shorten the text and save again.");
    return false;
}

bool SaveDataFile(Store& s, const std::string& procName, const std::string& path, std::string_view content) {
    if (!FitsItsReader(s, procName, path, content)) return false;
    if (!ReadyToOverwrite(s, procName, path)) return false;
    std::string error;
    if (!WriteFileAtomic(path, content, &error)) {
        LogError(s, procName, kErrWriteFailed, error);
        return false;
    }
    return true;
}

bool RemoveDataFile(Store& s, const std::string& procName, const std::string& path) {
    if (!PathIsFile(path)) return true;
    if (!ReadyToOverwrite(s, procName, path)) return false;
    if (!RemoveFile(path)) {
        LogError(s, procName, kErrWriteFailed, "The file " + path + " could not be deleted.");
        return false;
    }
    return true;
}

} // namespace orvelle
