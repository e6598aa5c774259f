#!/usr/bin/env bash
# The Debian package made with CPack from this build: its dependencies come from Debian's
# packages, and the programs it installs run. As root (CI) the package is installed with
# apt-get and removed again at the end; otherwise, or when a ravlet package is installed
# already, it is unpacked into a folder and run from there.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
work=$(mktemp -d)
installed=
server_pid=
cleanup() {
    [ -z "$server_pid" ] || kill "$server_pid"
    if [ -n "$installed" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=120 ravlet \
            >/dev/null || echo "the package ravlet could not be removed" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack --config CPackConfig.cmake -B "$work/pkg" >"$work/cpack.log" 2>&1) ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/pkg/ravlet_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libc6 libcurl4 libqt6widgets6 libqt6core6; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "the package does not depend on $dep: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -q ' ./usr/share/applications/net.ravlet.ravlet.desktop$' <<<"$contents" ||
    fail "the package has no desktop entry"

root=$work/root
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null &&
    ! dpkg-query -W -f='${Status}' ravlet 2>/dev/null | grep -q "install ok installed"; then
    installed=1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" 2>&1 ||
        fail "apt-get install: $(cat "$work/apt.log")"
    dpkg-query -W -f='${Status}' ravlet | grep -q "install ok installed" ||
        fail "the package is not installed"
    root=
else
    dpkg-deb -x "$deb" "$root"
fi

[ "$("$root/usr/bin/ravlet-cli" --version)" = "$("$build/ravlet-cli" --version)" ] ||
    fail "the installed ravlet-cli is not this build's"

# The installed window on a page of a loopback server: it downloads the page's links and
# closes itself (Auto_Leech, Auto_Close).
write_page "$work/site"
start_server "$work/site"
write_run_settings "$work/home" "$work/dl"
env RAVLET_HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 120 "$root/usr/bin/ravlet" \
    "http://127.0.0.1:$port/index.html" >"$work/ravlet.log" 2>&1 ||
    fail "the installed ravlet: $(cat "$work/ravlet.log")"
[ "$(cat "$work/dl/one.txt" "$work/dl/two.txt")" = "$(printf 'one\ntwo')" ] ||
    fail "the installed ravlet did not download the page's links"

# Without RAVLET_HOME the installed ravlet-cli keeps its settings in the user's folder.
mkdir -p "$work/user"
env -u RAVLET_HOME HOME="$work/user" XDG_CONFIG_HOME="$work/user/cfg" \
    "$root/usr/bin/ravlet-cli" settings --set scanimg=1 --write >/dev/null
grep -q scanimg=1 "$work/user/cfg/ravlet/ravlet.ini" ||
    fail "the installed ravlet-cli did not write the user's settings"
[ ! -e "$root/usr/bin/ravlet.ini" ] || fail "the installed ravlet-cli wrote beside itself"
echo "Debian package: all checks passed${installed:+ (installed with apt-get)}"
