#!/usr/bin/env bash
# Builds the utility and starts it on the simulated sensor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the utility on a virtual X server (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/app/ostraval-config
fi
exec build/app/ostraval-config
