#!/usr/bin/env bash
# Installs, builds and runs ravlet's main job on the bundled sample site.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
./build/ravlet-cli --help
