#include "notes/EntryOpening.h"

#include "store/NotesStore.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

namespace orvelle {
namespace {

// After a Cancel (or a failed save): nothing opens, and the next command starts afresh.
bool Stopped(Store& s) {
    s.flags.gNavigationCancelled = false;
    return false;
}

} // namespace

bool OpenYearEntry(Store& s, const EntryOpeners& openers, EntryKind kind, int year, const std::string& key,
                   bool fromSearch) {
    const bool planner = kind == EntryKind::Planners;
    YearEntries e = ReadYearEntries(s, kind, year);
    auto date = ParseMmDdYy(key, year);
    if (!date || FindDay(e.Ref(), key) < 0) {
        s.ui->MsgBox(planner ? "Couldn't find planner to open." : "Couldn't find note to open.", MsgButtons::OK, "");
        return false;
    }
    if (planner && !openers.openPlanner) return false;
    // The window being replaced asks first, while the selected date is still its own.
    EditsToDrop drop;
    if (planner ? !AskAboutUnsavedChanges(s, drop) : !AskAboutChangedNote(s, drop)) return Stopped(s);
    // A note of another month moves the selected date away from the month view, whose next
    // drawing shows that month: the shown month's changed icons are asked about now, and Cancel
    // there keeps the note as it was.
    bool leavesMonth = s.flags.gCalendarView == 1 && (MonthOf(*date) != MonthOf(s.dates.gSelectedDate) ||
                                                     YearOf(*date) != YearOf(s.dates.gSelectedDate));
    if (!planner && leavesMonth && !AskAboutChangedIcons(s, drop)) return Stopped(s);
    DropEdits(s, drop);

    if (fromSearch) {
        s.search.gSearchActive = true;
        if (planner) {
            s.search.gSearchLine = 0;
            s.search.gSearchPos = 0;
        }
    }
    Date before = s.dates.gSelectedDate;
    SelectDate(s, *date);
    if (planner) {
        openers.openPlanner();
    } else if (!DisplayThisNote(s)) {
        SelectDate(s, before);
        return false;
    }
    if (openers.dateSelected) openers.dateSelected();
    // What was opened is what the user reads or types into next, not the list it came from.
    if (openers.entryShown) openers.entryShown();
    return true;
}

} // namespace orvelle
