#!/usr/bin/env bash
# Installs the dependencies, builds with AddressSanitizer and UBSan, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${SLIDEMINT_TEST_BUILD:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSLIDEMINT_SANITIZE=ON -DSLIDEMINT_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
