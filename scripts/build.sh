#!/usr/bin/env bash
# Installs what is needed and builds the release binaries into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLET_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"
