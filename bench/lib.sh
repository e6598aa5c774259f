# Shared by the benchmark scripts: the Release build, nginx on 127.0.0.1 and the timing.
# Source it from the repository's root folder.

# bench_build TARGET: a Release build of TARGET in build-bench.
bench_build() {
    export CCACHE_BASEDIR=$PWD
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVLET_BENCH=ON \
        -DRAVLET_GUI=OFF -DRAVLET_TESTS=OFF >/dev/null
    cmake --build build-bench --target "$1" >/dev/null
}

# start_nginx WORK [HTTP_LINES] [SERVER_LINES]: serves WORK/www on 127.0.0.1 at an ephemeral
# port, sets $port and $base; the caller's EXIT trap stops it through WORK/nginx.pid.
start_nginx() {
    local work=$1
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
    cat > "$work/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 64; }
http {
    access_log off;
    sendfile on;
    ${2:-}
    server {
        listen 127.0.0.1:$port;
        root $work/www;
        ${3:-}
    }
}
CONF
    # The work folder is the caller's private temporary folder: the workers must read it.
    /usr/sbin/nginx -c "$work/nginx.conf" -p "$work" -g "user root;"
    sleep 0.5
    base="http://127.0.0.1:$port"
}

# time_of COMMAND...: the seconds COMMAND took; a failure ends the script.
# The clock is bash's own: starting `date` around the command cost a few milliseconds, which
# counted against the shorter runs.
time_of() {
    local s e
    s=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    e=$EPOCHREALTIME
    echo "$e - $s" | bc
}

best() { sort -n | head -1; }
