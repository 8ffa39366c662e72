#!/usr/bin/env bash
# Builds the tree and runs the whole test suite through CTest, offscreen.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
# VARDEX_TEST_LOAD=<n|all>: n busy loops (all: one per core) beside the suite.
bash "$root/scripts/with-load.sh" "${VARDEX_TEST_LOAD:-0}" \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 600
# A short run of every fuzz target (clang build in ./build-fuzz).
if [ "${VARDEX_SKIP_FUZZ:-0}" != "1" ]; then
    unset QT_QPA_PLATFORM
    bash "$root/scripts/fuzz-smoke.sh"
fi
