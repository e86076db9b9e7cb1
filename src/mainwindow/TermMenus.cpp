#include "mainwindow/TermMenus.h"

#include "mainwindow/frmMain.h"
#include "notes/TermHooks.h"
#include "notes/frmFUT.h"
#include "notes/frmPref.h"
#include "store/Store.h"

namespace orvelle {

void ConnectTermMenus(frmMain& m) {
    Store& s = m.store();
    InstallTermHooks(s);
    m.Wire("mnuManageFUTList", [&s] { frmFUT::ShowWindow(s); });
    m.Wire("mnuFileOpenFUT", [&s] { frmFUT::ShowWindow(s); });
    m.Wire("mnuManageFUTPreferences", [&s] { frmPref::ShowDialog(s); });
}

} // namespace orvelle
