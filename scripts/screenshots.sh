#!/usr/bin/env bash
# Starts Orvelle on a sample data folder under Xvfb and writes pictures of its main views into
# docs/ (the README shows them). Rerun it when a window changes; never edit the pictures by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
for p in xvfb dbus-x11 at-spi2-core python3-pyatspi imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ -n "${missing[*]:-}" ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
build=${ORVELLE_BUILD:-build-release}
[ -d "$build" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLE_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target orvelle

display=":$(( 100 + RANDOM % 300 ))"
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
dbus-run-session -- bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1; exec /usr/bin/python3 scripts/screenshots.py "$0" "$1"' "$build/orvelle" docs
