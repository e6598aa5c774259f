#!/usr/bin/env bash
# Applying a pad of 10 filters (two of every kind) to LINKS links (default 100,000): the
# refiner's apply alone (filter_bench), the whole "ravlet-cli filter" run (reading the pad and
# the list, printing the result), and a sed/grep/awk pipeline doing a comparable set of
# steps, for scale. Best of ROUNDS (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
links=${1:-100000}
rounds=${2:-3}
bench_build filter_bench
cmake --build build-bench --target ravlet-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export RAVLET_HOME=$work

for n in $((links / 10)) "$links" $((links * 10)); do
    ./build-bench/bench/filter_bench "$n" 2
done
./build-bench/bench/filter_bench "$links" 2 "$work" >/dev/null

peer() {
    sed -e 's/#.*$//' -e 's/\.$//' -e 's|/old/|/new/|I' "$work/links.txt" |
        grep -i '^http://' | grep -iv '\.exe$' | grep -v '/icons.*\.gif' | grep -iv '\.php$' |
        awk '!seen[tolower($0)]++'
}
for _ in $(seq "$rounds"); do
    time_of ./build-bench/ravlet-cli filter --pad "$work/pad.rvp" "$work/links.txt" >>"$work/cli"
    time_of bash -c "$(declare -f peer); work=$work; peer" >>"$work/peer"
done
cli=$(best <"$work/cli")
pipe=$(best <"$work/peer")
kept=$(./build-bench/ravlet-cli filter --pad "$work/pad.rvp" "$work/links.txt" | wc -l)
echo "ravlet-cli filter, $links links, 10 filters: $cli s ($kept links left)"
echo "sed/grep/awk pipeline, same list:          $pipe s ($(peer | wc -l) links left)"
echo "ratio ravlet / pipeline: $(echo "scale=2; $cli / $pipe" | bc)"
