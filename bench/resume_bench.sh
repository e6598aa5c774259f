#!/usr/bin/env bash
# A download stopped at about half and run again: the bytes the server sent in all against
# the file's size, and the stored file against the original.
#   - the server (bench/resume_server.py) stalls the first answer after half the file;
#   - ravlet-cli download is interrupted (SIGINT) once its part file holds those bytes;
#   - the same command again continues from the part with a Range request.
# JOBS (default 1) is given to both runs as -j: 4 measures the run side by side.
# usage: bench/resume_bench.sh [MEGABYTES] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
mb=${1:-200}
jobs=${2:-1}
bash scripts/deps.sh python3 bc
. bench/lib.sh
bench_build ravlet-cli
cli=$PWD/build-bench/ravlet-cli
work=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/out"
export RAVLET_HOME=$work/home
size=$((mb * 1024 * 1024))
half=$((size / 2))
head -c "$size" /dev/urandom > "$work/big.bin"
python3 bench/resume_server.py "$work/big.bin" "$work/port" "$work/sent" "$half" &
server_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
url="http://127.0.0.1:$(cat "$work/port")/big.bin"
part="$work/out/big.bin.part"

s=$(date +%s.%N)
"$cli" download -j "$jobs" -o "$work/out" --tries 1 - <<<"$url" >"$work/first.log" 2>&1 &
cli_pid=$!
until [ "$(stat -c %s "$part" 2>/dev/null || echo 0)" -ge "$((half - 1048576))" ]; do sleep 0.05; done
kill -INT "$cli_pid"
wait "$cli_pid" || true
first=$(cat "$work/sent")
[ -f "$work/out/big.bin" ] && { echo "a stopped download left a file under its name" >&2; exit 1; }
[ -f "$part.resume" ] || { echo "no record beside the part" >&2; exit 1; }

"$cli" download -j "$jobs" -o "$work/out" - <<<"$url" >"$work/second.log" 2>&1
e=$(date +%s.%N)
total=$(cat "$work/sent")
cmp "$work/big.bin" "$work/out/big.bin"
[ ! -e "$part" ] && [ ! -e "$part.resume" ] || { echo "part or record left" >&2; exit 1; }
echo "-j $jobs; file: $size bytes; first run sent $first, both runs $total"
echo "ratio total / size: $(echo "scale=4; $total / $size" | bc)"
echo "file byte-identical (cmp); wall time of both runs: $(echo "$e - $s" | bc) s"
