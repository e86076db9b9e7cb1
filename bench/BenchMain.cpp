// The bench's own main. A cold-start child starts from here, like the program from its main, after
// every static object is made (run any earlier, the program would read its preferences with its
// key table still empty); otherwise the benchmarks run.
#include "ColdStart.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    RunColdStartChild();
    RegisterComparedColdStarts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
