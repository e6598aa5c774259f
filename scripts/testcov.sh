#!/usr/bin/env bash
# Which blocks of src/ each test reaches, test by test, and which tests reach nothing that
# other tests do not: evidence for folding or dropping a test, never a verdict on its own
# (two inputs through the same blocks can still be two faults).
#   scripts/testcov.sh [FILTER]     builds build-cov with clang, runs every test (or the
#                                   gtest FILTER) in a process of its own, then reports
# Blocks reached in child processes (ravlet-cli, the browser host) count for the test that
# started them; the browser component loaded as a library is not counted.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${RAVLET_COV_OUT:-$root/build-cov/testcov}
mkdir -p build-cov
printf 'src:%s/src/*\nfun:*\n' "$root" > build-cov/allow.txt
clang -c -O1 -fPIC scripts/testcov/cov_rt.c -o build-cov/cov_rt.new.o
# The runtime is a linker flag, which the build does not track: a new one relinks everything.
if ! cmp -s build-cov/cov_rt.new.o build-cov/cov_rt.o; then
    mv build-cov/cov_rt.new.o build-cov/cov_rt.o
    find build-cov -path build-cov/CMakeFiles -prune -o -type f \( -name '*.so' -o -perm -u+x \) -print |
        while read -r f; do
            if [ "$(head -c 4 "$f" | tail -c 3)" = ELF ]; then rm -f "$f"; fi
        done
fi
flags="-fsanitize-coverage=trace-pc-guard,pc-table -fsanitize-coverage-allowlist=$root/build-cov/allow.txt"
cmake -S . -B build-cov -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$root/build-cov/cov_rt.o" -DCMAKE_SHARED_LINKER_FLAGS="$root/build-cov/cov_rt.o" \
    -DCMAKE_MODULE_LINKER_FLAGS="$root/build-cov/cov_rt.o" -DRAVLET_UNITY=OFF >/dev/null
cmake --build build-cov -j2 >/dev/null
rm -rf "$out"
mkdir -p "$out"
list() { # BINARY: Suite.Name per line
    "$1" --gtest_list_tests --gtest_filter="${2:-*}" | awk '
        /^[^ ]/ { suite = $1; next }
        { print suite $1 }'
}
{
    list build-cov/tests/ravlet_tests "${1:-*}" | sed 's|^|build-cov/tests/ravlet_tests |'
    list build-cov/tests/ravlet_gui_tests "${1:-*}" | sed 's|^|build-cov/tests/ravlet_gui_tests |'
} > "$out/tests.txt"
build-cov/tests/ravlet_tests --gtest_list_tests --gtest_output=json:"$out/where.json" >/dev/null
build-cov/tests/ravlet_gui_tests --gtest_list_tests --gtest_output=json:"$out/where-gui.json" >/dev/null
echo "$(wc -l < "$out/tests.txt") tests"
export QT_QPA_PLATFORM=offscreen
# shellcheck disable=SC2016
xargs -P 2 -L 1 bash -c '
    dir=$0/${2//\//%}; mkdir -p "$dir"
    RAVLET_COV_DIR=$dir timeout 300 "$1" --gtest_filter="$2" > "$dir/log" 2>&1 ||
        echo "failed: $2" >&2' "$out" < "$out/tests.txt"
python3 scripts/testcov/report.py "$out"
