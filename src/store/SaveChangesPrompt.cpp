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
    if (!SaveTemplateIcons(s)) return false;
    // As the menu command ends: the template's month view gives way to today's year.
    if (!s.flags.gMainWindowClosing && s.hooks.TemplateSaved) s.hooks.TemplateSaved();
    return true;
}

MsgAnswer Ask(Store& s, const char* text, const char* title) {
    return s.ui->MsgBox(text, MsgButtons::YesNoCancel, title);
}

// Yes with a failed save keeps the edits: the caller must not go on and drop them.
void Stop(Store& s) { s.flags.gNavigationCancelled = true; }

} // namespace

namespace {

// A press on another date selects it before any question comes, and the notes window may open
// another date over the planner; the window still holds the page or note of the date it was
// shown for, and that is where its text belongs. The selected date comes back afterwards.
class WindowDateSelected {
public:
    WindowDateSelected(Store& s, Date windowDate) : s_(s), selected_(s.dates.gSelectedDate) {
        if (windowDate == 0 || windowDate == selected_) return;
        s_.dates.gSelectedDate = windowDate;
        SetDateVariables(s_);
        swapped_ = true;
    }
    ~WindowDateSelected() {
        if (!swapped_) return;
        s_.dates.gSelectedDate = selected_;
        SetDateVariables(s_);
    }
    WindowDateSelected(const WindowDateSelected&) = delete;
    WindowDateSelected& operator=(const WindowDateSelected&) = delete;

private:
    Store& s_;
    Date selected_;
    bool swapped_ = false;
};

} // namespace

bool SavePlannerPageToYear(Store& s) {
    WindowDateSelected pageDate(s, s.flags.gPlannerOpen ? s.planner.gPlannerPageDate : 0);
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
    WindowDateSelected noteDate(s, s.flags.gNotesOpen ? s.notes.gLoadedNoteDate : 0);
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

bool QueryUnloadPlannerAndNotes(Store& s) {
    UiFlags& f = s.flags;
    if (f.gPlannerOpen && f.gPlannerChanged && s.hooks.QueryUnloadPlanner && !s.hooks.QueryUnloadPlanner()) return false;
    if (f.gNotesOpen && f.gNotesChanged && s.hooks.QueryUnloadNotes && !s.hooks.QueryUnloadNotes()) return false;
    return true;
}

namespace {

// False when the user cancelled or the save failed (the cancel flag is then set).
bool CheckForUnsavedIcons(Store& s) {
    UiFlags& f = s.flags;
    if (!f.gMonthIconsChanged) return true;
    switch (Ask(s, "Monthly Icons have been changed. Do you want to save those changes?", "Month Has Changed")) {
    case MsgAnswer::Yes:
        if (Run(s.hooks.SaveMonthIcons, SaveMonthIconsToFile, s)) return true;
        break;
    case MsgAnswer::No:
        f.gMonthIconsChanged = false;
        f.gTemplateMode = false;
        return true;
    default: break;
    }
    Stop(s);
    return false;
}

} // namespace

bool MonthIconsSettled(Store& s) {
    if (CheckForUnsavedIcons(s)) return true;
    s.flags.gNavigationCancelled = false;
    return false;
}

void CheckForUnsavedChanges(Store& s) {
    UiFlags& f = s.flags;
    if (!CheckForUnsavedIcons(s)) return;
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

bool ChangesSettled(Store& s) {
    CheckForUnsavedChanges(s);
    if (!s.flags.gNavigationCancelled) return true;
    s.flags.gNavigationCancelled = false;
    return false;
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
