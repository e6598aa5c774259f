#!/usr/bin/env bash
# Takes the screenshots in docs/ under Xvfb, of ravlet getting a page of a local server.
#   scripts/screenshot.sh main [OUT]      docs/main-window.png: with Auto_Leech on, the links
#                                         are downloaded at once; what fails lands in the log
#   scripts/screenshot.sh refiner [OUT]   docs/refiner.png: the refiner shows itself beside the
#                                         main window and applies the sample pad
#                                         examples/pads/archives-and-music.rvp to the list
#   scripts/screenshot.sh scanner [OUT]   docs/scanner.png: the site scanner, opened from the
#                                         Tools menu, has walked the sample site examples/site
#   scripts/screenshot.sh filer [OUT]     docs/filer.png: the Filename Generator (Tools menu)
#                                         has generated the sample site's picture series
#   scripts/screenshot.sh info [OUT]      docs/info.png: the Info window (List menu) shows the
#                                         answer of the server for a row of the sample site
#   scripts/screenshot.sh export [OUT]    docs/export-html.png: the options of
#                                         "Export HTML File..." (File menu), after its file dialog
#   scripts/screenshot.sh prefs [DIR]     DIR/preferences-0.png to -7.png (docs/): each page of
#                                         the Preferences window (F4), expanded in turn
#   scripts/screenshot.sh run [OUT]       docs/run-in-progress.png: a download run half-way,
#                                         drawn offscreen by ravlet_run_screenshot (no Xvfb)
#   scripts/screenshot.sh empty [OUT]     docs/first-start.png: the main window of a first
#                                         start, its empty list's hint, drawn offscreen by
#                                         ravlet_first_start_screenshot (no Xvfb)
# Needs xvfb (Debian's xvfb package) and a build in build/ (bash scripts/build.sh), or the
# program named by RAVLET_BIN.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-main}
if [ "$mode" = run ]; then
    build=${RAVLET_BUILD:-build}
    cmake --build "$build" --target ravlet_run_screenshot
    exec "$build/tests/ravlet_run_screenshot" "${2:-docs/run-in-progress.png}"
fi
if [ "$mode" = empty ]; then
    build=${RAVLET_BUILD:-build}
    cmake --build "$build" --target ravlet_first_start_screenshot
    exec "$build/tests/ravlet_first_start_screenshot" "${2:-docs/first-start.png}"
fi
case $mode in
main) out=${2:-docs/main-window.png} screen=1100x760 ;;
refiner) out=${2:-docs/refiner.png} screen=1600x800 ;;
scanner) out=${2:-docs/scanner.png} screen=1700x760 ;;
filer) out=${2:-docs/filer.png} screen=1560x680 ;;
info) out=${2:-docs/info.png} screen=1600x760 ;;
export) out=${2:-docs/export-html.png} screen=1520x680 ;;
prefs) out=${2:-docs} screen=1700x760 ;;
*) echo "usage: scripts/screenshot.sh main|refiner|scanner|filer|info|export|prefs|run|empty [OUT.png]" >&2; exit 2 ;;
esac
bin=${RAVLET_BIN:-./build/ravlet}
work=$(mktemp -d)
trap 'kill ${server:-} 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/site/files" "$work/home/tmp"
python3 - "$work/site/files/index.html" <<'PY'
import sys
links = ["index.html", "about/team.html", "downloads/ravlet-0.1.0.tar.gz",
         "downloads/ravlet-0.1.0.zip", "docs/manual.pdf", "docs/quickstart.html",
         "images/logo.png", "images/screens/main.png", "images/screens/refiner.png",
         "http://mirror.example.net/pub/ravlet/", "ftp://ftp.example.org/pub/ravlet-0.0.9.tar.gz",
         "news/2024-05-release.html", "news/archive.html", "music/live-01.mp3",
         "music/live-02.mp3", "music/live-03.ogg", "video/tour.webm",
         "forum/viewtopic.php?t=42&start=10", "mailto:support@example.com", "contact.html"]
import os
with open(sys.argv[1], "w") as f:
    f.write("<html><body>\r\n")
    f.writelines('<a href="%s">%s</a><br>\r\n' % (l, l) for l in links)
    f.write("</body></html>\r\n")
# Some of the links are there, the others answer 404.
folder = os.path.dirname(sys.argv[1])
for l in links[1:9:2] + links[13:15]:
    path = os.path.join(folder, l)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"x" * 2048)
PY
if [ "$mode" = main ]; then
    printf 'Auto_Leech=1\r\nRefiner_AutoShow=0\r\nfilenaming=3\r\nsavedir=%s/\r\n' \
        "$work/home/tmp" >"$work/home/ravlet.ini"
    take="python3 scripts/xshot.py shot ravlet '$out'"
