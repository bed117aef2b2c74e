#!/usr/bin/env bash
# Builds the project and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
# The whole suite again under the sanitizers, then each fuzz target for a
# bounded time from its seed corpus.
cd ..
bash scripts/test-sanitized.sh
bash scripts/fuzz.sh
