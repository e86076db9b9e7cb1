#include "store/YearEntries.h"

#include "store/PhraseSearch.h"
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

#include <algorithm>

namespace orvelle {
namespace {

const char* FileOf(EntryKind k) { return k == EntryKind::Notes ? "Notes.dat" : "Planner.dat"; }
size_t TextLengthOf(EntryKind k) { return k == EntryKind::Notes ? 0 : kPlannerRecordLength; }

// The store's this-year and next-year lists of that kind which hold `year`, re-read from the file.
void RereadStoreLists(Store& s, EntryKind kind, int year) {
    if (kind == EntryKind::Notes) {
        if (s.notes.thisYearsNotesYear == year)
            ReadDayFile(s, s.notes.ThisYear(), year, FileOf(kind), 0, "ReadThisYearsNotes");
        if (s.notes.nextYearsNotesYear == year)
            ReadDayFile(s, s.notes.NextYear(), year, FileOf(kind), 0, "ReadNextYearsNotes");
    } else {
        if (s.planner.thisYearsPlannerYear == year) {
            ReadDayFile(s, s.planner.ThisYear(), year, FileOf(kind), kPlannerRecordLength, "ReadThisYearsPlanner");
            BuildPlannerExtracts(s.planner);
        }
        if (s.planner.nextYearsPlannerYear == year)
            ReadDayFile(s, s.planner.NextYear(), year, FileOf(kind), kPlannerRecordLength, "ReadNextYearsPlanner");
    }
}

} // namespace

YearEntries ReadYearEntries(Store& s, EntryKind kind, int year) {
    YearEntries e;
    e.kind = kind;
    ReadDayFile(s, e.Ref(), year, FileOf(kind), TextLengthOf(kind),
                kind == EntryKind::Notes ? "ReadThisYearsNotes" : "ReadThisYearsPlanner");
    e.year = year;
    return e;
}

int EntryMonth(std::string_view key) {
    if (key.size() < 2 || key[0] < '0' || key[0] > '9' || key[1] < '0' || key[1] > '9') return 0;
    return (key[0] - '0') * 10 + (key[1] - '0');
}

std::vector<std::string> EntryKeysInMonth(const YearEntries& e, int month) {
    std::vector<std::string> keys;
    for (const std::string& key : e.dates)
        if (month == 0 || EntryMonth(key) == month) keys.push_back(key);
    return keys;
}

std::vector<std::string> FindPhraseInYear(const YearEntries& e, std::string_view phrase, int month) {
    std::vector<std::string> keys;
    PhraseMatcher matcher(phrase, e.kind == EntryKind::Notes);
    const size_t n = std::min(e.dates.size(), e.texts.size());
    for (size_t i = 0; i < n; ++i) {
        if (month != 0 && EntryMonth(e.dates[i]) != month) continue;
        if (matcher.In(e.texts[i])) keys.push_back(e.dates[i]);
    }
    return keys;
}

int DeleteYearEntries(Store& s, EntryKind kind, int year, const std::vector<std::string>& keys, bool saveEvenIfNone) {
    YearEntries e = ReadYearEntries(s, kind, year);
    int gone = 0;
    for (const std::string& key : keys) {
        int i = FindDay(e.Ref(), key);
        if (i < 0 || e.texts[static_cast<size_t>(i)].empty()) continue;
        e.texts[static_cast<size_t>(i)].clear();
        ++gone;
    }
    if (gone == 0 && !saveEvenIfNone) return 0;
    DropBlankDays(e.Ref());
    const bool notes = kind == EntryKind::Notes;
    if (!WriteDayFile(s, e.Ref(), FileOf(kind), notes ? "SaveThisYearsNotes" : "SaveThisYearsPlannerFile"))
        return -1;
    s.ui->MsgBox(notes ? "Notes Saved" : "Planner Records Updated", MsgButtons::OK, "");
    // Not a redraw of the view: that would close the open notes and planner windows.
    RereadStoreLists(s, kind, year);
    return gone;
}

} // namespace orvelle
