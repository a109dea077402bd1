#!/usr/bin/env python3
"""Prints the benchmark table from the results that tools/bench.sh gathered in one run.

Usage: report.py RESULTS_DIR
Every figure stands next to the yardstick measured in the same run, as a ratio, with its
budget and whether it holds. Exits with 1 when a budget does not hold or a figure is missing.
"""
import json
import math
import os
import platform
import sys

FRAME_60HZ_MS = 1000 / 60


class Row:
    """One figure. holds: True, False, None when it could not be measured, or INFO for a
    figure shown to explain another, with no budget of its own."""
    INFO = "info"

    def __init__(self, figure, measured, yardstick, ratio, budget, holds):
        verdicts = {True: "yes", False: "NO", None: "MISSING", Row.INFO: ""}
        self.cells = [figure, measured, yardstick, ratio, budget, verdicts[holds]]
        self.holds = holds

    def fails(self):
        return self.holds is not True and self.holds != Row.INFO


def load(results, name):
    path = os.path.join(results, name)
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return json.load(f)


def benchmark(data, run_name, aggregate="median"):
    """The entry of one benchmark: its median over repetitions, or its only run."""
    if data is None:
        return None
    for entry in data["benchmarks"]:
        name = entry.get("run_name", entry["name"])
        if name != run_name and not name.startswith(run_name + "/"):
            continue
        if entry.get("run_type") == "aggregate" and entry.get("aggregate_name") != aggregate:
            continue
        if entry.get("error_occurred"):
            return None
        return entry
    return None


def missing(figure, budget, why):
    return Row(figure, why, "", "", budget, None)


INSTRUCTIONS_BUDGET = 1.3
TIME_BUDGET = 1.3
EXTRA_MEMORY_BUDGET_MB = 12


def startup_rows(results, platform_name, label):
    data = load(results, f"startup-{platform_name}.json")
    instructions_budget = f"<= {INSTRUCTIONS_BUDGET}x (aim 1.15x)"
    time_budget = f"<= {TIME_BUDGET}x"
    memory_budget = f"<= +{EXTRA_MEMORY_BUDGET_MB} MB"
    if data is None or "text_window" not in data:
        return [missing(f"start-up {what}, {label}", budget, "not measured")
                for what, budget in (("instructions", instructions_budget),
                                     ("time", time_budget), ("peak memory", memory_budget))]
    program, empty, text_window = data["program"], data["empty_window"], data["text_window"]
    runs = program["runs"]
    # The yardstick is a window that shows text in the program's fonts: fontconfig's set-up,
    # Qt's font database, four font engines and their glyphs, which any such window pays.
    instructions = program["instructions"] / text_window["instructions"]
    over_empty = program["instructions"] / empty["instructions"]
    whole_run = program["exit_ms"] / text_window["exit_ms"]
    paint = program["first_paint_ms"] / empty["first_paint_ms"]
    extra_mib = (program["peak_rss_kib"] - empty["peak_rss_kib"]) / 1024
    rows = [
        Row(f"start-up instructions, {label}: start, first paint, exit",
            f"{program['instructions'] / 1e6:.1f} M",
            f"text window {text_window['instructions'] / 1e6:.1f} M",
            f"{instructions:.2f}x", instructions_budget, instructions <= INSTRUCTIONS_BUDGET),
        # The empty window draws no text, so no window showing text can come near it.
        Row("  for information: against the empty window",
            f"{program['instructions'] / 1e6:.1f} M",
            f"empty window {empty['instructions'] / 1e6:.1f} M",
            f"{over_empty:.2f}x", "", Row.INFO),
        Row(f"start-up time, {label}: start, first paint, exit (median of {runs})",
            f"{program['exit_ms']:.1f} ms", f"text window {text_window['exit_ms']:.1f} ms",
            f"{whole_run:.2f}x", time_budget, whole_run <= TIME_BUDGET),
        # Text alone already takes time that the empty window never spends.
        Row("  for information: against the empty window",
            f"{program['exit_ms']:.1f} ms", f"empty window {empty['exit_ms']:.1f} ms",
            f"{program['exit_ms'] / empty['exit_ms']:.2f}x", "", Row.INFO),
        # The empty window starts fontconfig only as it exits, the program before its first
        # paint, so this ratio is the larger one.
        Row(f"  of which start to first paint (median of {runs})",
            f"{program['first_paint_ms']:.1f} ms",
            f"empty window {empty['first_paint_ms']:.1f} ms", f"{paint:.2f}x", "", Row.INFO),
        Row(f"start-up peak resident memory, {label} (median of {runs})",
            f"{program['peak_rss_kib'] / 1024:.1f} MB",
            f"empty window {empty['peak_rss_kib'] / 1024:.1f} MB",
            f"{extra_mib:+.1f} MB", memory_budget, extra_mib <= EXTRA_MEMORY_BUDGET_MB),
    ]
    return rows


