#pragma once
// Puts the planner window into the main window: the main window's planner command loads it as
// an MDI child filling the child area, and the planner's exits and day buttons update the
// main window.
class QWidget;

namespace orvelle {

class frmMain;
class frmPlanner;

// Makes "Open Planner for Selected Date" and the planner tool button open frmPlanner.
void InstallPlannerWindow(frmMain& main);

// The loaded planner window, loading it into the child area first when it is not loaded;
// its page is not reset here.
frmPlanner& LoadPlannerWindow(frmMain& main);

// When `child` is the planner window: where the keyboard goes back into the page, its current
// line (the one the time commands act on) or the time editor the user was in. Null for any
// other window.
QWidget* PlannerCurrentLine(QWidget* child);

} // namespace orvelle
