# Shared by the install tests: a failure ends the test with its reason.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The value of one key of the settings that ravlet-cli prints (its lines end in CR LF).
setting() {
    local key=$1
    shift
    "$@" settings | tr -d '\r' | sed -n "s/^$key=//p"
}

# A page whose two links the window downloads and then closes itself (Auto_Leech, Auto_Close).
write_run_settings() {
    local folder=$1 downloads=$2
    mkdir -p "$folder/tmp"
    printf 'Auto_Leech=1\r\nAuto_Close=1\r\nconfirmclose=0\r\nsavedir=%s/\r\n' "$downloads" \
        >"$folder/ravlet.ini"
}

write_page() {
    local folder=$1
    mkdir -p "$folder"
    printf 'one\n' >"$folder/one.txt"
    printf 'two\n' >"$folder/two.txt"
    printf '<a href="one.txt">1</a> <a href="two.txt">2</a>\n' >"$folder/index.html"
}

# Serves a folder on 127.0.0.1 at a port of the system's choice: sets server_pid and port.
start_server() {
    local folder=$1 portFile
    portFile=$(mktemp -u)
    python3 -c '
import functools, http.server, os, sys
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
handler = functools.partial(Quiet, directory=sys.argv[1])
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
with open(sys.argv[2] + ".tmp", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(sys.argv[2] + ".tmp", sys.argv[2])
server.serve_forever()' "$folder" "$portFile" &
    server_pid=$!
    wait_for "$portFile" || fail "the test server did not start"
    port=$(cat "$portFile")
    rm -f "$portFile"
}

# Waits up to 60 s for a file to appear.
wait_for() {
    local i
    for ((i = 0; i < 600; i++)); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 60 s until no process runs the program at this path.
wait_gone() {
    local i p running
    for ((i = 0; i < 600; i++)); do
        running=
        for p in /proc/[0-9]*; do
            [ "$(readlink "$p/exe" 2>/dev/null)" = "$1" ] && running=1 && break
        done
        [ -z "$running" ] && return 0
        sleep 0.1
    done
    return 1
}
