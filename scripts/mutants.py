#!/usr/bin/env python3
"""A small mutation check: does the suite notice when the code is changed in a plausible way?

The mutations are data (scripts/mutants.tsv): a file, an exact snippet of it, its replacement,
the tests to run and what the change breaks. The tree is copied to a work folder and built
there once (optimised, without sanitizers, through ccache when there is one); then each
mutation in turn is applied (its snippet must occur exactly once), the tests are built and
run, and the file is put back. A mutation is caught when the tests fail or hang.

Run by hand, never by CI:

    python3 scripts/mutants.py                 # every row
    python3 scripts/mutants.py url-proto-rel   # some rows, by id
    python3 scripts/mutants.py --list          # the table

The work folder (default: $TMPDIR/ravlet-mutants-$USER) is kept between runs, so a second
run rebuilds only what changed.
"""

import argparse
import getpass
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TEST_TIMEOUT = 180  # seconds for one row's tests; a hang counts as caught
BUILD_TIMEOUT = 900


class Row:
    def __init__(self, fields, line):
        if len(fields) != 6:
            raise ValueError(f"line {line}: want 6 tab-separated fields, got {len(fields)}")
        self.id, self.file, self.filter, snippet, replacement, self.breaks = fields
        self.snippet = unescape(snippet)
        self.replacement = unescape(replacement)
        self.line = line


def unescape(text):
    """\\n, \\t and \\\\ in the table stand for a line end, a tab and a backslash."""
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_table(path):
    rows = []
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        if not raw.strip() or raw.startswith("#"):
            continue
        rows.append(Row(raw.split("\t"), number))
    ids = [r.id for r in rows]
    doubles = {i for i in ids if ids.count(i) > 1}
    if doubles:
        raise ValueError(f"ids used twice: {sorted(doubles)}")
    return rows


def tracked_files():
    out = subprocess.run(
        ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        cwd=ROOT, check=True, capture_output=True).stdout
    return [Path(p.decode()) for p in out.split(b"\0") if p]


def sync_tree(src):
    """Copies the tree into src, touching only files whose content differs (ninja keeps
    its work), and removes files that are gone."""
    src.mkdir(parents=True, exist_ok=True)
    wanted = set()
    for rel in tracked_files():
        origin = ROOT / rel
        if not origin.is_file():
            continue
        wanted.add(rel)
        target = src / rel
        data = origin.read_bytes()
        if target.is_file() and target.read_bytes() == data:
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        shutil.copymode(origin, target)
    for path in sorted(src.rglob("*"), reverse=True):
        rel = path.relative_to(src)
        if path.is_file() and rel not in wanted:
            path.unlink()


def run(cmd, cwd, timeout, env=None):
    """(exit status, output); status None on a time-out."""
    try:
        p = subprocess.run(cmd, cwd=cwd, env=env, timeout=timeout,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors="replace") if e.stdout else ""
        return None, out


def configure(src, build, jobs):
    if (build / "build.ninja").exists():
        return
    cmd = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
           "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O1",
           "-DRAVLET_SANITIZE=OFF", "-DRAVLET_GUI=OFF", "-DRAVLET_TESTS=ON"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    status, out = run(cmd, src, BUILD_TIMEOUT)
    if status != 0:
        sys.exit("configuring the copy failed:\n" + out)


def build_tests(build, jobs):
    return run(["cmake", "--build", str(build), "-j", str(jobs), "--target", "ravlet_tests"],
               build, BUILD_TIMEOUT)


def run_tests(build, gtest_filter):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("RAVLET_HOME", None)
    cmd = [str(build / "tests" / "ravlet_tests"), "--gtest_brief=1"]
    if gtest_filter and gtest_filter != "*":
        cmd.append("--gtest_filter=" + gtest_filter)
    return run(cmd, build / "tests", TEST_TIMEOUT, env)


def ran_tests(output):
    """How many tests a run reported; 0 when the filter matched none."""
    for line in output.splitlines():
        if line.startswith("[==========]") and " tests from " in line:
            try:
                return int(line.split()[1])
            except ValueError:
                pass
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ids", nargs="*", help="rows to run (all when none)")
    parser.add_argument("--table", default=str(ROOT / "scripts" / "mutants.tsv"))
    parser.add_argument("--work", default=os.path.join(
        tempfile.gettempdir(), "ravlet-mutants-" + getpass.getuser()))
    parser.add_argument("-j", "--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="print the table and stop")
    parser.add_argument("--whole", action="store_true",
                        help="run the whole test binary for every row, not the row's filter")
    args = parser.parse_args()

    rows = read_table(Path(args.table))
    if args.ids:
        unknown = set(args.ids) - {r.id for r in rows}
        if unknown:
            sys.exit(f"no such rows: {sorted(unknown)}")
        rows = [r for r in rows if r.id in args.ids]
    if args.list:
        for r in rows:
            print(f"{r.id:28} {r.file:40} {r.breaks}")
        return 0

    work = Path(args.work)
    src, build = work / "src", work / "build"
    print(f"copying the tree to {src}", flush=True)
    sync_tree(src)
    configure(src, build, args.jobs)
    started = time.time()
    status, out = build_tests(build, args.jobs)
    if status != 0:
        sys.exit("the unchanged copy does not build:\n" + out[-4000:])
    print(f"built the unchanged copy in {time.time() - started:.0f} s", flush=True)

    results = []
    for r in rows:
        path = src / r.file
        if not path.is_file():
            results.append((r, "n/a", "no such file"))
            print(f"{r.id:28} n/a       no such file {r.file}", flush=True)
            continue
        original = path.read_text()
        count = original.count(r.snippet)
        if count != 1:
            why = f"snippet found {count} times"
            results.append((r, "n/a", why))
            print(f"{r.id:28} n/a       {why}", flush=True)
            continue
        t0 = time.time()
        path.write_text(original.replace(r.snippet, r.replacement))
        try:
            status, out = build_tests(build, args.jobs)
            if status != 0:
                verdict, why = "n/a", "does not build"
            else:
                status, out = run_tests(build, "*" if args.whole else r.filter)
                if status is None:
                    verdict, why = "caught", "the tests hung"
                elif status != 0:
                    failed = [l.split("]", 1)[1].split(",")[0].strip() for l in out.splitlines()
                              if l.startswith("[  FAILED  ]") and " listed below" not in l]
                    verdict, why = "caught", (failed[0] if failed else f"exit status {status}")
                elif ran_tests(out) == 0:
                    verdict, why = "n/a", f"the filter '{r.filter}' runs no test"
                else:
                    verdict, why = "survived", r.breaks
        finally:
            path.write_text(original)
        results.append((r, verdict, why))
        print(f"{r.id:28} {verdict:9} {time.time() - t0:5.0f} s  {why}", flush=True)

    # Leave the copy built as the tree is.
    build_tests(build, args.jobs)
    applicable = [x for x in results if x[1] != "n/a"]
    caught = [x for x in applicable if x[1] == "caught"]
    print()
    for r, verdict, why in results:
        if verdict != "caught":
            print(f"{verdict:9} {r.id}: {r.file}: {why}")
    share = 100.0 * len(caught) / len(applicable) if applicable else 0.0
    print(f"\ncaught {len(caught)} of {len(applicable)} applicable mutations ({share:.0f}%), "
          f"{len(results) - len(applicable)} not applicable, "
          f"{time.time() - started:.0f} s in all")
    return 0


if __name__ == "__main__":
    sys.exit(main())
