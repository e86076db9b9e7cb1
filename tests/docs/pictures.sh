#!/usr/bin/env bash
# scripts/screenshots.sh makes again every picture the README shows, at a common laptop's screen
# size, with the program given, into the folder given (never into docs/); the script itself stops
# when a side panel is hidden.
#   pictures.sh PROGRAM FOLDER
set -euo pipefail
cd "$(dirname "$0")/../.."
rm -rf "$2"
ORVELLE_PROGRAM=$1 scripts/screenshots.sh "$2"
shown=$(grep -o 'docs/[a-z-]*\.png' README.md)
[ -n "$shown" ] || { echo "the README shows no picture"; exit 1; }
for f in $shown; do
  made=$2/$(basename "$f")
  [ -s "$made" ] || { echo "scripts/screenshots.sh did not make $f"; exit 1; }
  size=$(identify -format %wx%h "$made")
  [ "$size" = 1366x768 ] || { echo "$made is $size, not 1366x768"; exit 1; }
done
