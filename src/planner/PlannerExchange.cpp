#include "planner/PlannerExchange.h"

#include "planner/PlannerPageView.h"
#include "planner/PlannerTimeLabels.h"
#include "planner/frmPlanner.h"
#include "store/Exchange.h"
#include "store/Store.h"

#include <QAction>
#include <QMenuBar>

namespace orvelle {
namespace {

QAction* Item(frmPlanner& w, const char* name) { return w.MenuBar()->findChild<QAction*>(name); }

// An imported day can only be merged (or exported again); the user's own page is saved.
void ShowExchangeState(frmPlanner& w, Store& s) {
    bool imported = s.planner.gExternalPlanner;
    Item(w, "mnuFileSave")->setEnabled(!imported);
    Item(w, "mnuFileMerge")->setEnabled(imported);
    if (!imported) return;
    w.Model().gExternalFileDate = s.exchange.gExternalPlannerDate;
    w.Page()->SetDateCaption(QString::fromStdString(FormatLongDate(s.exchange.gExternalPlannerDate)));
}

} // namespace

bool mnuFileMerge_Click(frmPlanner& w, Store& s) {
    if (!s.planner.gExternalPlanner) return false;
    bool merged = w.SavePlanner();
    ShowExchangeState(w, s);
    return merged;
}

void ConnectPlannerExchange(frmPlanner& w, Store& s) {
    QAction* exportItem = Item(w, "mnuFileExport");
    exportItem->setEnabled(true);
    QObject::connect(exportItem, &QAction::triggered, &w, [&w, &s] {
        // A time still in the open editor goes out with the page, as a save takes it.
        if (!w.TimeLabels()->ApplyTypedTime()) return;
        s.planner.gExportingPlanner = true;
        SaveExternalPlanner(s);
    });

    QAction* assign = Item(w, "mnuFileExportPlannerAndAssign");
    assign->setEnabled(bool(s.hooks.ShowContactList));
    QObject::connect(assign, &QAction::triggered, &w, [&w, &s] {
        if (!s.hooks.ShowContactList || !w.TimeLabels()->ApplyTypedTime()) return;
        s.planner.gExportingPlanner = true;
        s.hooks.ShowContactList(ExportKind::Planner);
    });

    QAction* import = Item(w, "mnuFileImport");
    import->setEnabled(bool(s.hooks.ShowFileDialog));
    QObject::connect(import, &QAction::triggered, &w, [&s] {
        if (s.hooks.ShowFileDialog) s.hooks.ShowFileDialog(FileDialogMode::PlannerImport);
    });

    QObject::connect(Item(w, "mnuFileMerge"), &QAction::triggered, &w, [&w, &s] { mnuFileMerge_Click(w, s); });
    QObject::connect(&w, &frmPlanner::pageShown, &w, [&w, &s] { ShowExchangeState(w, s); });
    ShowExchangeState(w, s);
}

} // namespace orvelle
