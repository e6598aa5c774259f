#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 120).
# usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang libclang-rt-14-dev
seconds=${1:-120}
shift || true
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DRAVLET_FUZZ=ON -DRAVLET_GUI=OFF -DRAVLET_TESTS=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
# The targets alone: the browser component, a shared library, cannot take the sanitizers'
# runtime from a program.
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"
mkdir -p build-fuzz/findings
for t in "${targets[@]}"; do
    corpus=build-fuzz/corpus-$t
    mkdir -p "$corpus"
    [ -d "fuzz/seeds/$t" ] && cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
    echo "== $t for ${seconds}s"
    ./build-fuzz/fuzz/"$t" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$t"- "$corpus" 2>&1 |
        grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' || true
done
