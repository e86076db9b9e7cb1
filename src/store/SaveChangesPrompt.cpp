#include "store/SaveChangesPrompt.h"

#include "store/IconFiles.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

namespace orvelle {

CloseAnswer AskToSaveBeforeClosing(Store& s, bool changed, const std::string& text, const std::string& title,
                                   const std::function<bool()>& save) {
    if (!changed) return CloseAnswer::Close;
    switch (s.ui->MsgBox(text, MsgButtons::YesNoCancel, title)) {
    case MsgAnswer::Yes: return save() ? CloseAnswer::Close : CloseAnswer::Cancel;
    case MsgAnswer::No: return CloseAnswer::DropEdits;
    default: return CloseAnswer::Cancel;
    }
}

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

namespace {

// False on Cancel; No is noted in `dropped`.
bool QueryUnload(const std::function<CloseAnswer()>& query, bool& dropped) {
    switch (query()) {
    case CloseAnswer::Cancel: return false;
    case CloseAnswer::DropEdits: dropped = true; return true;
    default: return true;
    }
}

} // namespace

bool QueryUnloadPlannerAndNotes(Store& s, EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (f.gPlannerOpen && f.gPlannerChanged && !drop.planner && s.hooks.QueryUnloadPlanner &&
        !QueryUnload(s.hooks.QueryUnloadPlanner, drop.planner))
        return false;
    if (f.gNotesOpen && f.gNotesChanged && !drop.notes && s.hooks.QueryUnloadNotes &&
        !QueryUnload(s.hooks.QueryUnloadNotes, drop.notes))
        return false;
    return true;
}

bool QueryUnloadPlannerAndNotes(Store& s) {
    EditsToDrop drop;
    if (!QueryUnloadPlannerAndNotes(s, drop)) return false;
    ForgetDroppedEdits(s, drop);
    return true;
}

void ForgetDroppedEdits(Store& s, const EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (drop.icons) {
        f.gMonthIconsChanged = false;
        f.gTemplateMode = false;
    }
    if (drop.planner) f.gPlannerChanged = false;
    if (drop.notes) f.gNotesChanged = false;
}

void DropEdits(Store& s, const EditsToDrop& drop) {
    ForgetDroppedEdits(s, drop);
    if (drop.planner && s.hooks.UnloadPlannerWindow) s.hooks.UnloadPlannerWindow();
    if (drop.notes && s.hooks.UnloadNotesWindow) s.hooks.UnloadNotesWindow();
}

void KeepDroppedEdits(Store& s, const EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (drop.icons && f.gMonthViewOpen) {
        f.gMonthIconsChanged = true;
        f.gTemplateMode = drop.templateMode;
    }
    if (drop.planner && f.gPlannerOpen) f.gPlannerChanged = true;
    if (drop.notes && f.gNotesOpen) f.gNotesChanged = true;
}

bool AskAboutChangedIcons(Store& s, EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (!f.gMonthIconsChanged || drop.icons) return true;
    switch (Ask(s, "Monthly Icons have been changed. Do you want to save those changes?", "Month Has Changed")) {
    case MsgAnswer::Yes:
        if (Run(s.hooks.SaveMonthIcons, SaveMonthIconsToFile, s)) return true;
        break;
    case MsgAnswer::No:
        drop.icons = true;
        drop.templateMode = f.gTemplateMode;
        return true;
    default: break;
    }
    Stop(s);
    return false;
}

bool AskAboutChangedNote(Store& s, EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (!f.gNotesOpen || !f.gNotesChanged || drop.notes) return true;
    switch (Ask(s, "The Notes have been changed. Do you want to save those changes?", "Notes Have Changed")) {
    case MsgAnswer::Yes:
        if (Run(s.hooks.SaveNotes, SaveNoteToYear, s)) return true;
        break;
    case MsgAnswer::No:
        drop.notes = true;
        return true;
    default: break;
    }
    Stop(s);
    return false;
}

bool AskAboutUnsavedChanges(Store& s, EditsToDrop& drop) {
    UiFlags& f = s.flags;
    if (!AskAboutChangedIcons(s, drop)) return false;
    if (f.gPlannerOpen && f.gPlannerChanged && !drop.planner) {
        switch (Ask(s, "The Planner has been changed. Do you want to save those changes?", "Planner Has Changed")) {
        case MsgAnswer::Yes:
            if (!Run(s.hooks.SavePlanner, SavePlannerPageToYear, s)) {
                Stop(s);
                return false;
            }
            break;
        case MsgAnswer::No: drop.planner = true; break;
        default: Stop(s); return false;
        }
    }
    return AskAboutChangedNote(s, drop);
}

bool MonthIconsSettled(Store& s) {
    EditsToDrop drop;
    if (AskAboutChangedIcons(s, drop)) {
        DropEdits(s, drop);
        return true;
    }
    s.flags.gNavigationCancelled = false;
    return false;
}

void CheckForUnsavedChanges(Store& s) {
    EditsToDrop drop;
    if (AskAboutUnsavedChanges(s, drop)) DropEdits(s, drop);
}

bool ChangesSettled(Store& s) {
    CheckForUnsavedChanges(s);
    if (!s.flags.gNavigationCancelled) return true;
    s.flags.gNavigationCancelled = false;
    return false;
}

void CheckForUnsavedNote(Store& s) {
    EditsToDrop drop;
    if (AskAboutChangedNote(s, drop)) DropEdits(s, drop);
}

} // namespace orvelle
