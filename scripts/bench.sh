#!/usr/bin/env bash
# Start-up benchmark: the utility's window against the plain window (the
# same window built by plain Qt code) and a bare Qt window of the same size
# and controls, on the offscreen platform and on a virtual X server, then the
# per-call cost of change detection and of a full read.
# Usage: scripts/bench.sh [runs]   (default 30 starts of each window)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"
targets=(ostraval-bench-bare ostraval-bench-plain ostraval-bench-utility ostraval-bench-calls)

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j "$(nproc)" --target "${targets[@]}" >/dev/null

# The simulated sensor starts from factory defaults in a state file of its
# own, its distance held still.
state="$(mktemp -d)"
trap 'rm -rf "$state"' EXIT
export KV3RAPI_SIM_STATE="$state/sensor.bin" KV3RAPI_SIM_RANGE=30

python3 bench/run.py --bin build/bench --platform offscreen --runs "$runs" --languages en,de,cs
xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 bench/run.py --bin build/bench --platform xcb --runs "$runs" --languages en,de,cs
echo "per call, offscreen:"
QT_QPA_PLATFORM=offscreen build/bench/ostraval-bench-calls
