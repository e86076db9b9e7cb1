#include "store/DayFile.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/PlannerRecord.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace orvelle {
namespace {

constexpr size_t kKeyLength = 8;
constexpr size_t kHeadLength = 16;  // "mm/dd/yy:MMCCRR:"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Two ASCII digits at pos, or -1.
int TwoDigitsAt(std::string_view t, size_t pos) {
    if (!IsDigit(t[pos]) || !IsDigit(t[pos + 1])) return -1;
    return (t[pos] - '0') * 10 + (t[pos + 1] - '0');
}

size_t ListSize(const DayListRef& l) {
    return std::min({l.texts.size(), l.dates.size(), l.stamps.size()});
}

void SetFlag(DayListRef& l, const std::string& key, std::int16_t value) {
    auto date = ParseMmDdYy(key, l.year);
    if (!date || YearOf(*date) != l.year) return;
    Cell c = CellOf(*date);
    l.flags[c.month][c.column][c.row] = value;
}

template <class T>
void EraseAt(std::vector<T>& v, size_t i) {
    if (i < v.size()) v.erase(v.begin() + static_cast<std::ptrdiff_t>(i));
}

// Splits on CR LF, LF or lone CR. The next CR and LF are found with memchr and remembered, so
// every byte is scanned once whichever line end the file uses.
class LineCutter {
public:
    explicit LineCutter(std::string_view t) : t_(t), cr_(Find('\r')), lf_(Find('\n')) {}
    bool Next(std::string_view& line) {
        if (pos_ >= t_.size()) return false;
        if (cr_ < pos_) cr_ = Find('\r');
        if (lf_ < pos_) lf_ = Find('\n');
        size_t end = std::min(cr_, lf_);
        line = t_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (end < t_.size() && t_[end] == '\r' && pos_ < t_.size() && t_[pos_] == '\n') ++pos_;
        return true;
    }

private:
    size_t Find(char c) const {
        const void* p = std::memchr(t_.data() + pos_, c, t_.size() - pos_);
        return p ? static_cast<size_t>(static_cast<const char*>(p) - t_.data()) : t_.size();
    }
    std::string_view t_;
    size_t pos_ = 0;
    size_t cr_, lf_;
};

} // namespace

