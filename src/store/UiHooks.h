#pragma once
// Calls from the store into windows that the GUI wires up at start-up. Each defaults to doing
// nothing, so the store works (and is tested) without any window.
#include <functional>
#include <string>

namespace orvelle {

enum class FileDialogMode : int;
enum class ExportKind : int;

// A window's answer to its close question: nothing to keep it (unchanged, or saved), No to its
// edits, or Cancel (a failed save counts as Cancel).
enum class CloseAnswer { Close, DropEdits, Cancel };

struct UiHooks {
    // Save commands of the open windows, run by the save-changes prompt. Return false on failure.
    std::function<bool()> SaveMonthIcons;
    std::function<bool()> SavePlanner;
    std::function<bool()> SaveNotes;
    // Shows the notes window for the note prepared by DisplayThisNote.
    std::function<void()> ShowNotesWindow;
    // Fills the open planner window from the page buffers.
    std::function<void()> ShowPlannerPage;
    // Closes the calendar view and sets the main window's buttons and menus for the planner.
    std::function<void()> ReplaceViewWithPlanner;
    // Close the planner or notes window. A window still holding edits asks its own close
    // question first and may stay open.
    std::function<void()> UnloadPlannerWindow;
    std::function<void()> UnloadNotesWindow;
    // The close questions of the open planner and notes windows, asked before a command draws a
    // view over them: Yes saves under the window's own date; No is only answered, and the caller
    // drops the edits once its command goes on; on Cancel the window stays open.
    std::function<CloseAnswer()> QueryUnloadPlanner;
    std::function<CloseAnswer()> QueryUnloadNotes;
    // Loads the planner window (when it is not loaded) and resets its page for a new date.
    std::function<void()> InitializePlannerForm;
    // After the monthly template was saved (today is then the selected date): closes the
    // one-month view and draws the twelve-month view.
    std::function<void()> TemplateSaved;
    // Writes the selected date into the main window's date picker.
    std::function<void()> ShowSelectedDateInPicker;
    // The selected date has moved (SelectDate): what follows it, such as the date menu's mark
    // items, follows it now.
    std::function<void()> SelectedDateChanged;
    // Repaints the open calendar view after a manager saved.
    std::function<void()> RedrawCurrentView;
    // Refreshes the main window's alert and birthday indicators.
    std::function<void()> RefreshIndicators;
    // Refills the To Do pane of the open calendar view from the list just read.
    std::function<void()> RefreshToDoPane;
    // Opens the to-do window over the main window (the planner's "Edit Default To Do List").
    std::function<void()> ShowToDoWindow;

    // The open-file dialog in one of its modes, and the contact list with the export it was
    // opened for. While unset, the commands that open them are disabled.
    std::function<void(FileDialogMode)> ShowFileDialog;
    std::function<void(ExportKind)> ShowContactList;
    // Hands a planner day file picked in the open-file dialog to the planner window.
    std::function<void(const std::string& folder, const std::string& name)> OpenExternalPlanner;
    // Hands a terms file picked in the open-file dialog to the terms; while unset the dialog
    // offers no terms mode.
    std::function<void(const std::string& path)> OpenTermsFile;
    // Gives a "mailto:" link to the desktop's mail program; tests read the link here. While
    // unset the desktop is asked directly. False when nothing could take the link.
    std::function<bool(const std::string& url)> OpenMailLink;
    // The terms window: load and show it (reading the current list), close it, show the term
    // state again after the store changed it.
    std::function<void(bool minimized)> ShowTermsWindow;
    std::function<void()> UnloadTermsWindow;
    std::function<void()> RefreshTermsWindow;
    // The boxes the terms window writes into: the planner's active line, the notes box. Put a
    // term in by key (Left/Insert in the term list), or only give the box the focus back.
    std::function<void(const std::string& term)> KeyTermIntoPlanner;
    std::function<void(const std::string& term)> KeyTermIntoNotes;
    std::function<void()> FocusPlannerLine;
    std::function<void()> FocusNotesBox;
    // The term preferences dialog.
    std::function<void()> ShowTermPreferences;
    // The open-file dialog in its terms-file mode ("Open Another Frequent Terms File").
    std::function<void()> ShowFileDialogForTerms;
};

} // namespace orvelle
