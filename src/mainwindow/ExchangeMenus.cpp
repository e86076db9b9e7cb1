#include "mainwindow/ExchangeMenus.h"

#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/frmMain.h"
#include "notes/ExchangeWindows.h"
#include "planner/frmPlanner.h"
#include "store/Exchange.h"
#include "store/Store.h"


namespace orvelle {

void ConnectExchangeMenus(frmMain& m) {
    Store& s = m.store();
    InstallExchangeWindows(s, &m);
    s.hooks.OpenExternalPlanner = [&m](const std::string& folder, const std::string& name) {
        Store& st = m.store();
        auto load = [&m] { LoadPlannerWindow(m).InitializePlannerForm(); };
        if (ReadExternalPlanner(st, folder, name, load)) m.ShowSelectedDateInPicker();
    };

    m.Wire("mnuFileOpenNotes", [&s] { s.hooks.ShowFileDialog(FileDialogMode::ExternalNotes); });
    m.Wire("mnuFileOpenPlanner", [&s] { s.hooks.ShowFileDialog(FileDialogMode::ExternalPlanner); });
    m.Wire("mnuManageEmailList", [&s] { s.hooks.ShowContactList(ExportKind::None); });
}

} // namespace orvelle
