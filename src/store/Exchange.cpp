#include "store/Exchange.h"

#include "store/Clock.h"
#include "store/DataFiles.h"
#include "store/DiskNames.h"
#include "store/ErrorLog.h"
#include "store/FileChecks.h"
#include "store/NotesStore.h"
#include "store/PlannerRecord.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace orvelle {
namespace fs = std::filesystem;
namespace {

constexpr const char* kNamePrompt = "Please enter a file name for the file in the box provided. Do not include"
                                    " any of the following illegal characters in the name: / \\ : * ? < > |";
constexpr const char* kNameTitle = "Exporting Planner or Notes";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// The name on disk of the sub-folder of `parent` called `name` in any letter case, else the
// disk form of `name`. A link to a folder counts: the export refuses it by name.
std::string SubFolderName(const std::string& parent, const std::string& name) {
    std::error_code ec;
    if (!fs::is_directory(parent, ec)) return DiskName(name);
    fs::directory_iterator it(parent, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        std::string found = it->path().filename().string();
        if (SameIgnoringCase(NameFromDisk(found), name) && it->is_directory(typeEc)) return found;
    }
    return DiskName(name);
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Other people can write the share, so nothing is read or written there through a link it
// holds. The first link on the way from the share down to `path` (the share's own mount point
// excluded), or empty. While no drive is set the data folder stands in for the share: there
// only its "Planners And Notes" folder is the share's.
std::string LinkInShare(const Store& s, const std::string& path) {
    std::string root = fs::path(ShareRoot(s)).lexically_normal().string();
    std::string target = fs::path(path).lexically_normal().string();
    root = WithSlash(root);
    if (target.compare(0, root.size(), root) != 0) return {};
    std::string rest = target.substr(root.size());
    bool standIn = s.prefs.gShareRoot.empty();
    std::string walked = root;
    size_t start = 0;
    for (bool first = true; start < rest.size(); first = false) {
        size_t end = rest.find('/', start);
        if (end == std::string::npos) end = rest.size();
        std::string part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        if (first && standIn && !SameIgnoringCase(NameFromDisk(part), kPlannersAndNotesFolder)) return {};
        walked += part;
        if (IsLink(walked)) return walked;
        walked += '/';
    }
    return {};
}

// The message naming the link that stops an export or an import.
std::string LinkRefusal(const std::string& link) {
    std::string text = "\"";
    text += NameFromDisk(link);
    text += "\" in the share folder is a link to another place. Nothing is read or written through a link in "
            "the share.";
    return text;
}

// The window being exported: its kind, its own export file and what its content is.
struct ExportSource {
    const char* proc;
    const char* extension;
    const char* kindText; // "Planner" / "Note"
    bool windowOpen;
    bool showsImportedFile;
    std::string& fileName;
    std::string& folder;
};

// Asks for a name; empty when none was given or it was refused (with its message).
std::string AskExportName(Store& s, const char* extension) {
    std::string answer = s.ui->InputBox(kNamePrompt, kNameTitle, "");
    if (answer.empty() || IllegalFileName(s, answer)) return {};
    if (!PlainFileName(answer)) {
        s.ui->MsgBox("Action Cancelled. \"" + answer + "\" cannot be used as a file name.", MsgButtons::OK, "");
        return {};
    }
    return answer + extension;
}

// Runs the export; `content` builds the file from the date field. True when the file was written;
// *wroteBack tells whether it was the window's imported file.
bool Export(Store& s, ExportSource src, const std::string& contact, const std::function<std::string()>& content,
            bool* wroteBack) {
    *wroteBack = false;
    if (!src.windowOpen) {
        s.ui->MsgBox("The window of this export has been closed. Nothing was exported.", MsgButtons::OK, "");
        return false;
    }
    std::string name = src.fileName.empty() ? AskExportName(s, src.extension) : src.fileName;
    if (name.empty()) {
        s.ui->MsgBox("Action cancelled. No Name given.", MsgButtons::OK, "");
        return false;
    }
    if (!contact.empty() && !PlainFileName(contact)) {
        s.ui->MsgBox("Action Cancelled. The name \"" + contact + "\" cannot be used as a folder name.",
                     MsgButtons::OK, "");
        return false;
    }
    std::string planners = SharePlannersFolder(s);
    std::string folder = !contact.empty()       ? planners + SubFolderName(planners, contact) + "/"
                         : !src.folder.empty() ? WithSlash(src.folder)
                                               : planners;
    // A share drive that is not there gets no folder of the same name on the local disk.
    std::string root = ShareRoot(s);
    if (folder.compare(0, root.size(), root) == 0 && !PathIsFolder(root)) {
        LogError(s, src.proc, kErrPathNotFound,
                 "Path not found. The share drive " + NameFromDisk(root) + " is not available.");
        return false;
    }
    std::string link = LinkInShare(s, folder);
    if (link.empty()) {
        if (!MakeFolder(folder)) {
            LogError(s, src.proc, kErrWriteFailed, "The folder " + NameFromDisk(folder) + " could not be created.");
            return false;
        }
        // A link put in place while the folders were made is refused all the same.
        link = LinkInShare(s, folder);
    }
    if (!link.empty()) {
        s.ui->MsgBox("Action Cancelled. " + LinkRefusal(link), MsgButtons::OK, "");
        return false;
    }
    std::string path = PathInFolder(folder, name);
    std::string imported =
        src.showsImportedFile ? PathInFolder(WithSlash(src.folder), src.fileName) : std::string();
    bool writingBack = path == imported;
    if (!writingBack && FileExists(folder, name)) {
        std::string question =
            std::string("A ") + src.kindText + " File with that name already exists. Overwrite existing file?";
        if (s.ui->MsgBox(question, MsgButtons::YesNo, "File Already Exists") != MsgAnswer::Yes) return false;
    }
    std::string error;
    if (!WriteFileAtomic(path, content(), &error)) {
        LogError(s, src.proc, kErrWriteFailed, NameFromDisk(error));
        return false;
    }
    // A second export from the window, a contact's included, writes the same file again.
    src.fileName = name;
    src.folder = folder;
    *wroteBack = writingBack;
    s.ui->MsgBox("The file was saved as " + name + "\r\nin the Folder " + NameFromDisk(folder), MsgButtons::OK, "");
    return true;
}

void RefuseImport(Store& s, const std::string& name, const std::string& why) {
    s.ui->MsgBox("The file " + name + " cannot be opened: " + why + ".", MsgButtons::OK, "");
}

// The whole file, or nullopt after the message saying why not. A file larger than the program
// itself writes of its kind (`limit`), a pipe or a device is refused before anything is read.
std::optional<std::string> ReadImport(Store& s, const char* proc, const std::string& folder, const std::string& name,
                                      std::uint64_t limit) {
    if (name.empty()) {
        s.ui->MsgBox("Bad file name.", MsgButtons::OK, "");
        return std::nullopt;
    }
    if (folder.empty()) {
        s.ui->MsgBox("Bad file path.", MsgButtons::OK, "");
        return std::nullopt;
    }
    std::string path = PathInFolder(WithSlash(folder), name);
    if (std::string link = LinkInShare(s, path); !link.empty()) {
        s.ui->MsgBox("The file " + name + " cannot be opened: " + LinkRefusal(link), MsgButtons::OK, "");
        return std::nullopt;
    }
    FileRead file = ReadRegularFile(path, limit);
    if (file.status == ReadStatus::Ok) return std::move(file.content);
    if (file.status != ReadStatus::Missing) RefuseImport(s, name, file.why);
    else LogError(s, proc, kErrFileNotFound, "File not found: " + NameFromDisk(path));
    return std::nullopt;
}

std::optional<ExchangeFileContent> ParseHeader(std::string_view content, std::string* why) {
    auto fail = [why](const char* text) -> std::optional<ExchangeFileContent> {
        if (why) *why = text;
        return std::nullopt;
    };
    if (content.size() < static_cast<size_t>(kDayFileHeaderLength)) return fail("it is too short to hold a date");
    if (content[8] != ':') return fail("it does not begin with a date and a \":\"");
    auto date = ParseDayFileDate(content.substr(0, 8));
    if (!date) return fail("its date is not a valid date");
    return ExchangeFileContent{*date, std::string(content.substr(kDayFileHeaderLength))};
}

} // namespace

std::string ShareRoot(const Store& s) { return WithSlash(s.prefs.gShareRoot.empty() ? s.gAppPath : s.prefs.gShareRoot); }

std::string SharePlannersFolder(const Store& s) {
    std::string root = ShareRoot(s);
    return root + SubFolderName(root, kPlannersAndNotesFolder) + "/";
}

bool PlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (ContainsIllegalFileChar(name)) return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == '\x7F') return false;
    return true;
}

