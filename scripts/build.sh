#!/usr/bin/env bash
# Configures and builds the tree into ./build (Ninja, RelWithDebInfo).
# VARDEX_BUILD_TARGETS (space-separated) builds only those targets and what
# they need; by default everything is built, tests and benchmarks included.
# CMAKE_BUILD_PARALLEL_LEVEL sets how many jobs build at once (default: one a
# core), for a machine busy with other work or short of memory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
targets=()
if [[ -n "${VARDEX_BUILD_TARGETS:-}" ]]; then
    read -r -a names <<< "$VARDEX_BUILD_TARGETS"
    targets=(--target "${names[@]}")
fi
cmake --build "$root/build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" "${targets[@]}"