def repaint_row(results):
    figure = "chart repaint 657 x 250, send trace, antialiased (median)"
    data = load(results, "repaint.json")
    ours, theirs = benchmark(data, "BM_SignalChartRepaint"), benchmark(data, "BM_QtChartsRepaint")
    if ours is None or theirs is None:
        return missing(figure, "<= 0.5x (aim 0.3x)", "not measured (Qt Charts missing?)")
    ratio = ours["cpu_time"] / theirs["cpu_time"]
    unit = ours["time_unit"]
    return Row(figure, f"{ours['cpu_time']:.0f} {unit}",
               f"Qt Charts {theirs['cpu_time']:.0f} {unit}", f"{ratio:.2f}x",
               "<= 0.5x (aim 0.3x)", ratio <= 0.5)


def reaction_rows(results, platform_name, label):
    data = load(results, f"reaction-{platform_name}.json")
    rows = []
    for run_name, what in (("BM_EnvoyerReaction", '"Envoyer"'),
                           ("BM_ZoomStepReaction", "zoom step")):
        figure = f"{what}: click to end of repaint, {label} (median)"
        entry = benchmark(data, run_name)
        if entry is None or "median_ms" not in entry:
            rows.append(missing(figure, "<= 1 frame at 60 Hz", "not measured"))
            continue
        frames = entry["median_ms"] / FRAME_60HZ_MS
        rows.append(Row(figure, f"{entry['median_ms']:.2f} ms",
                        f"one 60 Hz frame {FRAME_60HZ_MS:.1f} ms", f"{frames:.3f} frame",
                        "<= 1 frame", frames <= 1))
    return rows


def scale_rows(results):
    data = load(results, "scale.json")
    append = benchmark(data, "BM_PointListAppendInOrder")
    vectors = benchmark(data, "BM_VectorsAppendInOrder")
    merge_small = benchmark(data, "BM_PointListMergeTraces/250")
    merge = benchmark(data, "BM_PointListMergeTraces/1000")
    sorted_insert = benchmark(data, "BM_SortedVectorsMergeTraces/1000")

    def throughput_row(figure, ours, theirs, yardstick, digits):
        if not (ours and theirs):
            return missing(figure, ">= 0.5x", "not measured")
        ratio = ours["items_per_second"] / theirs["items_per_second"]
        return Row(figure, f"{ours['items_per_second'] / 1e6:.{digits}f} M points/s",
                   f"{yardstick} {theirs['items_per_second'] / 1e6:.{digits}f} M points/s",
                   f"{ratio:.2f}x", ">= 0.5x", ratio >= 0.5)

    rows = [throughput_row("append 1,000,000 points in order of x (median)", append, vectors,
                           "two vectors", 1),
            throughput_row("merge 1,000 send traces without a clear (median)", merge,
                           sorted_insert, "sorted insert", 2)]

    # Time per point at 1,000 traces over that at 250: four times the points held, so a cost
    # linear in them gives 4, that is an exponent of 1.
    figure = "merge: growth of the cost per point, 250 to 1,000 traces"
    if merge and merge_small:
        per_point = merge_small["items_per_second"] / merge["items_per_second"]
        exponent = math.log(per_point) / math.log(4)
        rows.append(Row(figure, f"exponent {exponent:.2f}", "linear in points held = 1",
                        f"{per_point:.2f}x per point", "<= 1.2", exponent <= 1.2))
    else:
        rows.append(missing(figure, "<= 1.2", "not measured"))
    return rows


def machine():
    model = ""
    try:
        with open("/proc/cpuinfo") as f:
            model = next((line.split(":", 1)[1].strip() for line in f
                          if line.startswith("model name")), "")
    except OSError:
        pass
    load1 = os.getloadavg()[0]
    return (f"{model or platform.processor()}, {os.cpu_count()} cores, "
            f"{platform.system()} {platform.release()}, load average {load1:.1f}")


def print_table(rows):
    header = ["figure", "measured", "yardstick (same run)", "ratio", "budget", "holds"]
    widths = [max(len(str(row[i])) for row in [header] + [r.cells for r in rows])
              for i in range(len(header))]
    line = "  ".join("-" * w for w in widths)
    print("  ".join(h.ljust(w) for h, w in zip(header, widths)))
    print(line)
    for row in rows:
        print("  ".join(str(c).ljust(w) for c, w in zip(row.cells, widths)))


def main():
    results = sys.argv[1]
    rows = (startup_rows(results, "offscreen", "offscreen")
            + startup_rows(results, "xcb", "Xvfb")
            + [repaint_row(results)]
            + reaction_rows(results, "offscreen", "offscreen")
            + reaction_rows(results, "xcb", "Xvfb")
            + scale_rows(results))
    print(f"quarnel benchmarks on {machine()}")
    print_table(rows)
    budgeted = [r for r in rows if r.holds != Row.INFO]
    failed = [r for r in budgeted if r.fails()]
    print(f"{len(budgeted) - len(failed)} of {len(budgeted)} budgets hold.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
