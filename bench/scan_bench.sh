#!/usr/bin/env bash
# ScanLinks with all four modes against Python's html.parser link collector and lxml's link
# iteration, on the same pages, in one run. Run by hand; never by CI.
# usage: bench/scan_bench.sh [SECONDS]   (time per measurement, default 3)
# RAVLET_BENCH_HTML=FOLDER picks the real pages (default: Debian's /usr/share/doc).
# lxml is not a build dependency: install it by hand (apt-get install python3-lxml).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3}
# Debian's interpreter, where python3-lxml installs; PYTHON=... picks another one.
py=${PYTHON:-$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLET_BENCH=ON -DRAVLET_GUI=OFF \
    -DRAVLET_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target scan_bench >/dev/null
corpus=$build/scan-corpus
mkdir -p "$corpus"
"$py" bench/gen_pages.py "$corpus"
mapfile -t real < <(find "${RAVLET_BENCH_HTML:-/usr/share/doc}" -type f -name '*.html' -size +1k | sort)
generated=("$corpus"/dense-*.html)
if [ ${#real[@]} -eq 0 ]; then
    echo "no HTML pages under ${RAVLET_BENCH_HTML:-/usr/share/doc}" >&2
    exit 1
fi
have_lxml=1
"$py" -c 'import lxml.html' 2>/dev/null || have_lxml=0

mbps() { sed -n 's/.*MBps=\([0-9.]*\).*/\1/p'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1fx", a / b; else print "-" }'; }

run_set() {
    local name=$1
    shift
    local mb ours parser lx=0
    mb=$(cat "$@" | wc -c | awk '{ printf "%.1f", $1 / 1e6 }')
    ours=$("$build"/bench/scan_bench --seconds "$seconds" "$@")
    parser=$("$py" bench/py_links.py htmlparser "$seconds" "$@")
    [ $have_lxml -eq 1 ] && lx=$("$py" bench/py_links.py lxml "$seconds" "$@" | mbps)
    local o p
    o=$(echo "$ours" | mbps)
    p=$(echo "$parser" | mbps)
    printf '%-10s %6s pages %7s MB | ravlet %7s MB/s | html.parser %5s MB/s (%s) | lxml %5s MB/s (%s)\n' \
        "$name" "$#" "$mb" "$o" "$p" "$(ratio "$o" "$p")" "$lx" "$(ratio "$o" "$lx")"
    printf '           links found: ravlet %s, html.parser %s\n' \
        "$(echo "$ours" | sed -n 's/.*links=\([0-9]*\).*/\1/p')" \
        "$(echo "$parser" | sed -n 's/.*links=\([0-9]*\).*/\1/p')"
    for m in 1 2 4 8; do
        printf '           ravlet mode %d alone: %s MB/s\n' "$m" \
            "$("$build"/bench/scan_bench --modes "$m" --seconds 1 "$@" | mbps)"
    done
}

echo "$("$py" --version); ScanLinks, modes 15 (sixteen passes), each page as one scan; ${seconds}s per figure"
[ $have_lxml -eq 1 ] || echo "(python3-lxml missing: its column stays 0)"
run_set real "${real[@]}"
run_set generated "${generated[@]}"
