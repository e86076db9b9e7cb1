#include "store/Preferences.h"

#include "store/Clock.h"
#include "store/ErrorLog.h"
#include "store/FileChecks.h"
#include "store/Numbers.h"
#include "store/Store.h"
#include "store/TermLists.h"
#include "store/TextFile.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace orvelle {
namespace {

constexpr long kErrTypeMismatch = 13;
const char* const kPrefFile = "UserPreferences.txt";

const std::array<std::string, kPrefLineTotal> kKeys = {
    "App First Instance:",   "Shared Directory:",    "Company Name:",      "Company Address 1:",
    "Company Address 2:",    "Company City, State Zip:", "Company Phone:", "Company Fax:",
    "Company Website:",      "Company Email:",       "Auto Complete Word:", "Auto Start Position:",
    "Show FUT:",             "Minimize FUT:",        "Software Install Date:", "Default Printer:",
    "",                      "Frequent Terms File:", "Load FUT Position:", "FUT Position:"};

std::string Trimmed(const std::string& text) {
    size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = text.find_last_not_of(" \t");
    return text.substr(b, e - b + 1);
}

void LogBadLine(Store& s, int index, const std::string& what) {
    AppendToErrorLog(s, "GetUserPreferences", kErrTypeMismatch,
                     "Line " + std::to_string(index + 1) + " of " + kPrefFile + " " + what + ": \"" +
                         s.prefs.gPrefLines[index] + "\"");
}

// An empty value keeps what the program holds; one that does not convert is logged and kept too.
void ReadBool(Store& s, int index, bool& target) {
    std::string value = PrefValue(s.prefs.gPrefLines[index], index);
    if (Trimmed(value).empty()) return;
    if (auto b = ParsePrefBool(value))
        target = *b;
    else
        LogBadLine(s, index, "is not True or False");
}

void ReadInt16(Store& s, int index, int& target) {
    std::string value = PrefValue(s.prefs.gPrefLines[index], index);
    if (Trimmed(value).empty()) return;
    auto n = ParseNumber(value);
    if (n && std::nearbyint(*n) >= -32768 && std::nearbyint(*n) <= 32767)
        target = static_cast<int>(std::nearbyint(*n));
    else
        LogBadLine(s, index, "is not a whole number");
}

void DeriveShareFolders(Store& s) {
    Preferences& p = s.prefs;
    std::string value = PrefValue(p.gPrefLines[kPrefSharedDirectory], kPrefSharedDirectory);
    if (value.empty()) return;
    if (value.size() != 1 || !std::isalpha(static_cast<unsigned char>(value[0]))) {
        LogBadLine(s, kPrefSharedDirectory, "is not a drive letter");
        return;
    }
    p.gShareDrive = value;
    p.gShareRoot = ShareRootForDrive(value[0]);
    p.gSharePlannersFolder = p.gShareRoot + "Planners And Notes";
}

// A missing or short file still leaves every expected line in place, keyed and empty.
void PadLineTable(Preferences& p) {
    for (size_t i = p.gPrefLines.size(); i < kKeys.size(); ++i) p.gPrefLines.push_back(kKeys[i]);
    p.gPrefLineCount = static_cast<int>(p.gPrefLines.size());
}

} // namespace

const std::string& PrefKey(int index) {
    static const std::string none;
    return index >= 0 && index < kPrefLineTotal ? kKeys[static_cast<size_t>(index)] : none;
}

std::string PrefValue(const std::string& line, int index) {
    size_t keyLength = PrefKey(index).size();
    return line.size() > keyLength ? line.substr(keyLength) : std::string();
}

std::optional<bool> ParsePrefBool(const std::string& text) {
    std::string t = Trimmed(text);
    std::string lower;
    for (char c : t) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto n = ParseNumber(t)) return *n != 0;
    return std::nullopt;
}

std::string ShareRootForDrive(char letter) {
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const char* drives = std::getenv("ORVELLE_DRIVES");
    std::string base = drives && *drives ? drives : "/mnt";
    if (base.back() != '/') base += '/';
    return base + lower + "/";
}

