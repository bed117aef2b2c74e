#!/usr/bin/env bash
# Configures and builds the project in build/ (after installing what is
# missing). The build is hardened as the Debian packages are, so that the
# package test makes the packages from it instead of building them again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTRAVAL_HARDENING=ON
cmake --build build -j "$(nproc)"
