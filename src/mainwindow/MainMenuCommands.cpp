#include "mainwindow/MainMenuCommands.h"

#include "mainwindow/DesktopShortcuts.h"
#include "mainwindow/frmMain.h"
#include "platform/DataFolder.h"
#include "store/ErrorLog.h"
#include "store/Preferences.h"
#include "store/SaveChangesPrompt.h"
#include "store/ShareDrive.h"
#include "store/Store.h"
#include "views/CalendarViews.h"

#include <QCoreApplication>
#include <QFile>

namespace orvelle {
namespace {

constexpr const char* kAppTitle = "Orvelle";

} // namespace

void ShowYearViewAlone(frmMain& m) {
    Store& s = m.store();
    // The drawing closes an open planner page or note: their own questions come first.
    EditsToDrop drop;
    if (!QueryUnloadPlannerAndNotes(s, drop)) return;
    // Closing the month view would drop its changed icons: they are asked about too, and Cancel
    // there keeps the page and the note as they were.
    if (m.monthView() && !AskAboutChangedIcons(s, drop)) {
        s.flags.gNavigationCancelled = false;
        return;
    }
    ForgetDroppedEdits(s, drop);
    if (m.monthView()) {
        s.flags.gClosingMonthView = true;
        m.UnloadMonthView();
    }
    if (m.sixMonthView()) {
        s.flags.gClosingSixMonthView = true;
        m.UnloadSixMonthView();
    }
    Show1YearCalendar(s, m);
}

void mnuOptNetworkShare_Click(Store& s) { ChangeNetworkShareDrive(s); }

void mnuOptCreateShortcut_Click(Store& s, const ShortcutFolders& folders, const std::string& program) {
    std::string error;
    if (!CreateProgramShortcuts(folders, kShortcutName, program, &error, ProgramIconFile())) {
        s.ui->MsgBox("Unable to Create Shortcut : " + error + " : " + std::to_string(kErrWriteFailed), MsgButtons::OK,
                     kAppTitle);
        return;
    }
    s.ui->MsgBox("A Shortcut has been successfully added to Programs.", MsgButtons::OK, kAppTitle);
}

void ConnectMainMenuCommands(frmMain& m) {
    Store& s = m.store();
    m.Wire("mnuOptNetworkShare", [&s] { mnuOptNetworkShare_Click(s); });
    m.Wire("mnuOptCreateShortcut", [&s] {
        std::string program = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
        mnuOptCreateShortcut_Click(s, DefaultShortcutFolders(), program);
    });
}

} // namespace orvelle
