#!/usr/bin/env bash
# Builds the libFuzzer targets of the data-file readers with clang (build-fuzz/) and runs them,
# all at once. Options starting with "-" go to every fuzzer; other words pick targets.
#   scripts/fuzz.sh                          every target for 60 s
#   scripts/fuzz.sh -max_total_time=3600     every target for an hour
#   scripts/fuzz.sh -runs=20000 FuzzNotes    one target, a fixed number of inputs
# New inputs collect in build-fuzz/corpus/<target>, crashes in build-fuzz/crashes/. Seeds are
# tests/data/fuzz/<target>/; a crash found belongs in a test of the reader (tests/store).
set -euo pipefail
cd "$(dirname "$0")/.."

flags=()
targets=()
for a in "$@"; do
  case "$a" in
    -*) flags+=("$a") ;;
    *) targets+=("$a") ;;
  esac
done
[ ${#flags[@]} -eq 0 ] && flags=(-max_total_time=60)
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(ls tests/data/fuzz)
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DORVELLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"${ORVELLE_FUZZ_JOBS:-$(nproc)}" >/dev/null

mkdir -p build-fuzz/crashes
pids=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  # The readers write a scratch folder under TMPDIR; one folder per run, removed afterwards.
  scratch=$(mktemp -d)
  ( TMPDIR="$scratch" "build-fuzz/fuzz/$t" "${flags[@]}" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$t-" \
      "build-fuzz/corpus/$t" "tests/data/fuzz/$t" >"build-fuzz/$t.log" 2>&1
    rc=$?; rm -rf "$scratch"; exit $rc ) &
  pids+=($!)
done

failed=0
for i in "${!pids[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$t.log" | grep -o '[0-9]*$' || echo "?")
    printf '%-18s %8s inputs, no fault\n' "$t" "$runs"
  else
    echo "FAILED: $t (build-fuzz/$t.log, input in build-fuzz/crashes/)"
    tail -40 "build-fuzz/$t.log"
    failed=1
  fi
done
exit $failed
