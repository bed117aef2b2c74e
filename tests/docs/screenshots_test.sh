#!/usr/bin/env bash
# The README's pictures can be made: scripts/screenshots.sh, run into a
# folder of its own, writes a PNG picture of each page in each language.
# What they show is not compared: fonts and styles differ between machines.
# usage: screenshots_test.sh SCRIPT PROGRAM
set -euo pipefail
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$1" "$out" "$2"
status=0
for lang in en de; do
    for page in 1 2 3 4; do
        picture="$out/window-$lang-$page.png"
        if ! head -c 8 "$picture" 2>/dev/null | cmp -s - <(printf '\211PNG\r\n\032\n'); then
            echo "FAIL: no PNG picture window-$lang-$page.png" >&2
            status=1
        elif [ "$(stat -c %s "$picture")" -lt 5000 ]; then
            echo "FAIL: window-$lang-$page.png is nearly empty" >&2
            status=1
        fi
    done
done
[ $status -ne 0 ] || echo "eight pictures of the window"
exit $status
