#!/usr/bin/env bash
# Regenerates the catalogues (translations/ostraval_*.ts) from the code:
# new and changed messages are added as unfinished, removed ones dropped.
# Translators then fill them in with Qt Linguist (linguist-qt6) or any
# editor; the build compiles them.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --target ostraval_lupdate
