#pragma once
namespace orvelle {

class frmMain;

// The date calculators of the "Date Functions" menu.
void ConnectDateFunctionMenus(frmMain& m);

} // namespace orvelle
