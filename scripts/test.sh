#!/usr/bin/env bash
# Installs what is needed, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# Debian's chromium for the browser test of the context-menu entries (npm brings its driver).
browser=(chromium)
command -v npm >/dev/null || browser+=(npm)
# The checkers of the installed files, and what the Debian package is made and installed with.
install=(desktop-file-utils appstream man-db groff-base dpkg-dev xdg-user-dirs python3)
bash scripts/deps.sh "${browser[@]}" "${install[@]}"
build=${RAVLET_TEST_BUILD:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRAVLET_SANITIZE=ON \
    -DRAVLET_UNITY=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