std::optional<Date> ParseDayFileDate(std::string_view text) {
    if (text.size() != 8 || text[2] != '/' || text[5] != '/') return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        char a = text[k * 3], b = text[k * 3 + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
        parts[k] = (a - '0') * 10 + (b - '0');
    }
    int year = ExpandTwoDigitYear(parts[2], Clock::CurrentYear());
    if (!IsValidDate(year, parts[0], parts[1])) return std::nullopt;
    return DateSerial(year, parts[0], parts[1]);
}

std::optional<ExchangeFileContent> ParsePlannerDayFile(std::string_view content, std::string* why) {
    auto day = ParseHeader(content, why);
    if (!day) return day;
    auto fail = [why](std::string text) -> std::optional<ExchangeFileContent> {
        if (why) *why = std::move(text);
        return std::nullopt;
    };
    // Mail programs and editors add line ends and blanks after the day, or strip the record's
    // own trailing blanks: the record ends at its first line end or its last position, and
    // only line ends and blanks may follow it.
    std::string& record = day->body;
    size_t end = std::min({record.find_first_of("\r\n"), record.size(), static_cast<size_t>(kPlannerRecordLength)});
    if (record.find_first_not_of(" \r\n", end) != std::string::npos) {
        if (end < static_cast<size_t>(kPlannerRecordLength)) return fail("its day record holds a line break");
        return fail("after its day record it holds more than line ends and blanks");
    }
    record.resize(end);
    if (IsBlankText(record)) return fail("its day record is empty");
    PadPlannerRecord(record);
    return day;
}