elif [ "$mode" = scanner ]; then
    # The sample site, with the base built from the start page for the scanner to take.
    cp -r examples/site/. "$work/site/files/"
    printf 'Auto_Leech=0\r\nRefiner_AutoShow=0\r\nAuto_BuildBase=2\r\nscanimg=1\r\nsavedir=%s/\r\n' \
        "$work/home/tmp" >"$work/home/ravlet.ini"
    take="python3 scripts/xshot.py key ravlet Alt_L+t s && sleep 2 && python3 scripts/xshot.py key scanner Alt_L+a && sleep 4 && python3 scripts/xshot.py move scanner right-of:ravlet && python3 scripts/xshot.py shot - '$out'"
elif [ "$mode" = filer ] || [ "$mode" = info ] || [ "$mode" = export ]; then
    # The sample site again, its start page got with the base built.
    cp -r examples/site/. "$work/site/files/"
    printf 'Auto_Leech=0\r\nRefiner_AutoShow=0\r\nAuto_BuildBase=2\r\nscanimg=1\r\nsavedir=%s/\r\n' \
        "$work/home/tmp" >"$work/home/ravlet.ini"
    x="python3 scripts/xshot.py"
    case $mode in
    filer) # Tools > Filename Generator: the numbered pictures pic08.png to pic12.png, under the base.
        take="$x key ravlet Alt_L+t f && sleep 2 && $x click 'Filename Generator' 40 20 \
&& $x type 'Filename Generator' images/series/pic \
&& $x press 'Filename Generator' Tab Control_L+a && $x type 'Filename Generator' 8-12 \
&& $x press 'Filename Generator' Tab && $x type 'Filename Generator' .png \
&& $x press 'Filename Generator' Alt_L+f Alt_L+g && sleep 2 \
&& $x move 'Filename Generator' right-of:ravlet && $x shot - '$out'" ;;
    info) # The third row (files/sample.tar.gz), List > Info..., then Get Info.
        take="$x click ravlet 100 115 && $x key ravlet Alt_L+l i && sleep 2 \
&& $x move Info right-of:ravlet && $x key Info Alt_L+i && sleep 3 && $x shot - '$out'" ;;
    export) # File > Export HTML File..., a name in the file dialog, then the options.
        take="$x key ravlet Alt_L+f e && sleep 2 && $x type 'Export HTML File' '$work/home/tmp/links.html' \
&& $x press 'Export HTML File' Return && sleep 2 && $x move 'HTML Export' right-of:ravlet \
&& $x shot - '$out'" ;;
    esac
elif [ "$mode" = prefs ]; then
    printf 'Auto_Leech=0\r\nRefiner_AutoShow=0\r\nsavedirs=%s/,%s/music/\r\nsavedir=%s/\r\n' \
        "$work/home/tmp" "$work/home/tmp" "$work/home/tmp" >"$work/home/ravlet.ini"
    x="python3 scripts/xshot.py"
    # F4 opens the window with "Download" expanded; the pages' boxes are at the left of their
    # rows, 20 pixels apart, once every page above is collapsed.
    take="$x key ravlet F4 && sleep 3 && $x move Preferences right-of:ravlet \
&& $x click Preferences 20 42 && sleep 1"
    for page in 0 1 2 3 4 5 6 7; do
        y=$((22 + 20 * page))
        take="$take && $x click Preferences 20 $y && sleep 1 && $x shot Preferences '$out/preferences-$page.png' \
&& $x click Preferences 20 $y && sleep 1"
    done
else
    printf 'Auto_Leech=0\r\nRefiner_AutoShow=1\r\nRefiner_AutoApply=1\r\nwinrefinerw=1040\r\nwinrefinerh=700\r\nsavedir=%s/\r\n' \
        "$work/home/tmp" >"$work/home/ravlet.ini"
    cp examples/pads/archives-and-music.rvp "$work/home/default.rvp"
    take="python3 scripts/xshot.py move FilterRavPad right-of:ravlet && python3 scripts/xshot.py shot - '$out'"
fi
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server=$!
sleep 1
cat > "$work/run.sh" <<SH
base="http://127.0.0.1:$port/files"
RAVLET_HOME="$work/home" "$bin" "http://127.0.0.1:$port/files/index.html" &
app=\$!
sleep 8
$take
kill \$app
SH
xvfb-run -a -s "-screen 0 ${screen}x24" bash "$work/run.sh"
echo "wrote $out"
