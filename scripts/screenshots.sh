#!/usr/bin/env bash
# Takes the pictures of the window that the README shows: each of its four
# pages, in English and in German, as the real window draws them on an X
# server of its own (Xvfb), on a simulated sensor that holds the factory
# configuration and a person standing at 30 inches.
#
# usage: scripts/screenshots.sh [OUTPUT-DIR [PROGRAM]]
#   OUTPUT-DIR  where the PNG files go (default: docs/)
#   PROGRAM     the window's program (default: build/app/ostraval-config)
# Writes window-LANG-PAGE.png for LANG en and de, PAGE 1 to 4.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/docs}"
program="${2:-$root/build/app/ostraval-config}"
[ -x "$program" ] || { echo "no window program at $program (build it first)" >&2; exit 1; }
mkdir -p "$out"
work="$(mktemp -d)"
server=""
window=""
cleanup() {
    [ -z "$window" ] || kill "$window" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks its own display number and writes it out when ready.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
server=$!
read -r -t 20 -u "$display_fd" number || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"

# The window of each run is the session's only one; no session bus is shared
# with a window the user may have open.
unset DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb KV3RAPI_SIM_RANGE=30

wait_for_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$window" 2>/dev/null | tail -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "the window did not appear" >&2; exit 1; }
    echo "$id"
}

# The window's area of the screen, as PNG, through GDK.
grab() {
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
import gi
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk
window = Gdk.get_default_root_window()
x, y, w, h = (int(v) for v in sys.argv[2].split())
Gdk.pixbuf_get_from_window(window, x, y, w, h).savev(sys.argv[1], "png", [], [])
PY
}

# English as the C locale has it; German through the catalogues' language.
declare -A locale=([en]=C.UTF-8 [de]=de_DE.UTF-8)
for lang in en de; do
    language=""
    [ "$lang" = en ] || language="$lang"
    rm -f "$work/sensor.bin"
    LANGUAGE="$language" LC_ALL="${locale[$lang]}" KV3RAPI_SIM_STATE="$work/sensor.bin" "$program" >/dev/null 2>&1 &
    window=$!
    id=$(wait_for_window)
    xdotool windowmove --sync "$id" 0 0 >/dev/null 2>&1 || true
    eval "$(xdotool getwindowgeometry --shell "$id")"
    for page in 1 2 3 4; do
        sleep 0.5
        grab "$out/window-$lang-$page.png" "$X $Y $WIDTH $HEIGHT"
        # Ctrl+Tab shows the next page.
        xdotool windowfocus --sync "$id" key --window "$id" ctrl+Tab
    done
    kill "$window"
    wait "$window" 2>/dev/null || true
    window=""
done
echo "pictures in $out"
