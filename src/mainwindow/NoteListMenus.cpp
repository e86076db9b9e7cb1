#include "mainwindow/NoteListMenus.h"

#include "mainwindow/frmMain.h"
#include "notes/frmNoteList.h"
#include "notes/frmSearch.h"
#include "notes/frmToDo.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"

namespace orvelle {

void ConnectNoteListMenus(frmMain& m) {
    Store& s = m.store();
    auto openers = [&m] {
        EntryOpeners o;
        o.openPlanner = [&m] { m.OpenPlannerForSelectedDate(); };
        o.dateSelected = [&m] { m.ShowSelectedDateInPicker(); };
        // The note or the page has the keyboard in the main window, which comes to the front.
        o.entryShown = [&m] { ShowInFront(&m); };
        return o;
    };
    s.hooks.ShowToDoWindow = [&s, &m] { frmToDo::Open(s, &m); };
    m.Wire("mnuManageToDo", [&s, &m] { frmToDo::Open(s, &m); });
    m.Wire("mnuManageNotes", [&s, &m, openers] { frmNoteList::Open(s, openers(), &m); });
    m.Wire("mnuEditFind", [&s, &m, openers] { frmSearch::Open(s, openers(), &m); });
}

} // namespace orvelle