std::optional<ExchangeFileContent> ParseNotesFile(std::string_view content, std::string* why) {
    auto note = ParseHeader(content, why);
    if (!note) return note;
    // Line ends and blanks a mail program added after a note of the longest length are not the
    // note's; a longer note is more than the notes window saves.
    std::string& text = note->body;
    while (text.size() > kLongestNote && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (text.size() > kLongestNote) {
        if (why)
            *why = "it holds a note of " + std::to_string(text.size()) + " characters, more than the " +
                   std::to_string(kLongestNote) + " a note may hold";
        return std::nullopt;
    }
    return note;
}

bool SaveExternalPlanner(Store& s, const std::string& contactName) {
    Exchange& x = s.exchange;
    bool external = s.planner.gExternalPlanner;
    // The page's own date, whatever date has been selected since it opened.
    Date date = external && x.gExternalPlannerDate ? x.gExternalPlannerDate
                : s.planner.gPlannerPageDate      ? s.planner.gPlannerPageDate
                                                  : s.dates.gSelectedDate;
    ExportSource src{"SaveExternalPlanner",      ".pln", "Planner", s.flags.gPlannerOpen, external,
                     x.gPlannerExportFileName, x.gPlannerExportFolder};
    bool wroteBack = false;
    bool ok = Export(s, src, contactName, [&] { return FormatMmDdYy(date) + ":" + BuildPlannerRecord(s.page); },
                     &wroteBack);
    s.planner.gExportingPlanner = false;
    // The user's own page is saved only into the year file; its edits must still be asked about.
    if (wroteBack) s.flags.gPlannerChanged = false;
    return ok;
}

bool SaveExternalNotes(Store& s, const std::string& contactName) {
    NotesStore& n = s.notes;
    if (!NoteFitsItsReaders(s, "SaveExternalNotes", n.gNotesBoxText)) {
        n.gExportingNotes = false;
        return false;
    }
    bool external = n.gExternalNotes;
    Date date = external && s.exchange.gExternalNotesDate ? s.exchange.gExternalNotesDate
                : n.gLoadedNoteDate                      ? n.gLoadedNoteDate
                                                         : s.dates.gSelectedDate;
    ExportSource src{"SaveExternalNotes", ".nte", "Note", s.flags.gNotesOpen, external, n.gExportFileName,
                     n.gExportFolder};
    bool wroteBack = false;
    bool ok = Export(s, src, contactName, [&] { return FormatMmDdYy(date) + ":" + n.gNotesBoxText; }, &wroteBack);
    n.gExportingNotes = false;
    if (wroteBack) {
        s.flags.gNotesChanged = false;
        n.gLoadedNoteText = n.gNotesBoxText;
    }
    return ok;
}

bool ReadExternalNotes(Store& s, const std::string& folder, const std::string& name) {
    auto content = ReadImport(s, "ReadExternalNotes", folder, name, kNotesFileLimit);
    if (!content) return false;
    std::string why;
    auto file = ParseNotesFile(*content, &why);
    if (!file) {
        RefuseImport(s, name, why);
        return false;
    }
    CheckForUnsavedNote(s);
    if (s.flags.gNavigationCancelled) {
        s.flags.gNavigationCancelled = false;
        return false;
    }
    NotesStore& n = s.notes;
    n.gExternalNotes = true;
    n.gExportingNotes = false;
    n.gExportFileName = name;
    n.gExportFolder = WithSlash(folder);
    s.exchange.gExternalNotesDate = file->date;
    Ymd d = SplitDate(file->date);
    n.gNotesCaption = "Displaying External Notes for " + MonthAbbrev(d.month) + " " + TwoDigits(d.day) + ", " +
                      std::to_string(d.year);
    n.gLoadedNoteText = file->body;
    n.gNotesBoxText = file->body;
    n.gLoadedNoteDate = file->date;
    s.flags.gNotesChanged = false;
    s.flags.gNotesLoading = true;
    if (s.hooks.ShowNotesWindow) s.hooks.ShowNotesWindow();
    s.flags.gNotesLoading = false;
    return true;
}

bool ReadExternalPlanner(Store& s, const std::string& folder, const std::string& name,
                         const std::function<void()>& loadPlannerWindow) {
    auto content = ReadImport(s, "ReadExternalPlanner", folder, name, kPlannerDayFileLimit);
    if (!content) return false;
    std::string why;
    auto file = ParsePlannerDayFile(*content, &why);
    if (!file) {
        RefuseImport(s, name, why);
        return false;
    }
    if (!ChangesSettled(s)) return false;
    if (loadPlannerWindow) loadPlannerWindow();
    s.flags.gCalendarView = 0;
    if (s.hooks.ReplaceViewWithPlanner) s.hooks.ReplaceViewWithPlanner();
    // The file's date is the page's date and the selected date: the day buttons step from it.
    SelectDate(s, file->date);
    s.planner.gPlannerPageDate = file->date;
    ReadPlannerRecord(file->body, s.page);
    s.planner.gExternalPlanner = true;
    s.planner.gExportingPlanner = false;
    s.planner.gThisYearsPlannerIndex = -1;
    s.exchange.gExternalPlannerDate = file->date;
    s.exchange.gPlannerExportFileName = name;
    s.exchange.gPlannerExportFolder = WithSlash(folder);
    s.flags.gPlannerChanged = false;
    s.flags.gPlannerLoading = true;
    if (s.hooks.ShowPlannerPage) s.hooks.ShowPlannerPage();
    s.flags.gPlannerLoading = false;
    return true;
}

std::string MailtoLink(const std::string& address, const std::string& subject, const std::string& body) {
    auto encode = [](const std::string& text, const char* keep) {
        static const char* hex = "0123456789ABCDEF";
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                out += "%0A";
            } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       std::string_view("-._~").find(char(c)) != std::string_view::npos ||
                       (c != 0 && std::string_view(keep).find(char(c)) != std::string_view::npos)) {
                out += char(c);
            } else {
                out += '%';
                out += hex[c >> 4];
                out += hex[c & 15];
            }
        }
        return out;
    };
    return "mailto:" + encode(address, "@!$'*+=,;") + "?subject=" + encode(subject, "") + "&body=" + encode(body, "");
}

} // namespace orvelle
