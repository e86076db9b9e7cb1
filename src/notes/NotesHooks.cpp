#include "notes/NotesHooks.h"

#include "notes/frmNotes.h"
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
    store.hooks.UnloadNotesWindow = [&store, guarded] {
        if (!guarded) return;
        if (frmNotes* w = frmNotes::Find(guarded)) {
            store.flags.gNotesChanged = false; // the edits are being dropped
            w->CloseWindow();
        }
    };
}

} // namespace orvelle
