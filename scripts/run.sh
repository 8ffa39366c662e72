#!/usr/bin/env bash
# Builds the tool and starts it. With no supported keyboard attached, the
# simulated keyboard stands in so the whole tool can be tried.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
args=("$@")
if ! "$root/scripts/has-keyboard.sh" "$root/build"; then
    echo "No supported keyboard attached: starting with the simulated keyboard."
    args+=(--simulate)
fi
exec "$root/build/bin/vardex-keyboard" "${args[@]}"
