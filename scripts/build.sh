#!/usr/bin/env bash
# Configures and builds the tree into ./build (Ninja, RelWithDebInfo).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$root/build" --parallel "$(nproc)"
