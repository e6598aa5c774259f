#!/usr/bin/env bash
# The page parse end to end: `ravlet-cli links --links --images --wild --plain` on one 20 MB page
# (the real pages of the scanner benchmark, concatenated) against a Python process that reads
# the same file, collects the links with html.parser and prints them. Run by hand; never by CI.
# usage: bench/parse_bench.sh [ROUNDS]   (runs of each, alternating; default 9)
# RAVLET_BENCH_HTML=FOLDER picks the real pages (default: Debian's /usr/share/doc).
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
rounds=${1:-9}
py=${PYTHON:-$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)}
bench_build ravlet-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page=$work/page.html
find "${RAVLET_BENCH_HTML:-/usr/share/doc}" -type f -name '*.html' -size +1k | sort |
    while read -r f; do cat "$f"; done | head -c 20000000 >"$page" || true
bytes=$(stat -c %s "$page")
[ "$bytes" -gt 0 ] || { echo "no HTML pages found" >&2; exit 1; }
export RAVLET_HOME=$work/home
mkdir -p "$RAVLET_HOME"

ours() { build-bench/ravlet-cli links --links --images --wild --plain "$page"; }
theirs() { "$py" bench/py_links.py print htmlparser "$page"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/ours.t"
: >"$work/theirs.t"
for _ in $(seq "$rounds"); do
    time_of ours >>"$work/ours.t"
    time_of theirs >>"$work/theirs.t"
done
o=$(median <"$work/ours.t")
t=$(median <"$work/theirs.t")
ob=$(best <"$work/ours.t")
echo "page: $bytes bytes; median of $rounds runs each, alternating; $("$py" --version)"
awk -v b="$bytes" -v o="$o" -v t="$t" -v ob="$ob" 'BEGIN {
    printf "ravlet-cli links      %.3f s  %6.1f MB/s  (best %.3f s, %.1f MB/s)\n", o, b / o / 1e6, ob, b / ob / 1e6
    printf "python html.parser    %.3f s  %6.1f MB/s\n", t, b / t / 1e6
    printf "ratio                 %.1fx\n", t / o
}'
echo "links printed: ravlet $(ours | wc -l) (the list: unique, case-folded), html.parser $(theirs | wc -l) (every value)"
