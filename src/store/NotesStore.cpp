#include "store/NotesStore.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

namespace orvelle {
namespace {

const std::string kNotesFile = "Notes.dat";
constexpr char kStoredCr = '\xD5';
constexpr char kStoredLf = '\xD2';
// "ÕÒ": the stored form of CR LF, so the two letters cannot stand together in a note.
constexpr const char* kStoredLineBreak = "\xD5\xD2";

int SelectedYear(const Store& s) { return YearOf(s.dates.gSelectedDate); }

// Makes sure the lists hold the selected date's year before a date of it is looked up or stored.
void EnsureYear(Store& s, DayListRef list, const std::string& readProc) {
    int year = SelectedYear(s);
    if (list.year != year) ReadDayFile(s, list, year, kNotesFile, 0, readProc);
}

bool SaveNotes(Store& s, DayListRef list, bool afterListDelete, const std::string& proc, const std::string& readProc) {
    if (!afterListDelete && s.notes.gNotesBoxText.find(kStoredLineBreak) != std::string::npos) {
        s.ui->MsgBox("A note cannot hold \"" + std::string(kStoredLineBreak) +
                         "\": the notes file keeps a line break as these two letters. Please put a character "
                         "between them. The note was not saved.",
                     MsgButtons::OK, "");
        return false;
    }
    if (!afterListDelete && !NoteFitsItsReaders(s, proc, s.notes.gNotesBoxText)) return false;
    if (!afterListDelete) EnsureYear(s, list, readProc);
    DayListCopy before(list);
    if (!afterListDelete) {
        int i = FindOrInsertDay(list, s.dates.gSelectedDate);
        list.texts[i] = EncodeNoteText(s.notes.gNotesBoxText);
        list.index = i;
        Cell c = CellOf(s.dates.gSelectedDate);
        list.flags[c.month][c.column][c.row] = -1;
    }
    DropBlankDays(list);
    if (list.year == 0) list.year = SelectedYear(s);
    if (!WriteDayFile(s, list, kNotesFile, proc)) {
        // The text stays in the window, still changed; the year's lists stay as the file is.
        before.RestoreTo(list);
        return false;
    }
    s.ui->MsgBox("Notes Saved", MsgButtons::OK, "");
    s.flags.gNotesChanged = false;
    return true;
}

} // namespace

bool NoteFitsItsReaders(Store& s, const std::string& procName, std::string_view text) {
    if (text.size() <= kLongestNote) return true;
    LogError(s, procName, kErrWriteFailed,
             "The note was not saved: it would take " + std::to_string(text.size()) + " bytes, more than the " +
                 std::to_string(kLongestNote) +
                 " a note may hold. Nothing was written; shorten the text and save again.");
    return false;
}

std::string EncodeNoteText(std::string_view text) {
    // Every line break, a lone CR or LF too, is stored as the pair that reads back as one.
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            out += text[i];
            continue;
        }
        out += kStoredLineBreak;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

std::string DecodeNoteText(std::string_view stored) {
    // Only the pair is a line break: a lone 0xD5 or 0xD2 is the letter it is in Windows-1252.
    std::string out(stored);
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == kStoredCr && out[i + 1] == kStoredLf) {
            out[i] = '\r';
            out[++i] = '\n';
        }
    }
    return out;
}

void ReadNotesAhead(const Store& s, int year) { ReadDayFileAhead(s, year, kNotesFile, 0); }

void ReadThisYearsNotes(Store& s) {
    ReadDayFile(s, s.notes.ThisYear(), SelectedYear(s), kNotesFile, 0, "ReadThisYearsNotes");
}

void ReadNextYearsNotes(Store& s) {
    int viewYear = s.flags.gViewYear != 0 ? s.flags.gViewYear : SelectedYear(s);
    ReadDayFile(s, s.notes.NextYear(), viewYear + 1, kNotesFile, 0, "ReadNextYearsNotes");
}

void ReadNotesOfShownYears(Store& s) {
    if (s.flags.gNotesOpen) return;
    int year = s.dates.thisYearsGridYear, next = s.dates.nextYearsGridYear;
    if (year != 0 && s.notes.thisYearsNotesYear != year)
        ReadDayFile(s, s.notes.ThisYear(), year, kNotesFile, 0, "ReadThisYearsNotes");
    if (next != 0 && s.notes.nextYearsNotesYear != next)
        ReadDayFile(s, s.notes.NextYear(), next, kNotesFile, 0, "ReadNextYearsNotes");
}

bool SaveThisYearsNotes(Store& s) {
    bool afterListDelete = s.notes.gSavingAfterListDelete;
    // The flag only describes this one call; a failed save must not turn the next one into a
    // save without the box's text.
    s.notes.gSavingAfterListDelete = false;
    return SaveNotes(s, s.notes.ThisYear(), afterListDelete, "SaveThisYearsNotes", "ReadThisYearsNotes");
}

bool SaveNextYearsNotes(Store& s) {
    return SaveNotes(s, s.notes.NextYear(), false, "SaveNextYearsNotes", "ReadNextYearsNotes");
}

bool DisplayThisNote(Store& s) {
    NotesStore& n = s.notes;
    // Every way of showing a note replaces the one in the window: ask before dropping its edits.
    CheckForUnsavedNote(s);
    if (s.flags.gNavigationCancelled) {
        s.flags.gNavigationCancelled = false;
        return false;
    }
    n.gExternalNotes = false;
    n.gExportingNotes = false;
    n.gExportFileName.clear();
    n.gExportFolder.clear();

    DateComboTexts combos = SetDateCombos(s);
    // The picker shows the note's date as every move of the selected date leaves it.
    if (s.hooks.ShowSelectedDateInPicker) s.hooks.ShowSelectedDateInPicker();
    n.gNotesCaption = "Notes for " + combos.month + " " + combos.day + ", " + combos.year;

    s.flags.gNotesLoading = true;
    DayListRef list = SelectedDateInSpannedYear(s) ? n.NextYear() : n.ThisYear();
    EnsureYear(s, list, SelectedDateInSpannedYear(s) ? "ReadNextYearsNotes" : "ReadThisYearsNotes");
    int i = FindDay(list, FormatMmDdYy(s.dates.gSelectedDate));
    list.index = i;
    // A date without a note opens empty, never with the text of the note shown before.
    n.gLoadedNoteText = i >= 0 ? DecodeNoteText(list.texts[i]) : std::string();
    n.gNotesBoxText = n.gLoadedNoteText;
    n.gLoadedNoteDate = s.dates.gSelectedDate;
    s.flags.gNotesChanged = false;
    if (s.hooks.ShowNotesWindow) s.hooks.ShowNotesWindow();
    s.flags.gNotesLoading = false;
    return true;
}

} // namespace orvelle