void ParseFUTPosition(const std::string& text, Preferences& p) {
    struct Item {
        const char* key;
        double* target;
        bool toEnd;
    };
    const Item items[] = {{"Left=", &p.gFUTLeft, false},
                          {"Top=", &p.gFUTTop, false},
                          {"Width=", &p.gFUTWidth, false},
                          {"Height=", &p.gFUTHeight, true}};
    for (const Item& item : items) {
        size_t at = text.find(item.key);
        if (at == std::string::npos) continue;
        size_t start = at + std::string(item.key).size();
        size_t end = item.toEnd ? std::string::npos : text.find(':', start);
        std::string number = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (auto v = ParseNumber(number)) *item.target = *v;
    }
}

int MatchDefaultPrinter(const std::vector<std::string>& printerNames, const std::string& name) {
    if (name.empty()) return -1;
    for (size_t i = 0; i < printerNames.size(); ++i)
        if (printerNames[i] == name) return static_cast<int>(i);
    return -1;
}

void GetUserPreferences(Store& s) {
    Preferences& p = s.prefs;
    {
        // An unreadable file is told and then read as empty; its save is refused, so it survives.
        SkippedLines skipped(s, "GetUserPreferences", s.gAppPath + kPrefFile);
        p.gPrefLines = skipped.ReadLines().value_or(std::vector<std::string>{});
    }
    PadLineTable(p);

    p.gFirstInstance = false;
    ReadBool(s, kPrefFirstInstance, p.gFirstInstance);
    if (p.gFirstInstance) {
        p.gPrefLines[kPrefFirstInstance] = "App First Instance:False";
        p.gInstallDate = Clock::Today();
        p.gPrefLines[kPrefInstallDate] = "Software Install Date:" + FormatShortDate(p.gInstallDate);
    }

    ReadBool(s, kPrefAutoCompleteWord, p.gAutoCompleteWord);
    ReadInt16(s, kPrefAutoStartPosition, p.gAutoStartPosition);
    ReadBool(s, kPrefShowFUT, p.gShowFUT);
    ReadBool(s, kPrefMinimizeFUT, p.gMinimizeFUT);
    p.gDefaultPrinter = PrefValue(p.gPrefLines[kPrefDefaultPrinter], kPrefDefaultPrinter);

    // The terms list is a plain ".fut" name in the data folder; any other name is refused.
    std::string termsFile = PrefValue(p.gPrefLines[kPrefTermsFile], kPrefTermsFile);
    if (!termsFile.empty() && !ValidFUTFileName(termsFile)) {
        LogBadLine(s, kPrefTermsFile, "is not the name of a terms file in the data folder");
        termsFile.clear();
    }
    p.gDefaultFUTFile = termsFile;
    ReadBool(s, kPrefLoadFUTPosition, p.gLoadFUTPosition);
    p.gFUTPosition = PrefValue(p.gPrefLines[kPrefFUTPosition], kPrefFUTPosition);
    if (!p.gDefaultFUTFile.empty()) p.gFUTFileName = p.gDefaultFUTFile;

    DeriveShareFolders(s);
    p.gAutoStartKeys = p.gAutoStartPosition;
    p.gAutoCompleteOn = p.gAutoCompleteWord;

    if (p.gFirstInstance) SaveUserPreferences(s);

    ParseFUTPosition(p.gFUTPosition, p);

    if (!FolderExists(s, s.gAppPath, "Backup") && !MakeFolder(s.gAppPath + "Backup"))
        AppendToErrorLog(s, "GetUserPreferences", kErrWriteFailed, "Cannot create the folder " + s.gAppPath + "Backup");
}

bool SaveUserPreferences(Store& s) {
    Preferences& p = s.prefs;
    PadLineTable(p);
    return SaveDataFile(s, "SaveUserPreferences", s.gAppPath + kPrefFile, JoinCrLf(p.gPrefLines));
}

bool SetShareDrive(Store& s, const std::string& letter) {
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0]))) return false;
    Preferences& p = s.prefs;
    PadLineTable(p);
    std::string lower(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0]))));
    std::string old = p.gPrefLines[kPrefSharedDirectory];
    p.gPrefLines[kPrefSharedDirectory] = "Shared Directory:" + lower;
    if (!SaveUserPreferences(s)) {
        // The file still names the old drive; so must the program.
        p.gPrefLines[kPrefSharedDirectory] = old;
        return false;
    }
    DeriveShareFolders(s);
    return true;
}

} // namespace orvelle
