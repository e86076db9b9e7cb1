#pragma once
// The mileage and expense reports built from the planner days of a period: their rows, the
// pages of 40 rows the viewer walks through, the page totals and the clipboard text.
#include "store/Dates.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;
struct PlannerStore;

constexpr int kReportPageRows = 40;

enum class ReportKind { Mileage, Expense };

// Fields stay text, trimmed; Date is the day's key "mm/dd/yy" as stored.
struct MileageReportRow {
    std::string Date, Destination, Start, End, Total;
};
struct ExpenseReportRow {
    std::string Date, Description, Amount;
};

// The pages of one report. Each report keeps its own, so that building one report never leaves
// the other's open viewer on a page that no longer exists.
struct ReportPages {
    int gReportLastPage = 0;
    std::vector<long> gReportPageFirstRows{0};
    std::vector<long> gReportPageLastRows{kReportPageRows - 1};
    std::vector<std::array<bool, kReportPageRows>> gReportRowExcluded{{}};
    int gReportPage = 0;
    bool gReportAtFirstPage = true;
    bool gReportAtLastPage = true;
};

struct Reports {
    // Which report the main window's command asked for; cleared when its viewer closes.
    bool gExpenseReportWanted = false;
    bool gMileageReportWanted = false;
    // Both ends included.
    Date gReportStartDate = 0;
    Date gReportEndDate = 0;
    std::vector<MileageReportRow> gMileageReportRows;
    std::vector<ExpenseReportRow> gExpenseReportRows;
    ReportPages mileagePages;
    ReportPages expensePages;

    ReportPages& Pages(ReportKind k) { return k == ReportKind::Mileage ? mileagePages : expensePages; }

    long RowCount(ReportKind k) const {
        return static_cast<long>(k == ReportKind::Mileage ? gMileageReportRows.size() : gExpenseReportRows.size());
    }
    // The row's fields in column order.
    std::vector<std::string> Cells(ReportKind k, long row) const;
};

// Rows of the days of one year's planner list (with its extracts) that fall in [start, end],
// in list order and line order. Keys are read in `fileYear`, so no day loses its century.
void CollectMileageRows(const PlannerStore& year, int fileYear, Date start, Date end,
                        std::vector<MileageReportRow>& rows);
void CollectExpenseRows(const PlannerStore& year, int fileYear, Date start, Date end,
                        std::vector<ExpenseReportRow>& rows);

// Pages of 40 for `rowCount` rows, nothing excluded, page 1 shown.
void PageReport(ReportPages& pages, long rowCount);

// Builds the report of the period into s.reports. The period's year is read from its file into
// lists of the builder's own, so the store's this-year lists (and an open planner) are never
// touched.
void BuildMileageReport(Store& s);
void BuildExpenseReport(Store& s);

// "Mileage from Jan 01, 2009 to Jan 31, 2009" / "Daily Expenses from ...".
std::string ReportTitle(ReportKind k, Date start, Date end);

// A cell read as a number; text that is no number counts as 0.
double ReportNumber(std::string_view text);
// The plain form of a sum: "137.5", "19.75", "125".
std::string PlainNumberText(double v);
// The viewer's page total: "1,000" (mileage) or "5.50" (expenses).
std::string PageTotalText(ReportKind k, double total);

// Header line and one TAB-separated CR LF line per included row, captions unchanged.
std::string ReportClipboardText(ReportKind k, const std::vector<std::vector<std::string>>& includedRows);

} // namespace orvelle
