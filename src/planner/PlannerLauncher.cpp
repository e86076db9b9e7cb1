#include "planner/PlannerLauncher.h"

#include "views/MainShell.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"
#include "views/CalendarViews.h"
#include "store/Store.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace orvelle {

frmPlanner& LoadPlannerWindow(MainShell& main) {
    for (QMdiSubWindow* sub : main.mdiArea()->subWindowList()) {
        // A planner that has closed but is not deleted yet does not count.
        auto* loaded = qobject_cast<frmPlanner*>(sub->widget());
        if (loaded && !loaded->IsUnloaded()) return *loaded;
    }
    auto* planner = new frmPlanner(main.store());
    AddMdiChild(main.mdiArea(), planner);
    QObject* owner = main.ShellWidget();
    QObject::connect(planner, &frmPlanner::exitedToCalendar, owner,
                     [&main] { Show1YearCalendar(main.store(), main); });
    QObject::connect(planner, &frmPlanner::selectedDateChanged, owner, [&main] { main.ShowSelectedDateInPicker(); });
    // Shown once the store has put the date's page in it, after the calendar view has gone.
    QObject::connect(planner, &frmPlanner::pageShown, owner, [&main, planner] { main.ShowChild(planner); });
    return *planner;
}

void InstallPlannerWindow(MainShell& main) {
    main.SetInitializePlannerForm([&main] { LoadPlannerWindow(main).InitializePlannerForm(); });
    // The notes window's "Exit Notes and Open Planner" opens the same window.
    main.store().hooks.InitializePlannerForm = [&main] { LoadPlannerWindow(main).InitializePlannerForm(); };
}

} // namespace orvelle
