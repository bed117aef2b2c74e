#!/usr/bin/env bash
# The benchmark's plain window is a fair yardstick only while it shows what
# the utility's window shows: both first-shown windows must be the same
# picture, pixel for pixel, and hold as many named controls.
# Usage: same_window.sh BENCH_DIR
set -euo pipefail
bench="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen KV3RAPI_SIM_STATE="$work/sensor.bin" KV3RAPI_SIM_RANGE=30

declare -A controls
for program in plain utility; do
    OSTRAVAL_BENCH_GRAB="$work/$program.png" "$bench/ostraval-bench-$program" \
        >"$work/$program.out" 2>/dev/null
    read -r word _ _ count <"$work/$program.out"
    [ "$word" = idle ] || { echo "$program did not report its window" >&2; exit 1; }
    controls[$program]="$count"
done
if [ "${controls[plain]}" != "${controls[utility]}" ]; then
    echo "the plain window has ${controls[plain]} named controls, the utility's ${controls[utility]}" >&2
    exit 1
fi
if ! cmp -s "$work/plain.png" "$work/utility.png"; then
    echo "the plain window does not look like the utility's window" >&2
    exit 1
fi
echo "the plain window shows the same picture and ${controls[plain]} named controls"
