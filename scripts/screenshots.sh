#!/usr/bin/env bash
# Starts Orvelle on a sample data folder on a 1366x768 screen under a window manager, as on a
# common laptop, and writes pictures of its main views into docs/ (the README shows them), or into
# the folder given. Rerun it when a window changes; never edit the pictures by hand.
# ORVELLE_PROGRAM names a built program to take instead of building build-release/ (the tests do).
#   scripts/screenshots.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
program=${ORVELLE_PROGRAM:-}
if [ -z "$program" ]; then
  ./scripts/install-deps.sh desktop
  cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLE_TESTS=OFF -DORVELLE_BENCH=OFF >/dev/null
  cmake --build build-release -j"$(nproc)" --target orvelle
  program=build-release/orvelle
fi
mkdir -p "$out"
size=1366x768

tmp=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
# The server picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
# The program starts maximised on a screen this size; only a window manager carries that out,
# so the program waits until Openbox has taken the display and runs its start-up command.
HOME="$tmp" openbox --startup "touch $(printf %q "$tmp/wm-ready")" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -e "$tmp/wm-ready" ] && break; sleep 0.1; done
[ -e "$tmp/wm-ready" ] || { echo "screenshots: openbox did not start" >&2; exit 1; }
dbus-run-session -- bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1; exec /usr/bin/python3 scripts/screenshots.py "$@"' _ "$program" "$out" "$size" \
  2> >(grep -v "Failed to set fd limit" >&2)
