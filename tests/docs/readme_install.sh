#!/usr/bin/env bash
# The README's install line takes the build folder that ./run.sh makes, so it works right after it.
set -euo pipefail
cd "$(dirname "$0")/../.."
installs=$(grep -o 'cmake --install [^ `]*' README.md | awk '{print $3}')
builds=$(grep -o 'cmake -S \. -B [^ ]*' run.sh | awk '{print $5}')
if [ -z "$installs" ] || [ "$installs" != "$builds" ]; then
  echo "the README installs from '$installs', ./run.sh builds into '$builds'"
  exit 1
fi
