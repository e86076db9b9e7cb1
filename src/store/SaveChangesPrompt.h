#pragma once
// Before a step that would throw edits away: ask, in this order, about changed month icons, the
// changed planner page and the changed note; Yes saves, No drops the edits, Cancel sets
// gNavigationCancelled and stops. A save that fails counts as Cancel, so the edits stay.
#include "store/UiHooks.h"

#include <functional>
#include <string>

namespace orvelle {

struct Store;

// A window's own question before it closes with unsaved edits (`changed`): Yes runs `save` (one
// that fails keeps the window and its edits), No drops the edits, Cancel keeps the window.
CloseAnswer AskToSaveBeforeClosing(Store& s, bool changed, const std::string& text, const std::string& title,
                                   const std::function<bool()>& save);

// The edits answered No in a step that asks more than one question. They are dropped only once
// the step goes on: a Cancel at a later question (or a failed save) leaves them changed, to be
// asked about again.
struct EditsToDrop {
    bool icons = false;
    bool templateMode = false;  // what gTemplateMode was when the icons were dropped
    bool planner = false;
    bool notes = false;
};

// The prompt's questions with the No answers held back in `drop` (a question already answered
// No there is not asked again): false on Cancel (or a failed save), with gNavigationCancelled set.
bool AskAboutUnsavedChanges(Store& s, EditsToDrop& drop);
bool AskAboutChangedIcons(Store& s, EditsToDrop& drop);
bool AskAboutChangedNote(Store& s, EditsToDrop& drop);
// Clears the changed flags of the dropped edits; their windows stay (a drawing closes them).
void ForgetDroppedEdits(Store& s, const EditsToDrop& drop);
// ForgetDroppedEdits, and the planner and notes windows whose edits were dropped close.
void DropEdits(Store& s, const EditsToDrop& drop);
// After a step that forgot them stopped half way: the dropped edits whose windows are still
// open count as changed again.
void KeepDroppedEdits(Store& s, const EditsToDrop& drop);

void CheckForUnsavedChanges(Store& s);
// CheckForUnsavedChanges for a command that goes on only when nothing was cancelled: false on
// Cancel (or a failed save), with the cancel flag cleared for the next command.
bool ChangesSettled(Store& s);
// Its question about the changed note alone, for steps that replace only the shown note.
void CheckForUnsavedNote(Store& s);
// Its question about the changed month icons alone, for steps that close only the month view;
// false on Cancel (or a failed save), with the cancel flag cleared.
bool MonthIconsSettled(Store& s);

// The saves the prompt runs when no window has put its own save command into the hooks: the
// page (or the note box) is stored for its date in this year's or, for the following year of a
// year-spanning six-month view, next year's lists and file, then read back unless the program
// is closing. The open page and the open note are stored under their own dates, even when
// another date has been selected since they were shown.
bool SavePlannerPageToYear(Store& s);
bool SaveNoteToYear(Store& s);

// Before a command draws a calendar view over the open planner and notes windows (which the
// drawing closes): each window with unsaved edits asks its own close question. False when the
// user cancelled (or a save failed); the command then stops and leaves the view as it was.
bool QueryUnloadPlannerAndNotes(Store& s);
// The same with the No answers held back in `drop`, for a step that asks more before it goes on.
bool QueryUnloadPlannerAndNotes(Store& s, EditsToDrop& drop);

} // namespace orvelle
