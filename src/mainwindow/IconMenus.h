#pragma once
// The main window's icon commands: the palette ("View Insertable Icons", "Insertable Icons"),
// removing placed icons, entering template mode and the two icon saves.
namespace orvelle {

struct Store;
class frmMain;
class frmIcons;

// The palette, loaded on first use, made topmost and shown.
frmIcons& ShowIconPalette(frmMain& m);

void mnuOptDateShowIcons_Click(frmMain& m);
void mnuOptDateRemoveIcon_Click(frmMain& m);
void mnuOptDateRemoveAll_Click(frmMain& m);
void mnuFileCreateTemplate_Click(frmMain& m);
void mnuFileSaveTemplate_Click(frmMain& m);
void mnuFileSaveCalendar_Click(frmMain& m);

void ConnectIconMenus(frmMain& m);

} // namespace orvelle
