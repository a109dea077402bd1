#!/usr/bin/env python3
"""Start-up of the program against an empty Qt window, on the platform of the environment.

Usage: measure_startup.py PROGRAM EMPTY_WINDOW TEXT_WINDOW RUNS OUT.json

Both executables stop after their window's first paint and print "first-paint NS" (NS from
CLOCK_MONOTONIC). Writes, for each: the instructions of one whole run counted by callgrind,
and the medians over RUNS runs, taken in turns, of the time from launch to the first paint,
the time from launch to exit and the peak resident memory. TEXT_WINDOW, a window showing
one line in each of the program's fonts, the yardstick of the instructions, is measured
alike, in the same turns.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time


def instructions(executable):
    """Instructions of one run, start to exit, as callgrind counts them (repeatable)."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out,
                        executable], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        with open(out) as profile:
            for line in profile:
                if line.startswith(("summary:", "totals:")):
                    return int(line.split()[1])
    raise RuntimeError(f"callgrind wrote no total for {executable}")


def timed_run(executable):
    """(ms to first paint, ms to exit, peak resident KiB) of one run."""
    launched = time.monotonic_ns()  # the same clock as the child's CLOCK_MONOTONIC
    child = subprocess.Popen([executable], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True)
    output = child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    exited = time.monotonic_ns()
    child.returncode = os.waitstatus_to_exitcode(status)
    painted = [int(line.split()[1]) for line in output.splitlines()
               if line.startswith("first-paint ")]
    if child.returncode != 0 or not painted:
        raise RuntimeError(f"{executable} exited with {child.returncode} before a first paint")
    return ((painted[0] - launched) / 1e6, (exited - launched) / 1e6, usage.ru_maxrss)


def main():
    program, empty, text_window = sys.argv[1:4]
    runs, out = int(sys.argv[4]), sys.argv[5]
    windows = (program, empty, text_window)
    samples = {executable: [] for executable in windows}
    for executable in windows:  # once untimed, so that all start with their files in the cache
        timed_run(executable)
    for _ in range(runs):
        for executable in windows:  # in turns, so that drift hits all alike
            samples[executable].append(timed_run(executable))

    def summary(executable):
        paint, exit_, rss = zip(*samples[executable])
        return {"instructions": instructions(executable),
                "first_paint_ms": statistics.median(paint),
                "exit_ms": statistics.median(exit_),
                "peak_rss_kib": statistics.median(rss),
                "runs": runs}

    result = {"platform": os.environ.get("QT_QPA_PLATFORM", ""),
              "program": summary(program), "empty_window": summary(empty),
              "text_window": summary(text_window)}
    with open(out, "w") as f:
        json.dump(result, f, indent=2)


if __name__ == "__main__":
    main()
