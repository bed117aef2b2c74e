#!/usr/bin/env bash
# Builds the project and runs every test.
set -euo pipefail
# The tests run in a pinned locale, whatever the desk's language; the tests
# of a language set their own.
export LC_ALL=C.UTF-8 LANGUAGE=
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
# The whole suite again under the sanitizers, then each fuzz target for a
# bounded time from its seed corpus.
cd ..
bash scripts/test-sanitized.sh
bash scripts/fuzz.sh
