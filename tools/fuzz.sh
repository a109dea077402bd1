#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each one from its committed seed corpus (fuzz/corpus/<target>).
# Usage: tools/fuzz.sh [LIMIT]
#   LIMIT is libFuzzer's own: -runs=N (inputs per target) or -max_total_time=S (seconds per
#   target); the default, -max_total_time=5, is the brief run of CI.
# Environment: FUZZ_BUILD (build folder, default build-fuzz), FUZZ_JOBS (default 2),
#   FUZZ_TARGETS (default: encoding trace axis_labels point_list frame trame_options).
# What a run finds grows a corpus in FUZZ_BUILD/corpus/<target>, kept from run to run; an input
# that fails is kept in FUZZ_BUILD/artifacts/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build-fuzz}
jobs=${FUZZ_JOBS:-2}
targets=${FUZZ_TARGETS:-encoding trace axis_labels point_list frame trame_options}
limit=${1:--max_total_time=5}

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (make deps)" >&2; exit 1; }
cmake -S . -B "$build" -G Ninja -DQUARNEL_FUZZ=ON -DQUARNEL_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
# Only the fuzz targets: the rest of the project is the other builds' business.
cmake --build "$build" -j"$jobs" --target fuzz_targets

mkdir -p "$build/artifacts"
failed=()
for target in $targets; do
    corpus="$build/corpus/$target"
    log="$build/fuzz-$target.log"
    mkdir -p "$corpus"
    # New inputs go into the first folder; the seeds are only read.
    status=0
    "$build/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" "$limit" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    inputs=$(find "$corpus" -type f | wc -l)
    if ((status == 0)); then
        echo "fuzz $target: ${runs:-?} inputs run clean; corpus of $inputs"
    else
        echo "fuzz $target: FAILED after ${runs:-?} inputs (exit $status); see $log" >&2
        grep -E 'ERROR|runtime error|check failed' "$log" | head -n 5 >&2 || true
        failed+=("$target")
    fi
done
((${#failed[@]} == 0)) || { echo "fuzz: failures in ${failed[*]}" >&2; exit 1; }
