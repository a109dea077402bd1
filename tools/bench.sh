#!/usr/bin/env bash
# Runs the benchmarks of the build in BUILD_DIR and prints one table: every figure next to a
# yardstick measured in the same run, with its budget and whether it holds.
# Usage: tools/bench.sh BUILD_DIR   (make bench builds first, then runs this)
# Takes a few minutes; QUARNEL_BENCH_RUNS sets how many start-ups are timed (default 15).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
bench="$build/bench"
runs=${QUARNEL_BENCH_RUNS:-15}
results=$(mktemp -d)
xserver="$source_dir/tools/test-env/xserver.sh"

cleanup() {
    "$xserver" stop "$results/xserver"
    rm -rf "$results"
}
trap cleanup EXIT

for tool in valgrind Xvfb xdpyinfo openbox python3; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing (run tools/install-deps.sh)" >&2; exit 1; }
done

# As in the tests: a private runtime folder, and no session bus for libdbus to look for.
export XDG_RUNTIME_DIR="$results/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DBUS_SESSION_BUS_ADDRESS=disabled:

# The tests' private X server, with its window manager.
"$xserver" start "$results/xserver"
display=$(sed -n 's/^export DISPLAY=//p' "$results/xserver/xserver.env")

offscreen() { QT_QPA_PLATFORM=offscreen "$@"; }
on_xvfb() { DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"; }
# Google Benchmark: JSON into the results folder, the console output thrown away.
google_benchmark() {
    local out=$1
    shift
    "$@" --benchmark_out="$results/$out" --benchmark_out_format=json >/dev/null 2>&1 ||
        echo "bench: $(basename "$1") failed" >&2
}

echo "Measuring start-up ($runs runs and one callgrind run per window and platform)..." >&2
for platform in offscreen on_xvfb; do
    name=$([[ $platform == offscreen ]] && echo offscreen || echo xcb)
    $platform python3 "$source_dir/bench/measure_startup.py" "$bench/quarnel-bench-startup" \
        "$bench/quarnel-bench-empty-window" "$bench/quarnel-bench-text-window" "$runs" \
        "$results/startup-$name.json" ||
        echo "bench: start-up on $name failed" >&2
done

echo "Measuring repaint, reaction and scale..." >&2
if [[ -x $bench/quarnel-bench-repaint ]]; then
    # Repetitions taken in random turns, so that drift on a shared machine hits both alike.
    offscreen google_benchmark repaint.json "$bench/quarnel-bench-repaint" \
        --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true
fi
offscreen google_benchmark reaction-offscreen.json "$bench/quarnel-bench-reaction"
on_xvfb google_benchmark reaction-xcb.json "$bench/quarnel-bench-reaction"
google_benchmark scale.json "$bench/quarnel-bench-scale" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The report's status is the script's: it fails when a budget does not hold. The blocks
# after it still run.
report_status=0
python3 "$source_dir/bench/report.py" "$results" || report_status=$?

# quarnel-trame, in a table of its own: VCD and CSV of 1 kB, 100 kB and 1 MB of text (time and
# peak memory, one process each), then the a-w handout as SVG, PDF and PNG against the window's
# chart drawing one frame, in the same run.
echo "Measuring quarnel-trame..." >&2
python3 "$source_dir/bench/trame_stream_bench.py" "$build/quarnel-trame" "$results/trame-stream.json" ||
    echo "bench: quarnel-trame streams failed" >&2
offscreen "$bench/quarnel-bench-trame-handout" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null ||
    echo "bench: quarnel-trame handouts failed" >&2
exit "$report_status"
