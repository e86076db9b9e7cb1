#include "render/ViewDrawing.h"

#include "mainwindow/frmMain.h"
#include "store/Store.h"

namespace orvelle {

void ClearChildAreaForView(Store& s, frmMain& m) {
    if (s.flags.gPlannerOpen && s.hooks.UnloadPlannerWindow) s.hooks.UnloadPlannerWindow();
    if (s.flags.gNotesOpen && s.hooks.UnloadNotesWindow) s.hooks.UnloadNotesWindow();
    m.picScroll->hide();
}

} // namespace orvelle
