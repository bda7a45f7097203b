#!/usr/bin/env python3
"""Times orvandel-solve beside tdoku's benchmark program on the same puzzle files and prints the
ratios per collection as a Markdown table.

tdoku (https://github.com/t-dillon/tdoku, BSD-2-Clause) is a bare solver library: it finds and
counts solutions and explains nothing. Build it apart from this repository, for instance

    git clone https://github.com/t-dillon/tdoku /tmp/tdoku && cd /tmp/tdoku && ./BUILD.sh run_benchmark

and pass its build folder (the one holding run_benchmark). Its figure is its uniqueness check
(run_benchmark counts to two solutions), timed by its own harness over the file in file order
(-r 0), warm: it loops over the whole file for the test time. Ours is the whole of orvandel-solve -j 1
--csv (and --json) over the file in one cold pass: reading, every step explained, the count, the
rating and the output; its start-up (a run over an empty file) is taken off, and a file of fewer
than 5,000 puzzles is solved several times over in the one run.

Both are processor time per puzzle. run_benchmark reports wall-clock time, so its figure is scaled
by the share of a processor its process had (its processor time over its wall time), which on a
busy machine keeps other programs' load out of it. The rounds alternate between the two programs,
and each figure is the median of the rounds.
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

SCRIPT_DIR = os.path.dirname(os.path.abspath(__file__))
MIN_PUZZLES = 5000
DEFAULT_SOLVER = os.path.join(SCRIPT_DIR, "..", "build", "release", "cli", "orvandel-solve")


def count_puzzles(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return sum(1 for line in f if len(line.strip()) >= 81 and not line.startswith("#"))


def child_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run_timed(command, stdout):
    """Runs command; returns (its processor seconds, its wall seconds, its standard output)."""
    cpu_before = child_cpu()
    wall_before = time.monotonic()
    result = subprocess.run(command, stdout=stdout, stderr=subprocess.PIPE, text=True, check=False)
    wall = time.monotonic() - wall_before
    cpu = child_cpu() - cpu_before
    return cpu, wall, result


def time_tdoku(run_benchmark, path, puzzles, seconds):
    """tdoku's processor time per puzzle in microseconds."""
    command = [run_benchmark, "-r", "0", "-n", str(puzzles), "-s", "tdoku", "-c", "1",
               "-w", str(max(seconds / 3, 0.5)), "-t", str(seconds), path]
    cpu, wall, result = run_timed(command, subprocess.PIPE)
    if result.returncode != 0:
        sys.exit(f"compare-with-tdoku: {' '.join(command)} failed: {result.stderr.strip() or result.stdout.strip()}")
    # The CSV line: compiler, version, flags, file, solver, puzzles/s, microseconds/puzzle, ...
    fields = result.stdout.strip().splitlines()[-1].split(",")
    microseconds = float(fields[6])
    return microseconds * min(cpu / wall, 1.0) if wall > 0 else microseconds


def run_ours(solver, mode, path):
    """orvandel-solve's processor seconds for one cold pass over the file."""
    with open(os.devnull, "w") as devnull:
        cpu, _, result = run_timed([solver, "-j", "1", mode, path], devnull)
    if result.returncode not in (0, 1):  # 1: some puzzle without a unique solution
        sys.exit(f"compare-with-tdoku: orvandel-solve {mode} {path} failed: {result.stderr.strip()}")
    return cpu


def time_ours(solver, mode, path, puzzles, empty):
    """orvandel-solve's processor time per puzzle in microseconds, one cold pass over the file. Its
    start-up, a run over a file without puzzles, is left out, as tdoku's harness leaves out its own."""
    startup = run_ours(solver, mode, empty)
    return max(run_ours(solver, mode, path) - startup, 0.0) / puzzles * 1e6


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tdoku_build", help="tdoku's build folder, which holds run_benchmark")
    parser.add_argument("files", nargs="+", help="puzzle files, one 81-character puzzle a line")
    parser.add_argument("--solver", default=DEFAULT_SOLVER, help="orvandel-solve (default: the release build's)")
    parser.add_argument("--rounds", type=int, default=3, help="rounds per file, the median is shown (default 3)")
    parser.add_argument("--seconds", type=float, default=3.0, help="tdoku's test time per round (default 3)")
    options = parser.parse_args()

    run_benchmark = os.path.join(options.tdoku_build, "run_benchmark")
    if not os.access(run_benchmark, os.X_OK):
        sys.exit(f"compare-with-tdoku: no run_benchmark in {options.tdoku_build}")
    if not os.access(options.solver, os.X_OK):
        sys.exit(f"compare-with-tdoku: no orvandel-solve at {options.solver} (cmake --preset release, then build it)")

    empty_file = tempfile.NamedTemporaryFile(mode="w", suffix=".txt")
    empty = empty_file.name
    print("Processor time per puzzle in microseconds, the median of %d rounds." % options.rounds)
    print()
    print("| Collection | Puzzles | tdoku | `--csv` | `--json` | `--csv` / tdoku | `--json` / tdoku | `--json` / `--csv` |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for path in options.files:
        puzzles = count_puzzles(path)
        if puzzles == 0:
            print(f"compare-with-tdoku: {path} holds no puzzle", file=sys.stderr)
            continue
        # A short file is solved several times over in one run, as tdoku's harness does, so that the
        # run lasts long enough for the processor time to be measured.
        repeats = -(-MIN_PUZZLES // puzzles)
        repeated = tempfile.NamedTemporaryFile(mode="w", suffix=".txt")
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        repeated.write(text * repeats if text.endswith("\n") else (text + "\n") * repeats)
        repeated.flush()
        tdoku, csv, json = [], [], []
        for _ in range(options.rounds):
            tdoku.append(time_tdoku(run_benchmark, path, puzzles, options.seconds))
            csv.append(time_ours(options.solver, "--csv", repeated.name, puzzles * repeats, empty))
            json.append(time_ours(options.solver, "--json", repeated.name, puzzles * repeats, empty))
        repeated.close()
        t, c, j = statistics.median(tdoku), statistics.median(csv), statistics.median(json)
        name = os.path.splitext(os.path.basename(path))[0]
        print(f"| {name} | {puzzles} | {t:.2f} | {c:.2f} | {j:.2f} | {c / t:.2f} | {j / t:.2f} | {j / c:.2f} |",
              flush=True)


if __name__ == "__main__":
    main()
