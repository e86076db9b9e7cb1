#include "store/Reports.h"

#include "store/DateText.h"
#include "store/DayFile.h"
#include "store/Numbers.h"
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/Store.h"

#include <cstdio>

namespace orvelle {
namespace {

std::string Trim(std::string_view t) {
    size_t b = t.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = t.find_last_not_of(" \t");
    return std::string(t.substr(b, e - b + 1));
}

// The day of a key "mm/dd/yy" in the year of the file it came from; 0 for a key that is not.
Date KeyDate(const std::string& key, int fileYear) {
    if (key.size() < 5 || key[2] != '/') return 0;
    int m = (key[0] - '0') * 10 + (key[1] - '0');
    int d = (key[3] - '0') * 10 + (key[4] - '0');
    if (!IsValidDate(fileYear, m, d)) return 0;
    return DateSerial(fileYear, m, d);
}

bool InPeriod(const std::string& key, int fileYear, Date start, Date end) {
    Date d = KeyDate(key, fileYear);
    return d != 0 && start <= d && d <= end;
}

// The period's year as the report's own copy of the planner lists.
void ReadPeriodYear(Store& s, PlannerStore& year, int fileYear, const char* proc) {
    ReadDayFile(s, year.ThisYear(), fileYear, "Planner.dat", kPlannerRecordLength, proc);
    BuildPlannerExtracts(year);
}

} // namespace

std::vector<std::string> Reports::Cells(ReportKind k, long row) const {
    if (k == ReportKind::Mileage) {
        const MileageReportRow& r = gMileageReportRows[static_cast<size_t>(row)];
        return {r.Date, r.Destination, r.Start, r.End, r.Total};
    }
    const ExpenseReportRow& r = gExpenseReportRows[static_cast<size_t>(row)];
    return {r.Date, r.Description, r.Amount};
}

void CollectMileageRows(const PlannerStore& p, int fileYear, Date start, Date end, std::vector<MileageReportRow>& rows) {
    rows.clear();
    for (size_t i = 0; i < p.gThisYearsPlannerDates.size(); ++i) {
        if (i >= p.gPlannerHasMileage.size() || !p.gPlannerHasMileage[i]) continue;
        const std::string& key = p.gThisYearsPlannerDates[i];
        if (!InPeriod(key, fileYear, start, end)) continue;
        for (int j = 0; j < 5; ++j) {
            MileageReportRow r{key, Trim(p.gPlannerMileageDests[i][j]), Trim(p.gPlannerMileageBegins[i][j]),
                               Trim(p.gPlannerMileageEnds[i][j]), Trim(p.gPlannerMileageTotals[i][j])};
            if (r.Destination.empty() && r.Start.empty() && r.End.empty() && r.Total.empty()) continue;
            rows.push_back(std::move(r));
        }
    }
}

void CollectExpenseRows(const PlannerStore& p, int fileYear, Date start, Date end, std::vector<ExpenseReportRow>& rows) {
    rows.clear();
    for (size_t i = 0; i < p.gThisYearsPlannerDates.size(); ++i) {
        if (i >= p.gPlannerHasExpenses.size() || !p.gPlannerHasExpenses[i]) continue;
        const std::string& key = p.gThisYearsPlannerDates[i];
        if (!InPeriod(key, fileYear, start, end)) continue;
        for (int j = 0; j < 6; ++j) {
            ExpenseReportRow r{key, Trim(p.gPlannerExpenseTexts[i][j]), Trim(p.gPlannerExpenseAmounts[i][j])};
            if (r.Description.empty() && r.Amount.empty()) continue;
            rows.push_back(std::move(r));
        }
    }
}

void PageReport(ReportPages& pg, long rowCount) {
    pg.gReportLastPage = static_cast<int>(rowCount / kReportPageRows);
    size_t pages = static_cast<size_t>(pg.gReportLastPage) + 1;
    pg.gReportPageFirstRows.assign(pages, 0);
    pg.gReportPageLastRows.assign(pages, 0);
    for (size_t p = 0; p < pages; ++p) {
        pg.gReportPageFirstRows[p] = static_cast<long>(p) * kReportPageRows;
        pg.gReportPageLastRows[p] = pg.gReportPageFirstRows[p] + kReportPageRows - 1;
    }
    pg.gReportRowExcluded.assign(pages, std::array<bool, kReportPageRows>{});
    pg.gReportPage = 0;
    pg.gReportAtFirstPage = true;
    pg.gReportAtLastPage = pg.gReportLastPage == 0;
}

void BuildMileageReport(Store& s) {
    Reports& r = s.reports;
    int year = YearOf(r.gReportStartDate);
    PlannerStore p;
    ReadPeriodYear(s, p, year, "LoadMileageReport");
    CollectMileageRows(p, year, r.gReportStartDate, r.gReportEndDate, r.gMileageReportRows);
    PageReport(r.mileagePages, r.RowCount(ReportKind::Mileage));
}

void BuildExpenseReport(Store& s) {
    Reports& r = s.reports;
    int year = YearOf(r.gReportStartDate);
    PlannerStore p;
    ReadPeriodYear(s, p, year, "LoadExpenseReport");
    CollectExpenseRows(p, year, r.gReportStartDate, r.gReportEndDate, r.gExpenseReportRows);
    PageReport(r.expensePages, r.RowCount(ReportKind::Expense));
}

std::string ReportTitle(ReportKind k, Date start, Date end) {
    return std::string(k == ReportKind::Mileage ? "Mileage from " : "Daily Expenses from ") + FormatMmmDdYyyy(start) +
           " to " + FormatMmmDdYyyy(end);
}

double ReportNumber(std::string_view text) {
    return ParseNumber(text).value_or(0.0);
}

std::string PlainNumberText(double v) {
    std::string t = FormatFixed(v, 6);
    if (t.find('.') != std::string::npos) {
        while (!t.empty() && t.back() == '0') t.pop_back();
        if (!t.empty() && t.back() == '.') t.pop_back();
    }
    if (t == "-0") t = "0";
    return t;
}

std::string PageTotalText(ReportKind k, double total) {
    return k == ReportKind::Mileage ? FormatGrouped(total, 0) : FormatGrouped(total, 2);
}

std::string ReportClipboardText(ReportKind k, const std::vector<std::vector<std::string>>& includedRows) {
    std::string text = k == ReportKind::Mileage ? "Date\tDestination\tStart\tEnd\tTotal\r\n" : "Date\tDescription\tAmount\r\n";
    for (const auto& row : includedRows) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c) text += '\t';
            text += row[c];
        }
        text += "\r\n";
    }
    return text;
}

} // namespace orvelle
