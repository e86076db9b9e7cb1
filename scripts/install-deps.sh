#!/usr/bin/env bash
# Installs the Debian packages of one group, only when some are missing:
#   scripts/install-deps.sh          building and running Orvelle (./run.sh)
#   scripts/install-deps.sh desktop  that, and a real window on a virtual screen (scripts/screenshots.sh)
#   scripts/install-deps.sh tests    all of it, and what the tests add (./test.sh), with the one
#                                    decimal-comma locale the number tests switch to
set -euo pipefail

# The fonts are the program's own: the window fonts, and the colour emoji its icons are drawn from.
build=(cmake ninja-build g++ qt6-base-dev fonts-liberation fonts-noto-color-emoji)
# A virtual screen, a window manager and the accessibility bus and pointer that drive the program's
# windows.
desktop=(xvfb xauth openbox dbus-x11 at-spi2-core python3-pyatspi imagemagick xdotool)
# GoogleTest and benchmark; pdftotext and a PDF print queue for the printing tests; the desktop
# entry checker; the X client libraries the desktop tests read the window manager and type with; clang and
# its sanitizer runtime for the fuzzers; the locale generator.
tests=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils cups printer-driver-cups-pdf
       desktop-file-utils clang libclang-rt-14-dev locales libxcb1-dev libxcb-xtest0-dev)

group=${1:-build}
case "$group" in
  build) pkgs=("${build[@]}") ;;
  desktop) pkgs=("${build[@]}" "${desktop[@]}") ;;
  tests) pkgs=("${build[@]}" "${desktop[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [build|desktop|tests]" >&2; exit 2 ;;
esac

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Only this locale is made, not the machine's whole list; a failure here only makes the two
# locale tests skip, so it never stops the run.
if [ "$group" = tests ] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 ||
    echo "install-deps: could not generate de_DE.UTF-8; the locale tests will skip" >&2
fi
