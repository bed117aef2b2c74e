#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ (only them: the top
# CMakeLists.txt stops after fuzz/ with OSTRAVAL_FUZZ) and runs each from
# its seed corpus for a bounded time, as many at once as there are
# processors. A crash, a leak or a broken property stops
# the target and fails this script; the input that did it is kept in
# build-fuzz/fuzz/artifacts/.
#
# FUZZ_SECONDS sets the time per target (default 30); FUZZ_TARGETS the
# targets to run (default all four). To fuzz longer, for example an hour
# each: FUZZ_SECONDS=3600 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
targets="${FUZZ_TARGETS:-fuzz_numbers fuzz_settings fuzz_statefile fuzz_profile}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTRAVAL_FUZZ=ON
cmake --build build-fuzz -j "$(nproc)"

artifacts="build-fuzz/fuzz/artifacts"
mkdir -p "$artifacts"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Runs one target into its log. New inputs go to a scratch folder; the seed
# corpus in the repository is only read.
fuzz() {
    local target=$1 scratch="build-fuzz/fuzz/corpus/$1"
    mkdir -p "$scratch"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$scratch" "fuzz/corpus/$target" >"build-fuzz/fuzz/$target.log" 2>&1
}

# As many targets at a time as there are processors, each for its full
# time; each one's output is shown when it ends.
failed=()
running=()
finish_oldest() {
    local target=${running[0]} pid=${pids[0]}
    running=("${running[@]:1}")
    pids=("${pids[@]:1}")
    if wait "$pid"; then status=ok; else status=FAILED; failed+=("$target"); fi
    echo "=== $target: $status"
    cat "build-fuzz/fuzz/$target.log"
}
pids=()
for target in $targets; do
    [ ${#running[@]} -lt "$(nproc)" ] || finish_oldest
    echo "Fuzzing $target for ${seconds}s"
    fuzz "$target" &
    running+=("$target")
    pids+=($!)
done
while [ ${#running[@]} -gt 0 ]; do finish_oldest; done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found a fault in: ${failed[*]} (inputs in $artifacts/)"
    exit 1
fi
