#!/usr/bin/env python3
"""Reads the per-test block lists scripts/testcov.sh wrote and prints, for every test that
reaches no block of src/ that another test does not, the tests that reach all of its blocks.

usage: report.py OUT_DIR"""
import bisect
import collections
import json
import os
import subprocess
import sys

out = sys.argv[1]
symbols = {}  # exe -> (starts, ends, names)


def symbolize(exe, offset):
    if exe not in symbols:
        rows = []
        nm = subprocess.run(["nm", "--defined-only", "-S", exe], capture_output=True, text=True).stdout
        for line in nm.splitlines():
            parts = line.split()
            if len(parts) == 4 and parts[2] in "tTwW":
                start, size = int(parts[0], 16), int(parts[1], 16)
                rows.append((start, start + size, parts[3]))
        rows.sort()
        symbols[exe] = ([r[0] for r in rows], [r[1] for r in rows], [r[2] for r in rows])
    starts, ends, names = symbols[exe]
    i = bisect.bisect_right(starts, offset) - 1
    if i < 0 or offset >= ends[i]:
        return None
    return "%s+%x" % (names[i], offset - starts[i])


where = {}
for name in ("where.json", "where-gui.json"):
    path = os.path.join(out, name)
    if os.path.exists(path):
        for suite in json.load(open(path))["testsuites"]:
            for t in suite["testsuite"]:
                where[suite["name"] + "." + t["name"]] = (t["file"], t["line"])

# A test's length: from its line to the closing brace in the first column; the rows of a
# parameterised test share one body, so only its first row is given the length.
length = {}
seen = set()
for test, (f, line) in sorted(where.items()):
    if (f, line) in seen or not os.path.exists(f):
        length[test] = 0
        continue
    seen.add((f, line))
    lines = open(f).read().split("\n")
    end = line
    while end < len(lines) and lines[end - 1] != "}":
        end += 1
    length[test] = end - line + 1

tests = [line.split()[1] for line in open(os.path.join(out, "tests.txt"))]
index = {}
blocks = {}  # test -> the numbers of the blocks it reached
for test in tests:
    d = os.path.join(out, test.replace("/", "%"))
    reached = set()
    for name in os.listdir(d) if os.path.isdir(d) else []:
        if name == "log":
            continue
        lines = open(os.path.join(d, name)).read().split()
        for off in lines[1:]:  # the first line names the executable
            block = symbolize(lines[0], int(off, 16))
            if block is not None:
                reached.add(index.setdefault(block, len(index)))
    blocks[test] = reached

reach = collections.Counter(b for reached in blocks.values() for b in reached)
unique = {t: sum(1 for b in reached if reach[b] == 1) for t, reached in blocks.items()}
sets = {t: sum(1 << b for b in reached) for t, reached in blocks.items()}  # for subset tests

print("%d tests, %d blocks of src/ reached" % (len(tests), len(index)))
# Every block reached, one a line, for comparing two runs (a test removed, a flaky branch).
with open(os.path.join(out, "blocks.txt"), "w") as f:
    f.write("".join(b + "\n" for b in sorted(index)))
empty = [t for t in tests if sets[t] == 0]
if empty:
    print("\nreach no block of src/ (%d):" % len(empty))
    for t in empty:
        print("  %s  %s:%s" % (t, *where.get(t, ("?", "?"))))
print("\nreach nothing of their own, longest first: test, lines, blocks, the tests that reach all of them")
rows = []
for t in tests:
    if unique[t] or not sets[t]:
        continue
    covers = [s for s in tests if s != t and sets[t] & sets[s] == sets[t]]
    rows.append((length.get(t, 0), t, covers))
rows.sort(key=lambda r: -r[0])
for n, t, covers in rows:
    f, line = where.get(t, ("?", "?"))
    shown = ", ".join(covers[:4]) + (" ..." if len(covers) > 4 else "")
    print("%4d %5d %s  %s:%s\n        within: %s" % (n, len(blocks[t]), t,
          os.path.relpath(f) if f != "?" else f, line, shown or "(no single test; only together)"))
print("\n%d of %d tests reach nothing of their own, %d lines" % (len(rows), len(tests), sum(r[0] for r in rows)))
