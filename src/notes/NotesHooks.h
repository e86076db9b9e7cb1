#pragma once
// Wires the store's calls for the notes window to the main window's MDI area; the main window
// calls this once at start-up.
#include <functional>

class QMdiArea;

namespace orvelle {

struct Store;

// store.hooks.ShowNotesWindow shows the note prepared by DisplayThisNote in the notes window of
// `area` (loading it when needed); store.hooks.UnloadNotesWindow closes that window (asking
// its close question when the note is still changed); store.hooks.QueryUnloadNotes asks that
// question alone; store.hooks.SaveNotes saves through that window's Save when it is open.
// Escape in the notes window closes it and then runs show1YearCalendar.
void InstallNotesHooks(Store& store, QMdiArea* area, std::function<void()> show1YearCalendar = {});

} // namespace orvelle
