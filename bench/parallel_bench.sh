#!/usr/bin/env bash
# Transfers side by side and the cost of one transfer, against the tools people use:
#   (a) 1,000 files of 10 KB from a loopback server that answers each request after 50 ms
#       (bench/slow_server.py): ravlet-cli download -j 8 against aria2c -j 8 and
#       wget2 --max-threads=8 on the same list in the same run, and ravlet-cli -j 1;
#   (b) one large file from nginx: ravlet-cli download against curl -o, wall and CPU;
#   (c) 1,000 files of 10 KB from nginx without latency, -j 1: ravlet-cli against wget2, and
#       bench/curl_floor (libcurl alone with the run's options and file pattern) beside them.
# usage: bench/parallel_bench.sh [ROUNDS] [MEGABYTES] [FILES]
#        CASES=c bench/parallel_bench.sh 9     (some of the cases: any of a, b, c; default abc)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
mb=${2:-1024}
files=${3:-1000}
bash scripts/deps.sh nginx curl wget2 aria2 time bc python3
. bench/lib.sh
bench_build ravlet-cli
cli=$PWD/build-bench/ravlet-cli
work=$(mktemp -d)
# The stored files go to memory when the machine has a tmpfs: the disk's writeback, shared with
# whatever else runs, would decide the large file's figures otherwise.
outs=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true;
      [ -n "${slow:-}" ] && kill "$slow" 2>/dev/null; rm -rf "$work" "$outs"' EXIT
mkdir -p "$work/www/f" "$work/home"
cases=${CASES:-abc}
export RAVLET_HOME=$work/home

fresh() { rm -rf "$outs/out"; mkdir -p "$outs/out"; }
check() {
    local n
    n=$(find "$outs/out" -type f -size 10240c | wc -l)
    [ "$n" -eq "$files" ] || { echo "$1 stored $n files of 10 KB, not $files" >&2; exit 1; }
}
# cpu_of COMMAND...: "wall user+sys" seconds of COMMAND.
cpu_of() {
    /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" >/dev/null 2>&1 ||
        { echo "failed: $*" >&2; exit 1; }
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$work/time"
}
ratio() { echo "$1 / $2" | bc -l; }

echo "load: $(uptime | sed 's/.*load average: //')"

# (a) the slow server
if [[ $cases == *a* ]]; then
python3 bench/slow_server.py 50 10240 > "$work/slow.port" &
slow=$!
for _ in $(seq 50); do [ -s "$work/slow.port" ] && break; sleep 0.1; done
sport=$(cat "$work/slow.port")
for i in $(seq -w 1 "$files"); do echo "http://127.0.0.1:$sport/f/$i.bin"; done > "$work/slow.txt"
a=(); w=(); r=(); s=()
for _ in $(seq "$rounds"); do
    fresh; r+=("$(time_of "$cli" download -j 8 --exists overwrite -o "$outs/out" "$work/slow.txt")"); check "ravlet -j 8"
    fresh; a+=("$(time_of aria2c -q -j 8 --max-connection-per-server=8 -d "$outs/out" -i "$work/slow.txt")"); check aria2c
    fresh; w+=("$(time_of wget2 -q --max-threads=8 -P "$outs/out" -i "$work/slow.txt")"); check wget2
done
fresh; s+=("$(time_of "$cli" download -j 1 --exists overwrite -o "$outs/out" "$work/slow.txt")"); check "ravlet -j 1"
rt=$(printf '%s\n' "${r[@]}" | best); at=$(printf '%s\n' "${a[@]}" | best)
wt=$(printf '%s\n' "${w[@]}" | best); st=${s[0]}
limit=$(echo "$files / 8 * 0.05" | bc -l)
echo "(a) $files files of 10 KB, 50 ms per answer, best of $rounds:"
printf '  ravlet-cli -j 8:         %.3f s (limit %.2f s, ratio %.2f)\n' "$rt" "$limit" "$(ratio "$rt" "$limit")"
printf '  aria2c -j 8:             %.3f s\n' "$at"
printf '  wget2 --max-threads=8:   %.3f s\n' "$wt"
printf '  ravlet-cli -j 1 (once):  %.3f s\n' "$st"
kill "$slow"; slow=
fi

# (b) and (c) from nginx
for i in $(seq -w 1 "$files"); do head -c 10240 /dev/urandom > "$work/www/f/$i.bin"; done
head -c "$((mb * 1024 * 1024))" /dev/urandom > "$work/www/big.bin"
start_nginx "$work" "keepalive_requests 1000000;"
if [[ $cases == *b* ]]; then
echo "$base/big.bin" > "$work/big.txt"
rb=(); cb=()
for _ in $(seq "$rounds"); do
    fresh; rb+=("$(cpu_of "$cli" download --exists overwrite -o "$outs/out" "$work/big.txt")")
    fresh; cb+=("$(cpu_of curl -s -o "$outs/out/big.bin" "$base/big.bin")")
done
rm -rf "$outs/out"
rbw=$(printf '%s\n' "${rb[@]}" | awk '{print $1}' | best); rbc=$(printf '%s\n' "${rb[@]}" | awk '{print $2}' | best)
cbw=$(printf '%s\n' "${cb[@]}" | awk '{print $1}' | best); cbc=$(printf '%s\n' "${cb[@]}" | awk '{print $2}' | best)
echo "(b) one file of $mb MB, best of $rounds (wall, user+sys):"
printf '  ravlet-cli download: %.3f s  %.3f s\n' "$rbw" "$rbc"
printf '  curl -o:             %.3f s  %.3f s\n' "$cbw" "$cbc"
printf '  ratio: wall %.2f, CPU %.2f\n' "$(ratio "$rbw" "$cbw")" "$(ratio "$rbc" "$cbc")"
fi
rm -f "$work/www/big.bin"

if [[ $cases == *c* ]]; then
bench_build curl_floor
for i in $(seq -w 1 "$files"); do echo "$base/f/$i.bin"; done > "$work/fast.txt"
rf=(); wf=(); lf=()
for _ in $(seq "$rounds"); do
    fresh; rf+=("$(time_of "$cli" download -j 1 --exists overwrite -o "$outs/out" "$work/fast.txt")"); check ravlet
    fresh; wf+=("$(time_of wget2 -q --max-threads=1 -P "$outs/out" -i "$work/fast.txt")"); check wget2
    fresh; lf+=("$(time_of build-bench/bench/curl_floor "$work/fast.txt" "$outs/out")"); check curl_floor
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
rft=$(printf '%s\n' "${rf[@]}" | best); wft=$(printf '%s\n' "${wf[@]}" | best)
rfm=$(printf '%s\n' "${rf[@]}" | median); wfm=$(printf '%s\n' "${wf[@]}" | median)
lft=$(printf '%s\n' "${lf[@]}" | best); lfm=$(printf '%s\n' "${lf[@]}" | median)
echo "(c) $files files of 10 KB without latency, one at a time, best and median of $rounds:"
printf '  ravlet-cli -j 1:        %.3f s  %.3f s\n' "$rft" "$rfm"
printf '  wget2 --max-threads=1:  %.3f s  %.3f s\n' "$wft" "$wfm"
printf '  curl_floor (libcurl):   %.3f s  %.3f s\n' "$lft" "$lfm"
printf '  ratio to wget2: best %.2f, median %.2f; curl_floor %.2f, %.2f\n' \
    "$(ratio "$rft" "$wft")" "$(ratio "$rfm" "$wfm")" "$(ratio "$lft" "$wft")" "$(ratio "$lfm" "$wfm")"
fi
echo "load: $(uptime | sed 's/.*load average: //')"
