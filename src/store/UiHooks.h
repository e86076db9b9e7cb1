#pragma once
// Calls from the store into windows that the GUI wires up at start-up. Each defaults to doing
// nothing, so the store works (and is tested) without any window.
#include <functional>
#include <string>

namespace orvelle {

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
    // Close the planner or notes window, discarding its edits.
    std::function<void()> UnloadPlannerWindow;
    std::function<void()> UnloadNotesWindow;
    // Repaints the open calendar view after a manager saved.
    std::function<void()> RedrawCurrentView;
    // Refreshes the main window's alert and birthday indicators.
    std::function<void()> RefreshIndicators;
    // Refills the To Do pane of the open calendar view from the list just read.
    std::function<void()> RefreshToDoPane;
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
