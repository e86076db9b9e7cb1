#pragma once
// A year's file of one text per date ("Notes.dat", "Planner.dat" in the year's folder): lines
// "mm/dd/yy:MMCCRR:text", one per date, in date order. The lists kept in memory are sorted by
// date and hold each date once, so list position, index and sorted date list always agree.
#include "store/DateModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

// The lists of one year of one file, as references into NotesStore or PlannerStore.
struct DayListRef {
    std::vector<std::string>& texts;
    std::vector<std::string>& dates;
    std::vector<std::string>& stamps;
    std::vector<std::string>& sorted;   // the sorted date list the list windows read
    YearGrid<std::int16_t>& flags;      // -1 where the date has an entry
    int& index;                         // the open entry, -1 for none
    int& year;                          // the year the lists hold; 0 before the first read
};

// One line of a day file taken apart. The stamp is the one the date's cell gives; a stale or
// spoilt stamp in the file is corrected.
struct DayLine {
    Date date = 0;
    std::string key;    // "mm/dd/yy"
    std::string stamp;  // "MMCCRR"
    std::string text;
};

// nullopt with *why set for a line that is not "mm/dd/yy:MMCCRR:text" of a date in `year`.
std::optional<DayLine> ParseDayLine(std::string_view line, int year, std::string* why);

std::string YearFolder(const Store& s, int year);  // "<gAppPath><yyyy>/"

// Empties the lists, the sorted date list and the grid, and forgets the open entry.
void ClearDayList(DayListRef list, int year);

// Reads the year's file into the lists. A missing folder or file gives an empty year. Bad lines
// are logged under procName and skipped; of two lines for one date the first with text counts;
// blank texts are left out. With textLength (not 0) the texts are planner records of that
// length: a short one is completed as PadPlannerRecord does, a long one cut, which (like a
// skipped line) copies the file into Backup before the next save.
// The open entry keeps its date when that date is still there.
void ReadDayFile(Store& s, DayListRef list, int year, const std::string& fileName, size_t textLength,
                 const std::string& procName);

// Starts reading the year's file and taking its lines apart on a thread of its own, beside the
// making of the main window: the year's planner file alone can hold megabytes. The next
// ReadDayFile of that file takes the lines so read when the file is still the one that was read
// (the same file, size and times) and says what it has to say about them then, as when it reads
// the file itself; otherwise it reads the file itself.
void ReadDayFileAhead(const Store& s, int year, const std::string& fileName, size_t textLength);

// Position of the date key in the lists, or -1.
int FindDay(const DayListRef& list, std::string_view key);

// The position of `date`, inserting an empty entry (with its stamp) in date order when missing.
int FindOrInsertDay(DayListRef list, Date date);

// Removes the entries whose text is blank, keeping the open entry's index right; returns how
// many went.
size_t DropBlankDays(DayListRef list);

// The file's content: one CR LF line per non-blank entry, in list order.
std::string DayFileContent(const DayListRef& list);

// A copy of one year's lists, put back when a save that changed them did not happen: the lists
// then hold what the file holds, and a later save of another date does not write these changes.
struct DayListCopy {
    explicit DayListCopy(const DayListRef& list);
    void RestoreTo(DayListRef list) const;

    std::vector<std::string> texts, dates, stamps, sorted;
    YearGrid<std::int16_t> flags;
    int index, year;
};

// Writes the lists to the year's file, creating the folder when missing. A failure is reported
// through LogError under procName and leaves the old file as it was.
bool WriteDayFile(Store& s, const DayListRef& list, const std::string& fileName, const std::string& procName);

} // namespace orvelle
