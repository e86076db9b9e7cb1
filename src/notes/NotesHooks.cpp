#include "notes/NotesHooks.h"

#include "notes/frmNotes.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

#include <QMdiArea>
#include <QPointer>

namespace orvelle {

void InstallNotesHooks(Store& store, QMdiArea* area, std::function<void()> show1YearCalendar) {
    QPointer<QMdiArea> guarded(area);
    store.hooks.ShowNotesWindow = [&store, guarded, show1YearCalendar] {
        if (!guarded) return;
        frmNotes* w = frmNotes::ShowPreparedNote(store, guarded);
        w->SetShowYearView(show1YearCalendar);
    };
    // Yes at the save question runs the window's own Save, so that the saved text becomes the
    // window's reference for later edits; without a window the store saves the note itself.
    store.hooks.SaveNotes = [&store, guarded] {
        if (frmNotes* w = guarded ? frmNotes::Find(guarded) : nullptr) return w->mnuFileSave_Click();
        return SaveNoteToYear(store);
    };
    // A note whose edits were not settled before asks its own question as it closes.
    store.hooks.UnloadNotesWindow = [guarded] {
        if (frmNotes* w = guarded ? frmNotes::Find(guarded) : nullptr) w->CloseWindow();
    };
    store.hooks.QueryUnloadNotes = [guarded] {
        frmNotes* w = guarded ? frmNotes::Find(guarded) : nullptr;
        return w ? w->AskToClose() : CloseAnswer::Close;
    };
}

} // namespace orvelle
