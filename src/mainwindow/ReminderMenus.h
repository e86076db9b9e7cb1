#pragma once
// Opens the reminder windows from the main window: the alert manager (Manage > Alerts, the
// alert button's left click, the alert picture, "Set Alert for Selected Date"), the birthday
// manager (Manage > Birthdays, the birthday picture), the holiday manager and the alarm clock.
namespace orvelle {

class frmMain;

void ConnectReminderMenus(frmMain& m);

} // namespace orvelle
