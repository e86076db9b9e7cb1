#include "mainwindow/PlannerLauncher.h"

#include "mainwindow/frmMain.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"
#include "store/Store.h"
#include "views/CalendarViews.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace orvelle {

frmPlanner& LoadPlannerWindow(frmMain& main) {
    for (QMdiSubWindow* sub : main.mdiArea()->subWindowList()) {
        // A planner that has closed but is not deleted yet does not count.
        auto* loaded = qobject_cast<frmPlanner*>(sub->widget());
        if (loaded && !loaded->IsUnloaded()) return *loaded;
    }
    auto* planner = new frmPlanner(main.store());
    AddMdiChild(main.mdiArea(), planner);
    QObject::connect(planner, &frmPlanner::exitedToCalendar, &main, [&main] { Show1YearCalendar(main.store(), main); });
    QObject::connect(planner, &frmPlanner::selectedDateChanged, &main, [&main] { main.ShowSelectedDateInPicker(); });
    // Shown once the store has put the date's page in it, after the calendar view has gone.
    QObject::connect(planner, &frmPlanner::pageShown, &main, [&main, planner] { main.ShowChild(planner); });
    return *planner;
}

QWidget* PlannerCurrentLine(QWidget* child) {
    auto* planner = qobject_cast<frmPlanner*>(child);
    return planner && !planner->IsUnloaded() ? planner->TypingControl() : nullptr;
}

void InstallPlannerWindow(frmMain& main) {
    main.SetInitializePlannerForm([&main] { LoadPlannerWindow(main).InitializePlannerForm(); });
    // The notes window's "Exit Notes and Open Planner" opens the same window.
    main.store().hooks.InitializePlannerForm = [&main] { LoadPlannerWindow(main).InitializePlannerForm(); };
}

} // namespace orvelle
