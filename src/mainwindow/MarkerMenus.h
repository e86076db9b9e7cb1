#pragma once
// The main window's marker dialogs (Manage > Date Markers) and the two print commands of the
// one-month calendar.
namespace orvelle {

class frmMain;

void mnuManageUserColors_Click(frmMain& m);
void mnuManageDisplayedMarks_Click(frmMain& m);
// Both print items give the same page: birthdays are listed whenever their category is shown.
void mnuFilePrintCalendar_Click(frmMain& m);

void ConnectMarkerMenus(frmMain& m);

} // namespace orvelle
