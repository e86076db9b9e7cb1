#pragma once
// The cold starts of the start-up benchmark (StartupBench.cpp).

// When this process was started as a cold-start child, it makes its window, reports the first
// paint and ends here; otherwise it returns.
void RunColdStartChild();

// With ORVELLE_BENCH_COMPARE naming another build of this bench (an older one, say), its cold
// starts run too, as "Compared..." beside this build's own, on the same data folders: one run,
// with random interleaving, then compares the two builds under the same load.
void RegisterComparedColdStarts();