std::optional<DayLine> ParseDayLine(std::string_view line, int year, std::string* why) {
    auto bad = [&](const char* reason) -> std::optional<DayLine> {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (line.size() < kHeadLength || line[8] != ':' || line[15] != ':') return bad("not a dated line");
    std::string_view key = line.substr(0, kKeyLength);
    int mm = TwoDigitsAt(key, 0), dd = TwoDigitsAt(key, 3), yy = TwoDigitsAt(key, 6);
    if (key[2] != '/' || key[5] != '/' || mm < 0 || dd < 0 || yy < 0) return bad("bad date");
    if (yy != year % 100) return bad("date of another year");
    if (!IsValidDate(year, mm, dd)) return bad("bad date");
    // The stamp is worked out from the date, so a stale or spoilt one costs nothing.
    DayLine d;
    d.text = std::string(line.substr(kHeadLength));
    d.date = DateSerial(year, mm, dd);
    d.key = std::string(key);
    d.stamp = CellStampOf(d.date);
    return d;
}

std::string YearFolder(const Store& s, int year) { return s.gAppPath + FourDigitYear(year) + "/"; }

void ClearDayList(DayListRef l, int year) {
    l.texts.clear();
    l.dates.clear();
    l.stamps.clear();
    l.sorted.clear();
    for (auto& month : l.flags)
        for (auto& column : month) column.fill(0);
    l.index = -1;
    l.year = year;
}

namespace {

// What reading a day file makes of its bytes before anything in the store changes: the lines
// taken apart, and what is to be said about the odd ones, in the order the reading meets them.
struct Remark {
    enum Kind { kSkip, kCut, kNote } kind;
    size_t lineNumber;
    std::string line;
    std::string why;
};
struct DayFileLines {
    std::vector<DayLine> days;
    std::vector<size_t> lineNumbers; // of each entry in days
    std::vector<Remark> remarks;
};

// `lines` gives the file's lines one by one (a LineCutter or a FileLines).
template <class Lines>
DayFileLines TakeApart(Lines& lines, int year, size_t textLength) {
    DayFileLines out;
    std::string_view line;
    size_t lineNumber = 0;
    while (lines.Next(line)) {
        ++lineNumber;
        if (line.empty()) continue;
        std::string why;
        auto day = ParseDayLine(line, year, &why);
        if (!day) {
            out.remarks.push_back({Remark::kSkip, lineNumber, std::string(line), why});
            continue;
        }
        if (IsBlankText(day->text)) continue;
        // A record is read by its positions, so a short one (an editor strips trailing blanks)
        // is completed: blanks, and "not done" where its done marks were. Of a long one the page
        // holds the first positions only: the whole line is copied into Backup before the next
        // save writes the shorter record.
        if (textLength != 0 && day->text.size() != textLength) {
            std::string odd = "its record has " + std::to_string(day->text.size()) + " characters, not " +
                              std::to_string(textLength);
            bool cut = day->text.size() > textLength && !IsBlankText(std::string_view(day->text).substr(textLength));
            out.remarks.push_back({cut ? Remark::kCut : Remark::kNote, lineNumber, std::string(line), odd});
            if (day->text.size() < textLength) PadPlannerRecord(day->text);
            day->text.resize(textLength, ' ');
        }
        out.days.push_back(std::move(*day));
        out.lineNumbers.push_back(lineNumber);
    }
    return out;
}

// A file being read ahead, and the file as it was when the read began.
struct ReadAhead {
    int year;
    size_t textLength;
    std::future<std::optional<std::pair<FileStamp, DayFileLines>>> lines;
};

std::mutex& ReadAheadMutex() {
    static std::mutex m;
    return m;
}

std::map<std::string, std::unique_ptr<ReadAhead>>& ReadAheads() {
    static std::map<std::string, std::unique_ptr<ReadAhead>> files;
    return files;
}

// The lines read ahead for `path`, when they were read for this year and length and the file is
// still the one read; the read ahead is used up either way.
std::optional<DayFileLines> TakeReadAhead(const std::string& path, int year, size_t textLength) {
    std::unique_ptr<ReadAhead> ahead;
    {
        std::lock_guard<std::mutex> lock(ReadAheadMutex());
        auto it = ReadAheads().find(path);
        if (it == ReadAheads().end()) return std::nullopt;
        ahead = std::move(it->second);
        ReadAheads().erase(it);
    }
    auto read = ahead->lines.get();
    if (!read || ahead->year != year || ahead->textLength != textLength) return std::nullopt;
    if (StampOf(path) != std::optional<FileStamp>(read->first)) return std::nullopt;
    return std::move(read->second);
}

} // namespace

void ReadDayFileAhead(const Store& s, int year, const std::string& fileName, size_t textLength) {
    std::string path = YearFolder(s, year) + fileName;
    std::uint64_t limit = LimitsFor(path).size;
    // A thread of its own costs more than reading a small file (a new user has none at all).
    constexpr std::uint64_t kWorthReadingAhead = 64 * 1024;
    auto stamp = StampOf(path);
    if (!stamp || stamp->size < kWorthReadingAhead) return;
    auto ahead = std::make_unique<ReadAhead>();
    ahead->year = year;
    ahead->textLength = textLength;
    // Only the file and pure functions of its bytes: the store is not touched on that thread.
    ahead->lines = std::async(std::launch::async, [path, limit, year, textLength] {
        std::optional<std::pair<FileStamp, DayFileLines>> out;
        // Gone through once, the file is read a piece at a time rather than into a buffer of its
        // size. Whatever goes wrong is left to the read that takes it, which reads the file itself.
        FileLines lines;
        if (!lines.Open(path, limit)) return out;
        DayFileLines read = TakeApart(lines, year, textLength);
        if (!lines.Failed()) out.emplace(lines.Stamp(), std::move(read));
        return out;
    });
    std::lock_guard<std::mutex> lock(ReadAheadMutex());
    ReadAheads()[path] = std::move(ahead);
}

void ReadDayFile(Store& s, DayListRef l, int year, const std::string& fileName, size_t textLength,
                 const std::string& procName) {
    std::string openKey;
    if (l.year == year && l.index >= 0 && static_cast<size_t>(l.index) < l.dates.size()) openKey = l.dates[l.index];
    ClearDayList(l, year);

    std::string path = YearFolder(s, year) + fileName;
    SkippedLines skipped(s, procName, path);
    DayFileLines read;
    if (auto ahead = TakeReadAhead(path, year, textLength)) {
        read = std::move(*ahead);
    } else {
        auto content = skipped.Read();
        if (!content) return;
        LineCutter lines(*content);
        read = TakeApart(lines, year, textLength);
    }
    for (const Remark& r : read.remarks) {
        switch (r.kind) {
        case Remark::kSkip: skipped.Skip(r.lineNumber, r.line, r.why); break;
        case Remark::kCut: skipped.Cut(r.lineNumber, r.line, r.why); break;
        case Remark::kNote: skipped.Note(r.lineNumber, r.line, r.why); break;
        }
    }
    std::vector<DayLine>& days = read.days;
    std::vector<size_t>& lineNumbers = read.lineNumbers;

    // Sorted with their line numbers, so that a second entry for a date is logged where it is.
    std::vector<size_t> order(days.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return days[a].date < days[b].date; });
    Date last = 0;
    for (size_t k : order) {
        DayLine& day = days[k];
        if (day.date == last) {
            skipped.Skip(lineNumbers[k], day.key + ":" + day.stamp + ":" + day.text, "a second entry for " + day.key);
            continue;
        }
        last = day.date;
        DayLine* d = &day;
        Cell c = CellOf(d->date);
        l.flags[c.month][c.column][c.row] = -1;
        l.dates.push_back(d->key);
        l.stamps.push_back(std::move(d->stamp));
        l.texts.push_back(std::move(d->text));
    }
    l.sorted = l.dates;
    if (!openKey.empty()) l.index = FindDay(l, openKey);
}

