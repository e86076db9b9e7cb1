#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing, and
# generates the one decimal-comma locale the number tests switch to.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation fonts-noto-color-emoji xvfb xauth poppler-utils desktop-file-utils
      clang libclang-rt-14-dev locales cups printer-driver-cups-pdf openbox libxcb1-dev)
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
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 ||
    echo "install-deps: could not generate de_DE.UTF-8; the locale tests will skip" >&2
fi
