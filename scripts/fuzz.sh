#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each from its
# seed corpus for a bounded time. A crash, a leak or a broken property stops
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
for target in $targets; do
    # New inputs go to a scratch folder; the seed corpus in the repository
    # is only read.
    scratch="build-fuzz/fuzz/corpus/$target"
    mkdir -p "$scratch"
    echo "Fuzzing $target for ${seconds}s"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$scratch" "fuzz/corpus/$target"
done
