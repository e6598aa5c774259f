#!/usr/bin/env bash
# The site scan against the web crawlers people use for the same walk, on nginx at 127.0.0.1:
# a generated site of PAGES pages (bench/gen_site.py: 100 folders, 9 links and 3 of 500 images
# a page, about 4 KB each), walked from its root by
#   - ravlet-cli scan --mode 0 --base ROOT --collect-all --links --images ROOT
#   - wget -r -l inf --no-parent ROOT
#   - wget2 -r -l 0 --no-parent ROOT
# each in a fresh temporary folder. Before timing, one run of each is checked: nginx's access
# log must show every address of the site (root, pages, images) answered, ravlet must print
# them all and the wgets must store them all. Then ROUNDS runs of each, alternating; the median
# is printed, with the ratios, and the peak resident size of ravlet-cli.
# usage: bench/scan_site_bench.sh [ROUNDS] [PAGES...]   (default 5 rounds, 1000 and 10000 pages)
#        SCAN_ONLY=1 bench/scan_site_bench.sh ...     (ravlet-cli alone: its check, RSS and time)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh nginx wget wget2 time bc python3
rounds=${1:-5}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000)
. bench/lib.sh
bench_build ravlet-cli
cli=$PWD/build-bench/ravlet-cli
work=$(mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www" "$work/home" "$work/runs"
export RAVLET_HOME=$work/home
start_nginx "$work" "keepalive_requests 1000000;
    log_format hit '\$status \$request_uri';" \
    "access_log $work/access.log hit;"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Each run starts in a new empty folder; the folders go when the whole run is measured.
ravlet_run() { cd "$(mktemp -d -p "$work/runs")" && "$cli" scan --mode 0 --base "$base/" \
    --collect-all --links --images "$base/" > list.txt; }
wget_run() { cd "$(mktemp -d -p "$work/runs")" && wget -q -r -l inf --no-parent "$base/"; }
wget2_run() { cd "$(mktemp -d -p "$work/runs")" && wget2 -q -r -l 0 --no-parent "$base/"; }

# settle: the stored files removed and written back before the next timed run, so no run
# pays for the disk work of the one before (at 100,000 pages, 200,000 files).
settle() { rm -rf "$work/runs"; mkdir -p "$work/runs"; sync; }

# served NAME WANT: every address of the site answered 200 since the log was emptied.
served() {
    local n
    n=$(awk '$1 == 200 { print $2 }' "$work/access.log" | sort -u | wc -l)
    [ "$n" -eq "$2" ] || { echo "$1: nginx answered $n addresses, not $2" >&2; exit 1; }
}

for pages in "${sizes[@]}"; do
    want=$((pages + 501))
    rm -rf "$work/www" "$work/runs"
    mkdir -p "$work/runs"
    python3 bench/gen_site.py "$work/www" "$pages"
    echo "== $pages pages ($want addresses: the root, the pages, 500 images) =="

    : > "$work/access.log"
    (cd "$work" && /usr/bin/time -v "$cli" scan --mode 0 --base "$base/" --collect-all \
        --links --images "$base/" > "$work/list.txt" 2> "$work/scan.time")
    served ravlet "$want"
    got=$(sort -u "$work/list.txt" | grep -c "^$base/" || true)
    [ "$got" -eq "$want" ] || { echo "ravlet printed $got addresses, not $want" >&2; exit 1; }
    rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/scan.time")
    requests=$(wc -l < "$work/access.log")
    echo "  ravlet-cli scan: $got addresses printed, $requests requests," \
        "peak RSS $((rss / 1024)) MB"
    if [ "${SCAN_ONLY:-0}" = 1 ]; then
        secs=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/scan.time")
        echo "  wall clock $secs"
        continue
    fi
    for tool in wget wget2; do
        : > "$work/access.log"
        ("${tool}_run")
        served "$tool" "$want"
        got=$(find "$work/runs" -type f | wc -l)
        [ "$got" -eq "$want" ] || { echo "$tool stored $got files, not $want" >&2; exit 1; }
        echo "  $tool: $got files stored, $(wc -l < "$work/access.log") requests"
        settle
    done

    r=(); w=(); w2=()
    for _ in $(seq "$rounds"); do
        r+=("$(time_of ravlet_run)")
        settle
        w+=("$(time_of wget_run)")
        settle
        w2+=("$(time_of wget2_run)")
        settle
    done
    rt=$(printf '%s\n' "${r[@]}" | median)
    wt=$(printf '%s\n' "${w[@]}" | median)
    w2t=$(printf '%s\n' "${w2[@]}" | median)
    echo "  median of $rounds:"
    printf '    ravlet-cli scan: %.3f s\n' "$rt"
    printf '    wget -r:         %.3f s\n' "$wt"
    printf '    wget2 -r:        %.3f s\n' "$w2t"
    printf '    ratio ravlet / wget2: %.2f, ravlet / wget: %.2f\n' \
        "$(echo "$rt / $w2t" | bc -l)" "$(echo "$rt / $wt" | bc -l)"
done
