#!/usr/bin/env bash
# Builds the tool and starts it. With no supported keyboard attached, the
# simulated keyboard stands in so the whole tool can be tried.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the tool and the udev rules that tell a supported keyboard apart; the
# tests and benchmarks wait for scripts/test.sh.
VARDEX_BUILD_TARGETS="vardex-keyboard vardex_udev_rules" "$root/scripts/build.sh"
args=("$@")
if ! "$root/scripts/has-keyboard.sh" "$root/build"; then
    echo "No supported keyboard attached: starting with the simulated keyboard."
    args+=(--simulate)
fi
exec "$root/build/bin/vardex-keyboard" "${args[@]}"
