#pragma once
// "Copy Planner to Memory (to paste in another app)": the page as plain text on the clipboard,
// the format the contact list's paste command takes into an e-mail body.
#include <QString>

namespace orvelle {

struct Store;
class frmPlanner;
class PlannerPageModel;
class PlannerPageView;

// The 72 lines of the page as it shows now: CR LF between lines, TAB between caption and text,
// no line end after the total mileage.
QString PlannerClipboardText(const PlannerPageView& page, const PlannerPageModel& model);
// Puts that text on the clipboard.
void CopyPlannerToMemory(frmPlanner& w);
void ConnectPlannerClipboard(frmPlanner& w);

} // namespace orvelle
