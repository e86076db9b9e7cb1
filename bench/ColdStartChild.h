#pragma once
// A cold-start child of the start-up benchmark (StartupBench.cpp): when this process was started
// as one, it makes its window, reports the first paint and ends here; otherwise it returns.
void RunColdStartChild();
