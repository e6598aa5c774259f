#!/usr/bin/env bash
# Takes docs/main-window.png: ravlet under Xvfb gets a page of a local server, F7 docks the log.
# Needs xvfb (Debian's xvfb package) and a build in build/ (bash scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/main-window.png}
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
with open(sys.argv[1], "w") as f:
    f.write("<html><body>\r\n")
    f.writelines('<a href="%s">%s</a><br>\r\n' % (l, l) for l in links)
    f.write("</body></html>\r\n")
PY
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server=$!
sleep 1
cat > "$work/run.sh" <<SH
RAVLET_HOME="$work/home" ./build/ravlet "http://127.0.0.1:$port/files/index.html" &
app=\$!
sleep 4
python3 scripts/xshot.py key ravlet F7
sleep 1
python3 scripts/xshot.py shot ravlet "$out"
kill \$app
SH
xvfb-run -a -s "-screen 0 1100x760x24" bash "$work/run.sh"
echo "wrote $out"
