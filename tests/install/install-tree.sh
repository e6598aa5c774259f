#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: every file is there, the desktop entry, the
# metainfo, the man pages and the completion pass their checkers, the man pages and the
# completion know every option of ravlet-cli --help, and the installed programs keep their
# files in the user's configuration folder, never beside themselves.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
work=$(mktemp -d)
server_pid=
trap '[ -z "$server_pid" ] || kill "$server_pid"; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/ravlet bin/ravlet-cli lib/ravlet/rvbx-host lib/ravlet/rvbx-regsvr; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
for f in lib/ravlet/librvbx.so share/ravlet/extension/manifest.json share/ravlet/extension/background.js \
    share/ravlet/extension/content.js share/applications/net.ravlet.ravlet.desktop \
    share/metainfo/net.ravlet.ravlet.metainfo.xml share/icons/hicolor/scalable/apps/ravlet.svg \
    share/man/man1/ravlet.1 share/man/man1/ravlet-cli.1 \
    share/bash-completion/completions/ravlet-cli \
    etc/chromium/native-messaging-hosts/net.ravlet.rvbx.json \
    lib/mozilla/native-messaging-hosts/net.ravlet.rvbx.json; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/ravlet.png
    [ -s "$png" ] || fail "no $size px icon"
    # The PNG header holds width and height as big-endian 4-byte numbers at offset 16.
    [ "$(python3 -c 'import struct,sys; print(*struct.unpack(">II", open(sys.argv[1],"rb").read()[16:24]))' "$png")" = "$size $size" ] ||
        fail "the $size px icon has another size"
done

desktop-file-validate "$prefix/share/applications/net.ravlet.ravlet.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/net.ravlet.ravlet.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"

cli=$prefix/bin/ravlet-cli
commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\?$/\1/p')
[ -n "$commands" ] || fail "ravlet-cli --help names no command"
completion=$prefix/share/bash-completion/completions/ravlet-cli
version=$("$cli" --version | sed -n 's/^ravlet-cli //p')
for f in share/man/man1/ravlet.1 share/man/man1/ravlet-cli.1; do
    grep -q "\"ravlet $version\"" "$prefix/$f" || fail "$f does not name version $version"
done
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/net.ravlet.ravlet.metainfo.xml" ||
    fail "the metainfo has no release $version"
