#!/usr/bin/env bash
# One large body from nginx on 127.0.0.1 into a file: RvNetGet (bench/fetch_file) against
# curl -o, on the same server and disk, in one run.
# usage: bench/fetch_bench.sh [MEGABYTES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
mb=${1:-1024}
rounds=${2:-3}
bash scripts/deps.sh nginx curl bc
. bench/lib.sh
bench_build fetch_file
work=$(mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www" "$work/out"
head -c "$((mb * 1024 * 1024))" /dev/urandom > "$work/www/big.bin"
start_nginx "$work"
url="$base/big.bin"
r=(); c=()
for _ in $(seq "$rounds"); do
    r+=("$(time_of ./build-bench/bench/fetch_file "$url" "$work/out/ravlet.bin")")
    rm -f "$work/out/ravlet.bin"
    c+=("$(time_of curl -s -o "$work/out/curl.bin" "$url")")
    rm -f "$work/out/curl.bin"
done
rt=$(printf '%s\n' "${r[@]}" | best)
ct=$(printf '%s\n' "${c[@]}" | best)
echo "body: $mb MB; best of $rounds"
printf 'ravlet RvNetGet: %.3f s (%.0f MB/s)\n' "$rt" "$(echo "$mb / $rt" | bc -l)"
printf 'curl -o:         %.3f s (%.0f MB/s)\n' "$ct" "$(echo "$mb / $ct" | bc -l)"
printf 'ratio ravlet/curl: %.2f\n' "$(echo "$rt / $ct" | bc -l)"
