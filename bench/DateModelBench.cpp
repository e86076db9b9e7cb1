// Every view redraw clears and refills the year grids and derives the selected date's values;
// this must stay far below a millisecond.
#include "store/DateModel.h"
#include "store/Store.h"

#include <benchmark/benchmark.h>

using namespace orvelle;

static void BM_FillBothYearGrids(benchmark::State& state) {
    Store s;
    s.dates.gSelectedDate = DateSerial(2024, 8, 15);
    for (auto _ : state) {
        ClearDateHolders(s);
        SetDateVariables(s);
        AssignThisYearsDateHolders(s);
        AssignNextYearsDateholders(s);
        LocateCurrentDateCell(s);
        benchmark::DoNotOptimize(s.dates.gThisYearsDateHolders[11][2][4].data());
        benchmark::DoNotOptimize(s.dates.gCurrentCellRow);
    }
}
BENCHMARK(BM_FillBothYearGrids)->Unit(benchmark::kMicrosecond);
