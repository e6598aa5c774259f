#!/usr/bin/env bash
# The download run against the tools people use for the same job, on nginx at 127.0.0.1:
#   - 1,000 files of 10 KB: ravlet-cli download against wget -i and one curl command with
#     all the addresses (both keep the connection open, as ravlet does);
#   - one large file: ravlet-cli download against curl -o;
#   - peak resident size of ravlet-cli download for a list of 100,000 entries.
# usage: bench/download_bench.sh [ROUNDS] [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
mb=${2:-1024}
bash scripts/deps.sh nginx curl wget time bc
. bench/lib.sh
bench_build ravlet-cli
cli=$PWD/build-bench/ravlet-cli
work=$(mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www/f" "$work/home"
export RAVLET_HOME=$work/home

for i in $(seq -w 1 1000); do head -c 10240 /dev/urandom > "$work/www/f/$i.bin"; done
head -c "$((mb * 1024 * 1024))" /dev/urandom > "$work/www/big.bin"
start_nginx "$work" "keepalive_requests 1000000;" \
    '# Any address below /m/ answers one byte: the memory run writes one small file.
        location /m/ { default_type application/octet-stream; return 200 "x"; }'
for i in $(seq -w 1 1000); do echo "$base/f/$i.bin"; done > "$work/list.txt"
awk -v d="$work/out" '{ n = $0; sub(".*/", "", n); print "url = " $0; print "output = " d "/" n }' \
    "$work/list.txt" > "$work/curl.cfg"

fresh() { rm -rf "$work/out"; mkdir -p "$work/out"; }
check() {
    local n
    n=$(find "$work/out" -type f -size 10240c | wc -l)
    [ "$n" -eq 1000 ] || { echo "$1 stored $n files of 10 KB, not 1000" >&2; exit 1; }
}
r=(); w=(); c=()
for _ in $(seq "$rounds"); do
    fresh; r+=("$(time_of "$cli" download --exists overwrite -o "$work/out" "$work/list.txt")"); check ravlet
    fresh; w+=("$(time_of wget -q -nv -i "$work/list.txt" -P "$work/out")"); check wget
    fresh; c+=("$(time_of curl -s -K "$work/curl.cfg")"); check curl
done
rt=$(printf '%s\n' "${r[@]}" | best)
wt=$(printf '%s\n' "${w[@]}" | best)
ct=$(printf '%s\n' "${c[@]}" | best)
faster=$(printf '%s\n%s\n' "$wt" "$ct" | best)
echo "1,000 files of 10 KB, best of $rounds:"
printf '  ravlet-cli download: %.3f s\n' "$rt"
printf '  wget -i:             %.3f s\n' "$wt"
printf '  curl -K (one run):   %.3f s\n' "$ct"
printf '  ratio ravlet / faster peer: %.2f\n' "$(echo "$rt / $faster" | bc -l)"

fresh
echo "$base/big.bin" > "$work/big.txt"
rb=(); cb=()
for _ in $(seq "$rounds"); do
    rb+=("$(time_of "$cli" download --exists overwrite -o "$work/out" "$work/big.txt")")
    rm -f "$work/out/big.bin"
    cb+=("$(time_of curl -s -o "$work/out/big.bin" "$base/big.bin")")
    rm -f "$work/out/big.bin"
done
rbt=$(printf '%s\n' "${rb[@]}" | best)
cbt=$(printf '%s\n' "${cb[@]}" | best)
echo "one file of $mb MB, best of $rounds:"
printf '  ravlet-cli download: %.3f s (%.0f MB/s)\n' "$rbt" "$(echo "$mb / $rbt" | bc -l)"
printf '  curl -o:             %.3f s (%.0f MB/s)\n' "$cbt" "$(echo "$mb / $cbt" | bc -l)"
printf '  ratio ravlet / curl: %.2f\n' "$(echo "$rbt / $cbt" | bc -l)"
rm -f "$work/www/big.bin"

fresh
for i in $(seq 1 100000); do echo "$base/m/$i/x"; done > "$work/many.txt"
/usr/bin/time -v "$cli" download --exists overwrite -o "$work/out" "$work/many.txt" \
    >"$work/many.out" 2>"$work/many.time"
rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/many.time")
secs=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/many.time")
echo "100,000 entries (one byte each, all into one name): peak RSS $((rss / 1024)) MB," \
    "wall clock $secs; $(tail -1 "$work/many.out")"
