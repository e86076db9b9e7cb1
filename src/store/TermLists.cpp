#include "store/TermLists.h"

#include "store/DataFiles.h"
#include "store/DiskNames.h"
#include "store/ErrorLog.h"
#include "store/Exchange.h"
#include "store/FileChecks.h"
#include "store/Preferences.h"
#include "store/Store.h"
#include "store/TermCompletion.h"
#include "store/TextFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace orvelle {
namespace fs = std::filesystem;
namespace {

const char* const kDuplicateText = "File already exists. Overwrite?";
const char* const kDuplicateTitle = "Duplicate Frequent Terms File Exists";
// The most terms a list holds; further lines of a file are left out.
constexpr size_t kMostTerms = 32767;

bool EndsWithFut(std::string_view name) {
    return name.size() > 4 && LowerCase1252(std::string(name.substr(name.size() - 4))) == ".fut";
}

// The one place a list's name becomes a path.
std::string ListPath(const Store& s, const std::string& name) { return PathInFolder(s.gAppPath, name); }

// Something other than a regular file (a pipe, a device, a link to either or to nothing) stands
// where the list's file would be: told, logged and left alone. False when the place is free or
// holds a regular file.
bool SpecialFileInPlace(Store& s, const char* procName, const std::string& name) {
    const std::string path = ListPath(s, name);
    if (!PathExists(path) || PathIsFile(path)) return false;
    std::string why = PathIsFolder(path)                     ? "it is a folder"
                      : ReadRegularFile(path, 0).status == ReadStatus::Missing ? "it is a link to nothing"
                                                                                 : "it is not a regular file";
    AppendToErrorLog(s, procName, kErrBadLine, "The file " + name + " could not be read: " + why + ".");
    s.ui->MsgBox("The file \"" + name + "\" could not be read: " + why +
                     ".\r\nIt is left on disk as it is and will not be overwritten.",
                 MsgButtons::OK, "");
    return true;
}

std::string TrimBlanks(const std::string& text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

void Refresh(Store& s) {
    if (s.hooks.RefreshTermsWindow) s.hooks.RefreshTermsWindow();
}

bool AnyFUTFile(Store& s) { return !ListFUTFiles(s.gAppPath).empty(); }

// Saves the changed rows and reads the list back. A failed save (told by the writer) puts the
// rows back as they were, so the window never shows a term that is not in the file.
void SaveAndRead(Store& s, std::vector<std::string> before) {
    if (!SaveFrequentlyUsedTerms(s)) {
        s.terms.rows = std::move(before);
        Refresh(s);
        return;
    }
    ReadFrequentlyUsedTerms(s);
}

// No list named (a new data folder): the term goes into a new list, asked for as "Create New
// Frequent Terms File" does, which becomes the default. False when none was made.
bool ListToAddTo(Store& s) {
    if (!s.prefs.gFUTFileName.empty()) return true;
    CreateNewFUTFile(s);
    if (!s.terms.gFUTFileCreated) return false;
    MakeDefaultFUTFile(s);
    return true;
}

// The edit dialogs work on the window's rows: a closed window is loaded again first.
void EnsureTermsWindow(Store& s) {
    if (!s.terms.gFUTWindowLoaded && s.hooks.ShowTermsWindow) s.hooks.ShowTermsWindow(false);
}

} // namespace

std::string FUTDisplayName(const std::string& fileName) {
    return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

std::vector<std::string> ListFUTFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        std::string name = NameFromDisk(it->path().filename().string());
        if (ValidFUTFileName(name) && it->is_regular_file(typeEc)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = LowerCase1252(a), lb = LowerCase1252(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::vector<std::string> SplitTerms(const std::string& content) { return SplitLines(content); }

std::string JoinTerms(const std::vector<std::string>& rows) {
    std::string out;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i) out += "\r\n";
        out += rows[i];
    }
    return out;
}

bool ValidFUTFileName(std::string_view name) {
    if (name.size() > 255 || !EndsWithFut(name) || !PlainFileName(name)) return false;
    std::string_view stem = name.substr(0, name.size() - 4);
    return PlainFileName(stem) && stem.find_first_not_of('.') != std::string_view::npos;
}

bool RefusedFUTFileName(Store& s, const std::string& name) {
    if (IllegalFileName(s, name)) return true;
    if (ValidFUTFileName(name)) return false;
    s.ui->MsgBox("Action Cancelled. \"" + name + "\" cannot be used as a file name.", MsgButtons::OK, "");
    return true;
}

bool FUTFileExists(Store& s) {
    const std::string& name = s.prefs.gFUTFileName;
    return ValidFUTFileName(name) && FileExists(s.gAppPath, name);
}

void ReadFrequentlyUsedTerms(Store& s) {
    TermLists& t = s.terms;
    t.gFUTTerms.clear();
    const std::string& name = s.prefs.gFUTFileName;
    if (name.empty()) {
        s.ui->MsgBox("File not found.", MsgButtons::OK, "");
        Refresh(s);
        return;
    }
    // What the window shows is what the file gave, nothing when it could not be read.
    t.rows.clear();
    if (RefusedFUTFileName(s, name) || SpecialFileInPlace(s, "ReadFrequentlyUsedTerms", name)) {
        Refresh(s);
        return;
    }
    const std::string path = ListPath(s, name);
    std::string error;
    if (!FUTFileExists(s) && !WriteFileAtomic(path, "", &error)) {
        LogError(s, "ReadFrequentlyUsedTerms", kErrWriteFailed, error);
        Refresh(s);
        return;
    }
    t.caption = FUTDisplayName(name);
    {
        SkippedLines skipped(s, "ReadFrequentlyUsedTerms", path);
        std::optional<std::vector<std::string>> lines = skipped.ReadLines(SizeLimitFor(path));
        if (!lines) {
            Refresh(s);
            return;
        }
        for (size_t i = kMostTerms; i < lines->size(); ++i)
            skipped.Skip(i + 1, (*lines)[i], "a list holds at most " + std::to_string(kMostTerms) + " terms");
        if (lines->size() > kMostTerms) lines->resize(kMostTerms);
        t.gFUTTerms = std::move(*lines);
    }
    t.mnuFileEnabled = true;
    t.rows = t.gFUTTerms;
    Refresh(s);
}

bool SaveFrequentlyUsedTerms(Store& s) {
    const std::string& name = s.prefs.gFUTFileName;
    if (!ValidFUTFileName(name)) {
        LogError(s, "SaveFrequentlyUsedTerms", kErrWriteFailed,
                 "The terms were not saved: \"" + name + "\" cannot be used as the name of a terms file.");
        return false;
    }
    if (SpecialFileInPlace(s, "SaveFrequentlyUsedTerms", name)) return false;
    return SaveDataFile(s, "SaveFrequentlyUsedTerms", ListPath(s, name), JoinTerms(s.terms.rows));
}

void CreateNewFUTFile(Store& s) {
    TermLists& t = s.terms;
    std::string answer =
        s.ui->InputBox("Please enter a name for the Frequent Terms File.", "Starting New Frequent Terms File", "");
    t.gFUTFileCreated = false;
    if (answer.empty()) return;
    // Refused before any file is made: the name must stay a plain name in the data folder.
    if (IllegalFileName(s, answer)) return;
    std::string name = answer + ".fut";
    if (!ValidFUTFileName(name)) {
        s.ui->MsgBox("Action Cancelled. \"" + answer + "\" cannot be used as a file name.", MsgButtons::OK, "");
        return;
    }
    if (SpecialFileInPlace(s, "CreateNewFUTFile", name)) return;
    if (FileExists(s.gAppPath, name) &&
        s.ui->MsgBox(kDuplicateText, MsgButtons::YesNo, kDuplicateTitle) != MsgAnswer::Yes)
        return;
    std::string error;
    if (!WriteFileAtomic(ListPath(s, name), "", &error)) {
        LogError(s, "CreateNewFUTFile", kErrWriteFailed, error);
        return;
    }
    s.prefs.gFUTFileName = name;
    t.gFUTTerms.clear();
    t.gFUTFileCreated = true;
}

void MakeDefaultFUTFile(Store& s) {
    Preferences& p = s.prefs;
    std::string oldDefault = p.gDefaultFUTFile;
    if (static_cast<int>(p.gPrefLines.size()) < kPrefLineTotal) p.gPrefLines.resize(kPrefLineTotal);
    std::string oldLine = p.gPrefLines[kPrefTermsFile];
    p.gDefaultFUTFile = p.gFUTFileName;
    p.gPrefLines[kPrefTermsFile] = "Frequent Terms File:" + p.gFUTFileName;
    if (!SaveUserPreferences(s)) {
        // The file still names the old default; so does the program.
        p.gDefaultFUTFile = oldDefault;
        p.gPrefLines[kPrefTermsFile] = oldLine;
        return;
    }
    std::string current = p.gFUTFileName;
    GetUserPreferences(s);
    p.gFUTFileName = current;
    Refresh(s);
}

void DeleteCurrentFUTFile(Store& s) {
    TermLists& t = s.terms;
    if (t.gShowingMoreFUT) return;
    if (!AnyFUTFile(s)) {
        s.ui->MsgBox("No file to delete.", MsgButtons::OK, "");
        return;
    }
    if (s.prefs.gFUTFileName == s.prefs.gDefaultFUTFile) {
        s.ui->MsgBox("You cannot delete the Default Frequent Terms List. You can\r\n"
                     "delete all the items in the list from under the menu \"Edit\".",
                     MsgButtons::OK, "");
        return;
    }
    if (!FUTFileExists(s) || !RemoveFile(ListPath(s, s.prefs.gFUTFileName))) {
        s.ui->MsgBox("File not Found.", MsgButtons::OK, "");
        return;
    }
    // Its terms go with it: nothing completes from a list that is gone.
    t.gFUTTerms.clear();
    t.rows.clear();
    t.gFUTFileIndex = 0;
    Refresh(s);
}

void ShowAllFUTFiles(Store& s) {
    TermLists& t = s.terms;
    if (!t.gFUTWindowLoaded || !t.gFUTWindowVisible) return;
    t.moreFiles = ListFUTFiles(s.gAppPath);
    t.mnuFileEnabled = false;
    t.mnuFileDeleteEnabled = false;
    t.gShowingMoreFUT = true;
    Refresh(s);
}

void PickFUTFile(Store& s, int row) {
    TermLists& t = s.terms;
    if (row < 0 || row >= static_cast<int>(t.moreFiles.size())) {
        s.ui->MsgBox("No list selected.", MsgButtons::OK, "");
        return;
    }
    s.prefs.gFUTFileName = t.moreFiles[static_cast<size_t>(row)];
    t.gShowingMoreFUT = false;
    t.mnuFileDeleteEnabled = true;
    ReadFrequentlyUsedTerms(s);
    FocusTypingBox(s);
}

void SelectFUTFileByIndex(Store& s) {
    TermLists& t = s.terms;
    if (t.gFUTFileIndex < 0) t.gFUTFileIndex = 0;
    if (t.gFUTFileIndex >= static_cast<int>(t.moreFiles.size())) return;
    s.prefs.gFUTFileName = t.moreFiles[static_cast<size_t>(t.gFUTFileIndex)];
    t.gShowingMoreFUT = false;
    t.mnuFileDeleteEnabled = true;
    ReadFrequentlyUsedTerms(s);
}

void NextFUTFile(Store& s) {
    TermLists& t = s.terms;
    ShowAllFUTFiles(s);
    int count = static_cast<int>(t.moreFiles.size());
    if (count > 0) {
        t.gFUTFileIndex = t.gFUTFileIndex < count - 1 ? t.gFUTFileIndex + 1 : 0;
        SelectFUTFileByIndex(s);
    }
    FocusTypingBox(s);
}

void AddFUTTerm(Store& s, const std::string& text) {
    if (text.empty()) {
        s.ui->MsgBox("No term has been added to save.", MsgButtons::OK, "");
        return;
    }
    EnsureTermsWindow(s);
    if (!ListToAddTo(s)) return;
    std::vector<std::string> before = s.terms.rows;
    s.terms.rows.push_back(TrimBlanks(text));
    SaveAndRead(s, std::move(before));
}

void EditFUTTerm(Store& s, int row, const std::string& text) {
    // A closed window is loaded again; it then has no current row and nothing is removed.
    if (!s.terms.gFUTWindowLoaded && s.hooks.ShowTermsWindow) {
        s.hooks.ShowTermsWindow(false);
        row = -1;
    }
    if (!ListToAddTo(s)) return;
    std::vector<std::string>& rows = s.terms.rows;
    std::vector<std::string> before = rows;
    if (row >= 0 && row < static_cast<int>(rows.size())) rows.erase(rows.begin() + row);
    rows.push_back(TrimBlanks(text));
    SaveAndRead(s, std::move(before));
}

void RemoveFUTTerm(Store& s, int row) {
    std::vector<std::string>& rows = s.terms.rows;
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        s.ui->MsgBox("Nothing selected to remove.", MsgButtons::OK, "");
        return;
    }
    std::vector<std::string> before = rows;
    rows.erase(rows.begin() + row);
    SaveAndRead(s, std::move(before));
}

void ClearFUTList(Store& s) {
    if (s.terms.rows.empty()) {
        s.ui->MsgBox("There's nothing to delete.", MsgButtons::OK, "");
        return;
    }
    if (s.ui->MsgBox("This will delete all items in the list. Continue?", MsgButtons::YesNo,
                     "Preparing to Clear List") != MsgAnswer::Yes)
        return;
    std::vector<std::string> before = std::move(s.terms.rows);
    s.terms.rows.clear();
    SaveAndRead(s, std::move(before));
}

void ChangeFUTCase(Store& s, int style) {
    TermLists& t = s.terms;
    for (std::string& term : t.gFUTTerms)
        term = style == 0 ? LowerCase1252(term) : style == 1 ? ProperCase1252(term) : UpperCase1252(term);
    t.rows = t.gFUTTerms;
    Refresh(s);
}

void mnuFileShowAll(Store& s) {
    if (!AnyFUTFile(s)) {
        s.ui->MsgBox("No file exists.", MsgButtons::OK, "");
        return;
    }
    ShowAllFUTFiles(s);
}

bool OpenFrequentlyUsedTermsFile(Store& s, const std::string& path) {
    fs::path source(path);
    std::string name = NameFromDisk(source.filename().string());
    if (RefusedFUTFileName(s, name)) return false;
    std::error_code ec;
    bool inDataFolder = fs::equivalent(source.parent_path(), fs::path(s.gAppPath), ec);
    if (!inDataFolder) {
        // Lists live in the data folder: one picked elsewhere is copied in, not shadowed by an
        // empty list of the same name.
        FileRead picked = ReadRegularFile(path, SizeLimitFor(ListPath(s, name)));
        if (picked.status == ReadStatus::Missing) {
            s.ui->MsgBox("File not found.", MsgButtons::OK, "");
            return false;
        }
        if (picked.status != ReadStatus::Ok) {
            s.ui->MsgBox("The file \"" + name + "\" could not be read: " + picked.why + ".", MsgButtons::OK, "");
            return false;
        }
        const std::string& content = picked.content;
        // A list the terms window could not read back (a term longer than its boxes take) is
        // refused before anything is copied.
        if (std::string why = WhyItsReaderRefuses(ListPath(s, name), content); !why.empty()) {
            s.ui->MsgBox("The file \"" + name + "\" could not be read: " + why + ".", MsgButtons::OK, "");
            return false;
        }
        if (SpecialFileInPlace(s, "OpenFrequentlyUsedTermsFile", name)) return false;
        if (FileExists(s.gAppPath, name) &&
            s.ui->MsgBox(kDuplicateText, MsgButtons::YesNo, kDuplicateTitle) != MsgAnswer::Yes)
            return false;
        std::string error;
        if (!WriteFileAtomic(ListPath(s, name), content, &error)) {
            LogError(s, "OpenFrequentlyUsedTermsFile", kErrWriteFailed, error);
            return false;
        }
    }
    s.prefs.gFUTFileName = name;
    s.terms.gShowingMoreFUT = false;
    ReadFrequentlyUsedTerms(s);
    return true;
}

std::string FUTPositionText(double left, double top, double width, double height) {
    auto number = [](double v) {
        char buf[64];
        if (std::nearbyint(v) == v) std::snprintf(buf, sizeof buf, "%.0f", v);
        else std::snprintf(buf, sizeof buf, "%.7g", v);
        return std::string(buf);
    };
    return "Left=" + number(left) + ":Top=" + number(top) + ":Width=" + number(width) + ":Height=" + number(height);
}

bool SaveFUTWindowPosition(Store& s, double left, double top, double width, double height) {
    Preferences& p = s.prefs;
    const Preferences before = p;
    p.gFUTLeft = left;
    p.gFUTTop = top;
    p.gFUTWidth = width;
    p.gFUTHeight = height;
    p.gFUTPosition = FUTPositionText(left, top, width, height);
    if (static_cast<int>(p.gPrefLines.size()) < kPrefLineTotal) p.gPrefLines.resize(kPrefLineTotal);
    p.gPrefLines[kPrefFUTPosition] = "FUT Position:" + p.gFUTPosition;
    p.gLoadFUTPosition = true;
    p.gPrefLines[kPrefLoadFUTPosition] = "Load FUT Position:True";
    if (SaveUserPreferences(s)) return true;
    // What the file did not take is not kept either: the next preference save would write it.
    p = before;
    return false;
}

int StartPositionFromText(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    long keys = std::stol(text);
    if (keys <= 0) return 0;
    return static_cast<int>(std::min(keys, 32767L) - 1);
}

bool SaveTermPreferences(Store& s, bool showFUT, bool minimizeFUT, bool autoCompleteWord, int startPosition) {
    Preferences& p = s.prefs;
    const Preferences before = p;
    p.gShowFUT = showFUT;
    p.gMinimizeFUT = minimizeFUT;
    p.gAutoCompleteWord = autoCompleteWord;
    p.gAutoStartPosition = startPosition;
    if (static_cast<int>(p.gPrefLines.size()) < kPrefLineTotal) p.gPrefLines.resize(kPrefLineTotal);
    auto word = [](bool b) { return std::string(b ? "True" : "False"); };
    p.gPrefLines[kPrefAutoCompleteWord] = "Auto Complete Word:" + word(autoCompleteWord);
    p.gPrefLines[kPrefAutoStartPosition] = "Auto Start Position:" + std::to_string(startPosition);
    p.gPrefLines[kPrefShowFUT] = "Show FUT:" + word(showFUT);
    p.gPrefLines[kPrefMinimizeFUT] = "Minimize FUT:" + word(minimizeFUT);
    if (!SaveUserPreferences(s)) {
        p = before;
        return false;
    }
    std::string current = p.gFUTFileName;
    GetUserPreferences(s);
    p.gFUTFileName = current;
    Refresh(s);
    return true;
}

TypingBox TypingWindow(const Store& s) {
    const bool planner = s.flags.gPlannerOpen, notes = s.flags.gNotesOpen;
    if (planner && notes) return s.terms.typingIn == TypingBox::NotesBox ? TypingBox::NotesBox : TypingBox::PlannerLine;
    return planner ? TypingBox::PlannerLine : notes ? TypingBox::NotesBox : TypingBox::None;
}

void FocusTypingBox(Store& s) {
    switch (TypingWindow(s)) {
    case TypingBox::PlannerLine:
        if (s.hooks.FocusPlannerLine) s.hooks.FocusPlannerLine();
        break;
    case TypingBox::NotesBox:
        if (s.hooks.FocusNotesBox) s.hooks.FocusNotesBox();
        break;
    case TypingBox::None: break;
    }
}

bool TermListKey(Store& s, bool f2) {
    if (!s.terms.gFUTWindowLoaded) return false;
    if (f2) ShowAllFUTFiles(s);
    else NextFUTFile(s);
    return true;
}

void ShowTermsWithTypingWindow(Store& s) {
    if (s.prefs.gShowFUT && !s.terms.gFUTWindowLoaded && s.hooks.ShowTermsWindow)
        s.hooks.ShowTermsWindow(s.prefs.gMinimizeFUT);
}

CompletionRules TermRules(const Store& s, bool notesBox) {
    return {s.prefs.gAutoCompleteOn, s.prefs.gAutoStartKeys, notesBox};
}

void SetDefaultFUTGeometry(Store& s, double screenWidthTwips) {
    Preferences& p = s.prefs;
    // A kept place is used, unless it gives the window no size at all.
    if (p.gLoadFUTPosition && p.gFUTWidth > 0 && p.gFUTHeight > 0) return;
    p.gFUTLeft = screenWidthTwips < 15360 ? 8925 : 11820;
    p.gFUTTop = 3045;
    p.gFUTWidth = 2805;
    p.gFUTHeight = 6345;
}

} // namespace orvelle
