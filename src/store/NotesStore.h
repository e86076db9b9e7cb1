#pragma once
// One free-text note per date, kept per year in "<yyyy>/Notes.dat" for the shown year and the
// next. In the file a note's CR LF is the pair of bytes 0xD5 0xD2, so that a note of several
// lines stays one line; either byte alone is its letter ("Õ", "Ò"). The lists keep that stored
// form.
#include "store/DateModel.h"
#include "store/DayFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

struct NotesStore {
    // This year's notes, parallel and in date order; position i is also lstNotes entry i.
    std::vector<std::string> gThisYearsNoteTexts;
    std::vector<std::string> gThisYearsNoteDates;   // "mm/dd/yy"
    std::vector<std::string> gThisYearsNoteStamps;  // "MMCCRR"
    std::vector<std::string> lstNotes;              // the sorted date list
    YearGrid<std::int16_t> gThisYearsNoteFlags{};
    int gThisYearsNoteIndex = -1;
    int thisYearsNotesYear = 0;  // the year the lists hold; 0 before the first read

    std::vector<std::string> gNextYearsNoteTexts;
    std::vector<std::string> gNextYearsNoteDates;
    std::vector<std::string> gNextYearsNoteStamps;
    std::vector<std::string> lstNotes2;
    YearGrid<std::int16_t> gNextYearsNoteFlags{};
    int gNextYearsNoteIndex = -1;
    int nextYearsNotesYear = 0;

    int gThisYearsNoteCount() const { return static_cast<int>(gThisYearsNoteDates.size()); }
    int gNextYearsNoteCount() const { return static_cast<int>(gNextYearsNoteDates.size()); }

    // The note box's text with CR LF line breaks, kept current by the notes window; the saves
    // store it.
    std::string gNotesBoxText;
    // The text as the note was put into the box; the window compares the box with it.
    std::string gLoadedNoteText;
    // The date whose note is in the box (0 before the first); its text is saved under it.
    Date gLoadedNoteDate = 0;
    // "Notes for March 05, 2009"
    std::string gNotesCaption;

    // Set by the note list window before it saves a year whose entry it has blanked.
    bool gSavingAfterListDelete = false;

    // Exchange state of exported or imported notes and planner days, reset when a note or a
    // planner page of the year files is shown.
    bool gExternalNotes = false;
    bool gExportingNotes = false;
    std::string gExportFileName;
    std::string gExportFolder;

    DayListRef ThisYear() {
        return {gThisYearsNoteTexts, gThisYearsNoteDates, gThisYearsNoteStamps, lstNotes,
                gThisYearsNoteFlags, gThisYearsNoteIndex, thisYearsNotesYear};
    }
    DayListRef NextYear() {
        return {gNextYearsNoteTexts, gNextYearsNoteDates, gNextYearsNoteStamps, lstNotes2,
                gNextYearsNoteFlags, gNextYearsNoteIndex, nextYearsNotesYear};
    }
};

// CR LF text <-> the stored form (CR = 0xD5, LF = 0xD2; read back only as the pair).
std::string EncodeNoteText(std::string_view text);
std::string DecodeNoteText(std::string_view stored);

// False, told and logged, when the note `text` (with CR LF line breaks) is longer than a note
// may be (kLongestNote): the saves and the export then write nothing.
bool NoteFitsItsReaders(Store& s, const std::string& procName, std::string_view text);

// This year = the selected date's year; next year = the year after the shown view's.
void ReadThisYearsNotes(Store& s);
// The year's notes file read ahead for the next read of that year (ReadDayFileAhead).
void ReadNotesAhead(const Store& s, int year);
void ReadNextYearsNotes(Store& s);
// Puts the lists back on the years of the calendar's date grids where a note of another year
// has taken their place, so that the calendar tells by cell which dates have notes. Only while
// no notes window works on the lists.
void ReadNotesOfShownYears(Store& s);
// Store the note box's text as the selected date's note (unless after a list delete) and
// rewrite the year file; "Notes Saved". False, with gNotesChanged left set, when the file could
// not be written or the text holds "ÕÒ", which would read back as a line break (told).
bool SaveThisYearsNotes(Store& s);
bool SaveNextYearsNotes(Store& s);
// Prepares the selected date's note (caption, box text, loaded text, open index) and asks the
// window to show it. A changed note in the open window is offered for saving first; false, with
// the window and its note left as they are, when the user cancels there (or the save failed).
bool DisplayThisNote(Store& s);

} // namespace orvelle
