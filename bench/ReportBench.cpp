// The expense report of a full year: 366 planner days with all six expense lines (2196 rows).
// Building it runs on the report command, so it should stay well under 5 ms, the year file's
// own read included.
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/Reports.h"
#include "store/Store.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

using namespace orvelle;

namespace {

constexpr int kYear = 2008;  // 366 days

std::string FullExpenseRecord(Date d) {
    std::string r(kPlannerRecordLength, ' ');
    for (int j = 0; j < 6; ++j) {
        std::string text = "Expense " + std::to_string(j) + " of " + FormatMmDdYy(d);
        std::string amount = std::to_string(j + 1) + ".25";
        r.replace(kExpenseTextPos + 50 * j, text.size(), text);
        r.replace(kExpenseAmountPos + 10 * j, amount.size(), amount);
    }
    return r;
}

struct FullYearFolder {
    std::string dir;
    FullYearFolder() {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-report-bench-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        std::filesystem::create_directories(dir + std::to_string(kYear));
        std::ofstream f(dir + std::to_string(kYear) + "/Planner.dat", std::ios::binary);
        for (Date d = DateSerial(kYear, 1, 1); d <= DateSerial(kYear, 12, 31); ++d)
            f << FormatMmDdYy(d) << ':' << CellStampOf(d) << ':' << FullExpenseRecord(d) << "\r\n";
    }
    ~FullYearFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

// Reading the year's file privately, collecting the rows and paging them.
void BM_ExpenseReportFullYear(benchmark::State& state) {
    FullYearFolder folder;
    Store s(folder.dir);
    s.reports.gReportStartDate = DateSerial(kYear, 1, 1);
    s.reports.gReportEndDate = DateSerial(kYear, 12, 31);
    for (auto _ : state) {
        BuildExpenseReport(s);
        benchmark::DoNotOptimize(s.reports.gExpenseReportRows.data());
    }
    if (s.reports.gExpenseReportRows.size() != 6 * 366) state.SkipWithError("wrong row count");
}
BENCHMARK(BM_ExpenseReportFullYear)->Unit(benchmark::kMillisecond);

// The same rows from a year already in memory: the collecting and paging alone.
void BM_ExpenseRowsFromLoadedYear(benchmark::State& state) {
    PlannerStore p;
    for (Date d = DateSerial(kYear, 1, 1); d <= DateSerial(kYear, 12, 31); ++d) {
        p.gThisYearsPlannerDates.push_back(FormatMmDdYy(d));
        p.gThisYearsPlannerRecords.push_back(FullExpenseRecord(d));
    }
    BuildPlannerExtracts(p);
    std::vector<ExpenseReportRow> rows;
    ReportPages pages;
    for (auto _ : state) {
        CollectExpenseRows(p, kYear, DateSerial(kYear, 1, 1), DateSerial(kYear, 12, 31), rows);
        PageReport(pages, static_cast<long>(rows.size()));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ExpenseRowsFromLoadedYear)->Unit(benchmark::kMillisecond);

} // namespace
