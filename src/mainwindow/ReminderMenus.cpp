#include "mainwindow/ReminderMenus.h"

#include "mainwindow/frmMain.h"
#include "reminders/frmAlarm.h"
#include "reminders/frmAlert.h"
#include "reminders/frmBDay.h"
#include "reminders/frmHolidays.h"
#include "store/Store.h"
#include "views/ViewPanels.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

namespace orvelle {
namespace {

// The pending lists beside the calendars follow what the managers changed.
void RefreshPendingLists(frmMain& m) {
    const Store& s = m.store();
    for (QWidget* view : {static_cast<QWidget*>(m.yearView()), static_cast<QWidget*>(m.sixMonthView()),
                          static_cast<QWidget*>(m.monthView())}) {
        if (!view) continue;
        LoadAlertList(s, view);
        LoadBirthdayList(s, view);
    }
}

frmAlert* ShowAlertManager(frmMain& m) {
    bool wasOpen = frmAlert::Find(&m) != nullptr;
    frmAlert* w = frmAlert::Open(m.store(), &m);
    if (!wasOpen) QObject::connect(w, &frmAlert::Unloaded, &m, [&m] { RefreshPendingLists(m); });
    return w;
}

void mnuOptDateSetAlert_Click(frmMain& m) {
    Store& s = m.store();
    s.alerts.gAlertDate = s.dates.gSelectedDate;
    s.alerts.gAddingNewAlert = true;
    frmAlert* open = frmAlert::Find(&m);
    // An open manager is not reloaded; it starts the new alert for the date instead.
    if (open) open->StartNewAlert(s.dates.gSelectedDate);
    ShowAlertManager(m);
}

void ShowBirthdayManager(frmMain& m) {
    bool wasOpen = m.findChild<frmBDay*>("frmBDay", Qt::FindDirectChildrenOnly) != nullptr;
    frmBDay* w = frmBDay::Open(m.store(), &m);
    if (wasOpen) return;
    // The calendar shown is not drawn again (that would close the notes or planner open over
    // it); it shows changed birthdays when it is next drawn. Only its pending lists follow.
    QObject::connect(w, &frmBDay::Unloaded, &m, [&m] { RefreshPendingLists(m); });
}

} // namespace

void ConnectReminderMenus(frmMain& m) {
    Store& s = m.store();
    m.SetAlertManagerOpener([&m] { ShowAlertManager(m); });
    m.SetBirthdayManagerOpener([&m] { ShowBirthdayManager(m); });
    m.Wire("mnuManageAlerts", [&m, &s] {
        s.alerts.gAlertViewPending = false;
        ShowAlertManager(m);
    });
    m.Wire("mnuOptDateSetAlert", [&m] { mnuOptDateSetAlert_Click(m); });
    m.Wire("mnuManageBDays", [&m] { ShowBirthdayManager(m); });
    m.Wire("mnuManageHolidays", [&m, &s] { frmHolidays::Open(s, &m); });
    m.Wire("mnuToolsAlarm", [&m, &s] { frmAlarm::Open(s, &m); });
}

} // namespace orvelle
