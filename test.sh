#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test (plain and sanitizer builds).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh tests

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVELLE_SANITIZE=ON -DORVELLE_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600

# ---- Fuzzing -------------------------------------------------------------------------------
# Every reader of a data file gets a short, fixed number of generated inputs (clang, libFuzzer,
# ASan and UBSan, in build-fuzz/). scripts/fuzz.sh runs them for longer on demand.
ORVELLE_FUZZ_JOBS="$jobs" ./scripts/fuzz.sh -runs=10000 -max_total_time=60
# ---------------------------------------------------------------------------------------------

# The benchmarks must keep building and running.
if [ -x build/bench/orvelle_bench ]; then
  build/bench/orvelle_bench --benchmark_min_time=0.01 >/dev/null
fi
