#include "mainwindow/MarkerMenus.h"

#include "mainwindow/MarkCommands.h"
#include "mainwindow/frmMain.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"
#include "views/Print1MonthCalendar.h"
#include "views/frmColors.h"
#include "views/frmMarkers.h"

#include <QAction>

namespace orvelle {

void mnuManageUserColors_Click(frmMain& m) {
    frmColors::Open(m.store(), &m, [&m] {
        m.ApplyMarkerCaptions();
        if (frmMarkers* w = frmMarkers::Find(&m)) w->LoadCheckBoxes();
    });
}

void mnuManageDisplayedMarks_Click(frmMain& m) {
    Store& s = m.store();
    bool fresh = !frmMarkers::Find(&m);
    MarkerDisplayCommands commands{
        [&s, &m](int i, bool shown) { mnuEditMark_Click(s, m, i, shown); },
        [&s, &m](bool shown) { shown ? mnuEditMarksShowAll_Click(s, m) : mnuEditMarksHideAll_Click(s, m); },
        [&s, &m] { mnuEditMarkerSaveSettings_Click(s, m); },
    };
    frmMarkers* w = frmMarkers::Open(s, &m, std::move(commands));
    if (!fresh) return;
    // The Edit menu's display commands move the boxes too while the window is open.
    QStringList items{"mnuEditMarksHideAll", "mnuEditMarksShowAll"};
    for (int i = 0; i < kMarkerCount; ++i) items << QString("mnuEditMark_%1").arg(i);
    for (const QString& name : items)
        if (QAction* a = m.Menu(name)) QObject::connect(a, &QAction::triggered, w, &frmMarkers::LoadCheckBoxes);
}

void mnuFilePrintCalendar_Click(frmMain& m) {
    Print1MonthCalendar(m.store());
}

void ConnectMarkerMenus(frmMain& m) {
    m.Wire("mnuManageUserColors", [&m] { mnuManageUserColors_Click(m); });
    m.Wire("mnuManageDisplayedMarks", [&m] { mnuManageDisplayedMarks_Click(m); });
    m.Wire("mnuFilePrintCalendar", [&m] { mnuFilePrintCalendar_Click(m); });
    m.Wire("mnuFilePrintBirthdays", [&m] { mnuFilePrintCalendar_Click(m); });
}

} // namespace orvelle
