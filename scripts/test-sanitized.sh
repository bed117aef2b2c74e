#!/usr/bin/env bash
# Builds the project with the address and undefined-behaviour sanitizers in
# build-asan/ and runs every test there. The first finding stops the test it
# occurs in and fails this script.
set -euo pipefail
# The tests run in a pinned locale, whatever the desk's language; the tests
# of a language set their own.
export LC_ALL=C.UTF-8 LANGUAGE=
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTRAVAL_SANITIZE=ON
cmake --build build-asan -j "$(nproc)"
cd build-asan
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --output-on-failure -j "$(nproc)"
