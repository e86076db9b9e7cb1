#include "mainwindow/DateFunctionMenus.h"

#include "mainwindow/frmMain.h"
#include "reports/frmDateDiff.h"
#include "reports/frmNumDays.h"
#include "store/DateTools.h"

namespace orvelle {

void ConnectDateFunctionMenus(frmMain& m) {
    Store& s = m.store();
    for (const IntervalUnit& u : kIntervalUnits) {
        if (!*u.menuItem) continue;
        const char* code = u.code;
        m.Wire(u.menuItem, [&s, &m, code] { frmDateDiff::Open(s, &m, code); });
    }
    m.Wire("mnuNumOfDays", [&s, &m] { frmNumDays::Open(s, &m); });
}

} // namespace orvelle