int FindDay(const DayListRef& l, std::string_view key) {
    size_t n = ListSize(l);
    for (size_t i = 0; i < n; ++i)
        if (l.dates[i] == key) return static_cast<int>(i);
    return -1;
}

int FindOrInsertDay(DayListRef l, Date date) {
    std::string key = FormatMmDdYy(date);
    int found = FindDay(l, key);
    if (found >= 0) return found;
    size_t n = ListSize(l);
    l.texts.resize(n);
    l.dates.resize(n);
    l.stamps.resize(n);
    // Within one year "mm/dd/yy" sorts in date order.
    size_t pos = static_cast<size_t>(std::lower_bound(l.dates.begin(), l.dates.end(), key) - l.dates.begin());
    auto at = [pos](auto& v) { return v.begin() + static_cast<std::ptrdiff_t>(pos); };
    l.texts.insert(at(l.texts), std::string());
    l.dates.insert(at(l.dates), key);
    l.stamps.insert(at(l.stamps), CellStampOf(date));
    l.sorted = l.dates;
    if (l.index >= static_cast<int>(pos)) ++l.index;
    return static_cast<int>(pos);
}

size_t DropBlankDays(DayListRef l) {
    size_t dropped = 0;
    for (size_t i = ListSize(l); i-- > 0;) {
        if (!IsBlankText(l.texts[i])) continue;
        ++dropped;
        std::string key = l.dates[i];
        SetFlag(l, key, 0);
        EraseAt(l.texts, i);
        EraseAt(l.dates, i);
        EraseAt(l.stamps, i);
        if (l.index == static_cast<int>(i)) l.index = -1;
        else if (l.index > static_cast<int>(i)) --l.index;
    }
    if (dropped > 0) l.sorted = l.dates;
    return dropped;
}

std::string DayFileContent(const DayListRef& l) {
    size_t n = ListSize(l), total = 0;
    for (size_t i = 0; i < n; ++i) total += kHeadLength + l.texts[i].size() + 2;
    std::string out;
    out.reserve(total);
    for (size_t i = 0; i < n; ++i) {
        if (IsBlankText(l.texts[i])) continue;
        out += l.dates[i];
        out += ':';
        out += l.stamps[i];
        out += ':';
        out += l.texts[i];
        out += "\r\n";
    }
    return out;
}

DayListCopy::DayListCopy(const DayListRef& l)
    : texts(l.texts), dates(l.dates), stamps(l.stamps), sorted(l.sorted), flags(l.flags), index(l.index),
      year(l.year) {}

void DayListCopy::RestoreTo(DayListRef l) const {
    l.texts = texts;
    l.dates = dates;
    l.stamps = stamps;
    l.sorted = sorted;
    l.flags = flags;
    l.index = index;
    l.year = year;
}

bool WriteDayFile(Store& s, const DayListRef& l, const std::string& fileName, const std::string& procName) {
    std::string folder = YearFolder(s, l.year);
    if (!PathIsFolder(folder) && !MakeFolder(folder)) {
        LogError(s, procName, kErrWriteFailed, "Cannot create the folder " + folder);
        return false;
    }
    return SaveDataFile(s, procName, folder + fileName, DayFileContent(l));
}

} // namespace orvelle
