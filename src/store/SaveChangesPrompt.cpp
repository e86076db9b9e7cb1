#include "store/SaveChangesPrompt.h"

#include "store/IconFiles.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

namespace orvelle {
namespace {

bool Run(const std::function<bool()>& hook, bool (*fallback)(Store&), Store& s) {
    return hook ? hook() : fallback(s);
}

bool SaveMonthIconsToFile(Store& s) {
    if (!s.flags.gTemplateMode) return Save1MonthIcons(s);
    if (!WriteTemplateIcons(s)) return false;
    s.flags.gTemplateMode = false;
    return true;
}

MsgAnswer Ask(Store& s, const char* text, const char* title) {
    return s.ui->MsgBox(text, MsgButtons::YesNoCancel, title);
}

// Yes with a failed save keeps the edits: the caller must not go on and drop them.
void Stop(Store& s) { s.flags.gNavigationCancelled = true; }

} // namespace

bool SavePlannerPageToYear(Store& s) {
    bool closing = s.flags.gMainWindowClosing;
    if (SelectedDateInSpannedYear(s)) {
        if (!SavePlannerRecord2(s) || !SaveNextYearsPlannerFile(s)) return false;
        if (!closing) ReadNextYearsPlanner(s);
    } else {
        if (!SavePlannerRecord(s) || !SaveThisYearsPlannerFile(s)) return false;
        if (!closing) ReadThisYearsPlanner(s);
    }
    return true;
}

bool SaveNoteToYear(Store& s) {
    // A press on another date selects it before any question comes; the box still holds the
    // note of the date it was shown for, and that is where its text belongs.
    struct NoteDateSelected {
        Store& s;
        Date selected;
        ~NoteDateSelected() {
            s.dates.gSelectedDate = selected;
            SetDateVariables(s);
        }
    } restore{s, s.dates.gSelectedDate};
    if (s.flags.gNotesOpen && s.notes.gLoadedNoteDate != 0) {
        s.dates.gSelectedDate = s.notes.gLoadedNoteDate;
        SetDateVariables(s);
    }
    bool closing = s.flags.gMainWindowClosing;
    if (SelectedDateInSpannedYear(s)) {
        if (!SaveNextYearsNotes(s)) return false;
        if (!closing) ReadNextYearsNotes(s);
    } else {
        if (!SaveThisYearsNotes(s)) return false;
        if (!closing) ReadThisYearsNotes(s);
    }
    return true;
}

void CheckForUnsavedChanges(Store& s) {
    UiFlags& f = s.flags;
    if (f.gMonthIconsChanged) {
        switch (Ask(s, "Monthly Icons have been changed. Do you want to save those changes?", "Month Has Changed")) {
        case MsgAnswer::Yes:
            if (!Run(s.hooks.SaveMonthIcons, SaveMonthIconsToFile, s)) {
                Stop(s);
                return;
            }
            break;
        case MsgAnswer::No:
            f.gMonthIconsChanged = false;
            f.gTemplateMode = false;
            break;
        default:
            Stop(s);
            return;
        }
    }
    if (f.gPlannerOpen && f.gPlannerChanged) {
        switch (Ask(s, "The Planner has been changed. Do you want to save those changes?", "Planner Has Changed")) {
        case MsgAnswer::Yes:
            if (!Run(s.hooks.SavePlanner, SavePlannerPageToYear, s)) {
                Stop(s);
                return;
            }
            break;
        case MsgAnswer::No:
            f.gPlannerChanged = false;
            if (s.hooks.UnloadPlannerWindow) s.hooks.UnloadPlannerWindow();
            break;
        default:
            Stop(s);
            return;
        }
    }
    CheckForUnsavedNote(s);
}

void CheckForUnsavedNote(Store& s) {
    UiFlags& f = s.flags;
    if (f.gNotesOpen && f.gNotesChanged) {
        switch (Ask(s, "The Notes have been changed. Do you want to save those changes?", "Notes Have Changed")) {
        case MsgAnswer::Yes:
            if (!Run(s.hooks.SaveNotes, SaveNoteToYear, s)) Stop(s);
            break;
        case MsgAnswer::No:
            f.gNotesChanged = false;
            if (s.hooks.UnloadNotesWindow) s.hooks.UnloadNotesWindow();
            break;
        default:
            Stop(s);
            break;
        }
    }
}

} // namespace orvelle
