#!/usr/bin/env bash
# What closing a transfer without reading its body costs. The scanner opens every address it
# meets to learn its type and closes what is not a text page unread; libcurl must then drop the
# connection, and the next address opens a new one. Reading a short rest first keeps the
# connection. Here, on nginx at 127.0.0.1, `ravlet-cli scan` walks one page that links FILES
# files of each SIZE (application/octet-stream), once closing unread (RAVLET_DRAIN_BYTES=0) and
# once reading every rest up to the largest bound (RAVLET_DRAIN_BYTES=131072); nginx logs the
# connection of every request, so the runs also show how many connections each needed.
# usage: bench/close_bench.sh [ROUNDS] [FILES]   (default 5 rounds, 1000 files)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh nginx python3
rounds=${1:-5}
files=${2:-1000}
. bench/lib.sh
bench_build ravlet-cli
cli=$PWD/build-bench/ravlet-cli
work=$(mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www" "$work/home"
export RAVLET_HOME=$work/home
start_nginx "$work" "keepalive_requests 1000000;
    log_format conn '\$connection';" "access_log $work/access.log conn;"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
scan() {
    RAVLET_DRAIN_BYTES=$1 "$cli" scan --mode 0 --base "$base/$2/" "$base/$2/index.html" 2>/dev/null
}

printf '%-12s %-22s %-22s %s\n' size "closed unread" "rest read first" "ratio unread/read"
for size in 1024 16384 65536 131072 1048576; do
    mkdir -p "$work/www/$size"
    head -c "$size" /dev/urandom >"$work/www/$size/f.bin"
    for i in $(seq "$files"); do ln -f "$work/www/$size/f.bin" "$work/www/$size/f$i.bin"; done
    for i in $(seq "$files"); do echo "<a href=\"f$i.bin\">$i</a>"; done >"$work/www/$size/index.html"
    line=()
    for drain in 0 131072; do
        : >"$work/access.log"
        got=$(scan "$drain" "$size" | wc -l)
        [ "$got" -eq $((files + 1)) ] || { echo "size $size: $got addresses, not $((files + 1))" >&2; exit 1; }
        sleep 0.2
        conns=$(sort -u "$work/access.log" | wc -l)
        : >"$work/t"
        for _ in $(seq "$rounds"); do time_of scan "$drain" "$size" >>"$work/t"; done
        line+=("$(median <"$work/t")" "$conns")
    done
    awk -v s="$size" -v a="${line[0]}" -v ac="${line[1]}" -v b="${line[2]}" -v bc="${line[3]}" 'BEGIN {
        printf "%-12s %.3f s %5d conns   %.3f s %5d conns   %.2f\n", s, a, ac, b, bc, a / b }'
done
