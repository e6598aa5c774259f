#!/usr/bin/env bash
# The browser test of ravlet's context-menu entries: Debian's chromium driven by playwright-core
# from the npm registry (installed into the build folder on the first run; no browser is
# downloaded). Headless; with DISPLAY set it runs in a window, and with a second argument it
# saves a screenshot of the open context menu there.
#   tests/browser/run.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
chromium=${CHROMIUM:-$(command -v chromium || true)}
if [ -z "$chromium" ]; then
    echo "run.sh: chromium is not installed (apt-get install chromium)" >&2
    exit 1
fi
modules="$build/browser-test"
if [ ! -f "$modules/node_modules/playwright-core/package.json" ]; then
    mkdir -p "$modules"
    cp "$here/package.json" "$modules/package.json"
    (cd "$modules" && npm install --no-audit --no-fund --loglevel=error >/dev/null)
fi
export PLAYWRIGHT_CORE="$modules/node_modules/playwright-core"
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
exec node "$here/context-menu.js" "$build" "$chromium" "${2:-}"
