#include "mainwindow/TermMenus.h"

#include "mainwindow/frmMain.h"
#include "notes/TermHooks.h"
#include "notes/frmFUT.h"
#include "notes/frmPref.h"
#include "store/Exchange.h"
#include "store/Store.h"
#include "store/TermLists.h"

namespace orvelle {

void ConnectTermMenus(frmMain& m) {
    Store& s = m.store();
    InstallTermHooks(s);
    // The terms window's "Open Another Frequent Terms File" goes through the open-file dialog.
    s.hooks.OpenTermsFile = [&s](const std::string& path) { OpenFrequentlyUsedTermsFile(s, path); };
    s.hooks.ShowFileDialogForTerms = [&s] {
        if (s.hooks.ShowFileDialog) s.hooks.ShowFileDialog(FileDialogMode::Terms);
    };
    m.Wire("mnuManageFUTList", [&s] { frmFUT::ShowWindow(s); });
    m.Wire("mnuFileOpenFUT", [&s] { frmFUT::ShowWindow(s); });
    m.Wire("mnuManageFUTPreferences", [&s] { frmPref::ShowDialog(s); });
}

} // namespace orvelle
