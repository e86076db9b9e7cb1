#pragma once
// Opens the report period pickers from File > "Generate Expense Report" and "Generate Mileage
// Report" and shows the built report in its viewer in the child area.
namespace orvelle {

class frmMain;
class frmReport;
enum class ReportKind;

void ConnectReportMenus(frmMain& m);

// Builds the report of the stored period and shows it, reusing an open viewer of its kind. The
// month view's changed icons must have been settled before (MonthIconsSettled).
frmReport& GenerateReportInto(frmMain& m, ReportKind kind);

} // namespace orvelle
