#!/usr/bin/env bash
# Installs, builds and runs ravlet's main job on the bundled sample site.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
./build/ravlet-cli --help
# A fresh program folder: the first run creates its work folder, then the browser hand-over
# of a selection is handled and the settings are written on closing.
home=$(mktemp -d)
printf '<a href="one.html">one</a>\r\n<img src="two.png">\r\n' > "$home/ravlet.l00"
RAVLET_HOME="$home" ./build/ravlet "/u:http://example.com/page.html/s:ravlet.l00" </dev/null
RAVLET_HOME="$home" ./build/ravlet-cli settings | tr -d '\r'
rm -rf "$home"
