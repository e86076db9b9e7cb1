#!/usr/bin/env bash
# Installs what building and running needs, builds Orvelle and starts it on its default data folder.
# Without the tests, which ./test.sh adds.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLE_TESTS=OFF -DORVELLE_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target orvelle
exec build-release/orvelle "$@"
