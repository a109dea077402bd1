#!/usr/bin/env python3
"""quarnel-trame writing VCD and CSV of 1 kB, 100 kB and 1 MB of text read from standard input
to /dev/null, and the receiver's verdicts on the 100 kB (one line a frame, 3 % fast): the wall
time and the peak memory of each run, each run its own process.
Usage: trame_stream_bench.py QUARNEL_TRAME OUT.json
CSV is sampled 10 times a bit here (--frequence), not 100: at 100 a megabyte of text is some
10^9 rows, minutes of writing that say nothing more about how the time grows."""
import json
import os
import subprocess
import sys
import tempfile
import time

COMMAND, OUT = sys.argv[1], sys.argv[2]
SIZES = {"1kB": 1000, "100kB": 100_000, "1MB": 1_000_000}
TEXT = "Le message passe, octet par octet. "


def measure(args, text_path):
    """One run; what it writes to standard output goes to /dev/null."""
    with open(text_path, "rb") as text:
        start = time.perf_counter()
        process = subprocess.Popen([COMMAND, "-", *args], stdin=text,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(process.pid, 0)
        elapsed = time.perf_counter() - start
        process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"trame_stream_bench: {args} failed: {process.stderr.read().decode()}")
    return {"seconds": elapsed, "peak_kib": usage.ru_maxrss}


results = {}
with tempfile.TemporaryDirectory() as folder:
    for name, size in SIZES.items():
        path = os.path.join(folder, name)
        with open(path, "w", encoding="ascii") as f:
            f.write((TEXT * (size // len(TEXT) + 1))[:size])
        results[f"vcd-{name}"] = measure(["-o", "/dev/null", "--format", "vcd"], path)
        results[f"csv-{name}"] = measure(["-o", "/dev/null", "--format", "csv",
                                          "--frequence", "192000"], path)
        if name == "100kB":
            results[f"verdicts-{name}"] = measure(["--verdict", "--ecart", "3"], path)
with open(OUT, "w") as f:
    json.dump(results, f, indent=1)
for name, figures in results.items():
    print(f"{name:14} {figures['seconds']:8.3f} s {figures['peak_kib'] / 1024:8.1f} MiB")