for page in ravlet ravlet-cli; do
    warnings=$(MANWIDTH=80 man -l --warnings=w "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1" 2>/dev/null | grep -q "^NAME" ||
        fail "man $page renders no NAME section"
done
manText=$(MANWIDTH=200 man -l "$prefix/share/man/man1/ravlet-cli.1" 2>/dev/null)
for c in $commands; do
    grep -q -- "^       $c\b" <<<"$manText" || fail "ravlet-cli(1) does not describe $c"
    grep -q -- "$c)" "$completion" || fail "the completion does not know $c"
    for opt in $("$cli" "$c" --help | grep -o -- '\(^\|[ [(]\)-\(-[a-z][a-z-]*\|o\)\b' |
        sed 's/^[ [(]//' | sort -u); do
        grep -q -- "$opt" <<<"$manText" || fail "ravlet-cli(1) does not name $c $opt"
        completed=$(bash -c '. "$1"; COMP_WORDS=(ravlet-cli "$2" "$3"); COMP_CWORD=2
            _ravlet_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$c" "$opt")
        grep -qx -- "$opt" <<<"$completed" || fail "the completion does not offer $c $opt"
    done
done
completed=$(bash -c '. "$1"; COMP_WORDS=(ravlet-cli dow); COMP_CWORD=1; _ravlet_cli
    echo "${COMPREPLY[*]}"' _ "$completion")
[ "$completed" = download ] || fail "\"ravlet-cli dow\" completes to \"$completed\""

# The installed programs and where they keep their files.
home=$work/home
mkdir -p "$home"
run() { env -u RAVLET_HOME -u XDG_CONFIG_HOME HOME="$home" "$@"; }
run XDG_CONFIG_HOME="$work/cfg" "$cli" settings --set scanimg=1 --write >/dev/null
grep -q scanimg=1 "$work/cfg/ravlet/ravlet.ini" || fail "no settings in \$XDG_CONFIG_HOME/ravlet"
run "$cli" settings --set scanimg=1 --write >/dev/null
[ -f "$home/.config/ravlet/ravlet.ini" ] || fail "no settings in ~/.config/ravlet"
[ "$(ls "$prefix/bin")" = "$(printf 'ravlet\nravlet-cli')" ] ||
    fail "an installed program wrote beside itself: $(ls "$prefix/bin")"
# (A fresh configuration folder: the settings written above hold a download folder.)
[ "$(setting savedir run XDG_CONFIG_HOME="$work/fresh" "$cli")" = "$home/Downloads/ravlet/" ] ||
    fail "the default download folder is not ~/Downloads/ravlet"
mkdir -p "$work/fresh"
printf 'XDG_DOWNLOAD_DIR="$HOME/Fetched"\n' >"$work/fresh/user-dirs.dirs"
[ "$(setting savedir run XDG_CONFIG_HOME="$work/fresh" "$cli")" = "$home/Fetched/ravlet/" ] ||
    fail "the default download folder is not the user's download folder"
[ "$(setting savedir env RAVLET_HOME="$work/rh" "$cli")" = "$work/rh/tmp/" ] ||
    fail "RAVLET_HOME does not win"
touch "$prefix/bin/ravlet.ini"
run XDG_CONFIG_HOME="$work/cfg" "$cli" settings --set scantxthttp=1 --write >/dev/null
grep -q scantxthttp=1 "$prefix/bin/ravlet.ini" || fail "a ravlet.ini beside the programs is no portable folder"
grep -q scantxthttp=1 "$work/cfg/ravlet/ravlet.ini" && fail "the portable copy wrote the user's settings"
rm "$prefix/bin/ravlet.ini"

# "integration on" writes the menu entries and starts the prefix's rvbx-regsvr on its
# librvbx.so, which registers the component in the same folder; the manifests it writes for
# the user are the ones installed for every user.
cfg=$work/cfg2
run XDG_CONFIG_HOME="$cfg" "$cli" integration on >/dev/null || fail "ravlet-cli integration on"
firefox=$home/.mozilla/native-messaging-hosts/net.ravlet.rvbx.json
wait_for "$firefox" || fail "integration on did not register the component"
wait_gone "$prefix/lib/ravlet/rvbx-regsvr" || fail "rvbx-regsvr did not end"
grep -qF "$prefix/lib/ravlet/librvbx.so" "$cfg/ravlet/ravlet.reg" ||
    fail "the component is not registered in the user's program folder"
cmp "$cfg/chromium/NativeMessagingHosts/net.ravlet.rvbx.json" \
    "$prefix/etc/chromium/native-messaging-hosts/net.ravlet.rvbx.json" ||
    fail "the installed Chromium manifest differs from the one the component writes"
cmp "$firefox" "$prefix/lib/mozilla/native-messaging-hosts/net.ravlet.rvbx.json" ||
    fail "the installed Firefox manifest differs from the one the component writes"

# A click on the page entry reaches the host of the prefix, which starts the installed ravlet
# on the page; it downloads the page's links and closes itself.
write_page "$work/site"
start_server "$work/site"
write_run_settings "$cfg/ravlet" "$work/dl"
message='{"caption":"&Use ravlet on this Page","range":"","menuArguments":{"event":{"clientX":1,"clientY":1},"document":{"elementFromPoint":null,"selection":{"createRange":{"htmlText":""}}},"location":{"href":"http://127.0.0.1:'$port'/index.html"}}}'
answer=$(python3 -c 'import struct,sys; m=sys.argv[1].encode(); sys.stdout.buffer.write(struct.pack("<I",len(m))+m)' "$message" |
    run XDG_CONFIG_HOME="$cfg" QT_QPA_PLATFORM=offscreen "$prefix/lib/ravlet/rvbx-host" | tail -c +5)
[ "$answer" = '{"ok":true}' ] || fail "the host answered $answer"
wait_for "$work/dl/two.txt" || fail "the installed ravlet started by the host downloaded nothing"
wait_gone "$prefix/bin/ravlet" || fail "the installed ravlet did not close itself after the run"
echo "install tree: all checks passed"
