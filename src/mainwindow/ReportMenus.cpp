#include "mainwindow/ReportMenus.h"

#include "mainwindow/frmMain.h"
#include "platform/MdiCaption.h"
#include "platform/MdiChildren.h"
#include "platform/WindowRegistry.h"
#include "reports/ReportPickers.h"
#include "reports/frmReport.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/CalendarViews.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace orvelle {
namespace {

frmReport* OpenViewer(frmMain& m, ReportKind kind) {
    for (QMdiSubWindow* sub : m.mdiArea()->subWindowList()) {
        auto* w = qobject_cast<frmReport*>(sub->widget());
        if (w && w->kind() == kind && w->isVisible()) return w;
    }
    return nullptr;
}

void OpenPicker(frmMain& m, ReportKind kind) {
    Store& s = m.store();
    // The picker is told which report it builds; the other request no longer stands.
    s.reports.gExpenseReportWanted = kind == ReportKind::Expense;
    s.reports.gMileageReportWanted = kind == ReportKind::Mileage;
    // A picker that is open already (either of the two) is brought forward and now builds this
    // report, so a second command never stacks a second picker.
    for (QWidget* open : m.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* month = qobject_cast<frmSelectMonth*>(open);
        auto* startEnd = qobject_cast<frmSelectStartEnd*>(open);
        if ((!month && !startEnd) || !open->isVisible()) continue;
        if (month) month->SetKind(kind);
        if (startEnd) startEnd->SetKind(kind);
        if (open->isMinimized()) open->showNormal();
        ShowInFront(open);
        return;
    }
    auto generate = [&m](ReportKind k) {
        // The report covers the month view (the mileage report closes it): changed icons are
        // settled first, and Cancel builds nothing.
        if (MonthIconsSettled(m.store())) GenerateReportInto(m, k);
    };
    auto* w = new frmSelectMonth(s, kind, generate, &m);
    CenterForm(w);
    // A dialog to answer: above a window kept on top, such as the terms window.
    ShowInFront(w);
}

} // namespace

frmReport& GenerateReportInto(frmMain& m, ReportKind kind) {
    Store& s = m.store();
    if (kind == ReportKind::Mileage) {
        BuildMileageReport(s);
        // The mileage report takes the child area from the calendar views.
        if (m.yearView()) { s.flags.gClosingYearView = true; m.UnloadYearView(); }
        if (m.sixMonthView()) { s.flags.gClosingSixMonthView = true; m.UnloadSixMonthView(); }
        if (m.monthView()) { s.flags.gClosingMonthView = true; m.UnloadMonthView(); }
    } else {
        BuildExpenseReport(s);
    }
    frmReport* w = OpenViewer(m, kind);
    if (!w) {
        w = new frmReport(s, kind);
        AddMdiChild(m.mdiArea(), w);
        QObject::connect(w, &frmReport::exitedToCalendar, &m, [&m] { Show1YearCalendar(m.store(), m); });
    }
    w->ShowFirstPage();
    m.ShowChild(w);
    // The picker that started the build has gone: the keyboard comes back to the main window
    // and into the report, so that Esc closes it straight away.
    FocusWithItsWindow(w);
    // Closed alone, the report gives the main window back the caption of what lies beneath.
    LendFrameCaption(w, kind == ReportKind::Mileage ? "Orvelle: Mileage Report" : "Orvelle: Expense Report");
    return *w;
}

void ConnectReportMenus(frmMain& m) {
    m.Wire("mnuFileOpenExpenses", [&m] { OpenPicker(m, ReportKind::Expense); });
    m.Wire("mnuFileOpenMiles", [&m] { OpenPicker(m, ReportKind::Mileage); });
}

} // namespace orvelle
