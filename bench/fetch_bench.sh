#!/usr/bin/env bash
# One large body from nginx on 127.0.0.1 into a file: RvNetGet (bench/fetch_file) against
# curl -o, on the same server and disk, in one run.
# usage: bench/fetch_bench.sh [MEGABYTES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
mb=${1:-1024}
rounds=${2:-3}
bash scripts/deps.sh nginx curl
export CCACHE_BASEDIR=$PWD
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLET_BENCH=ON \
    -DRAVLET_GUI=OFF -DRAVLET_TESTS=OFF >/dev/null
cmake --build build-bench --target fetch_file >/dev/null
work=$(mktemp -d)
trap 'kill "$(cat "$work/nginx.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www" "$work/out"
head -c "$((mb * 1024 * 1024))" /dev/urandom > "$work/www/big.bin"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
cat > "$work/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 64; }
http {
    access_log off;
    sendfile on;
    server {
        listen 127.0.0.1:$port;
        root $work/www;
    }
}
CONF
/usr/sbin/nginx -c "$work/nginx.conf" -p "$work" -g "user root;"
sleep 0.5
url="http://127.0.0.1:$port/big.bin"
best() { sort -n | head -1; }
time_of() {
    local s e
    s=$(date +%s.%N)
    "$@" >/dev/null || { echo "failed: $*" >&2; exit 1; }
    e=$(date +%s.%N)
    echo "$e - $s" | bc
}
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
