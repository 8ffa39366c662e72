#!/usr/bin/env bash
# `cmake --install` puts the program where it runs as it does from the build
# tree: translations and keyboard pictures beside the executable, the device
# library where the executable finds it, a command in bin, and the udev rules.
# Usage: install_layout.sh <build dir> <scratch dir>
set -uo pipefail
build="$1"
base="$2"
rm -rf "$base"
mkdir -p "$base"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check_tree() {
    local root="$1" what="$2"
    local exe="$root/lib/vardex-keyboard/vardex-keyboard"
    [[ -x "$exe" ]] || { fail "$what: no executable at $exe"; return; }
    [[ -L "$root/bin/vardex-keyboard" && "$(readlink -f "$root/bin/vardex-keyboard")" == "$(readlink -f "$exe")" ]] \
        || fail "$what: bin/vardex-keyboard does not lead to the executable"
    for qm in English.qm Zh_SM.qm; do
        [[ -s "$root/lib/vardex-keyboard/translation/$qm" ]] || fail "$what: translation/$qm missing"
    done
    local built installed
    built=$(find "$build/bin/images/hidImages" -name '*.png' | wc -l)
    installed=$(find "$root/lib/vardex-keyboard/images/hidImages" -name '*.png' 2>/dev/null | wc -l)
    [[ $built -gt 0 && $installed -eq $built ]] || fail "$what: $installed of $built keyboard pictures installed"
    [[ -s "$root/lib/udev/rules.d/60-vardex-keyboard.rules" ]] || fail "$what: udev rules missing"
    if ldd "$exe" | grep -q "not found"; then
        fail "$what: unresolved libraries: $(ldd "$exe" | grep 'not found' | tr -s ' \t' ' ')"
    fi
}

# An ordinary install under a prefix given on the command line.
cmake --install "$build" --prefix "$base/prefix" >"$base/install.log" 2>&1 || fail "install into a prefix failed"
check_tree "$base/prefix" "--prefix"

# A staged install (as packaging does) writes nothing outside DESTDIR.
outside="/opt/vardex-install-check-$$"
DESTDIR="$base/stage" cmake --install "$build" --prefix "$outside" >>"$base/install.log" 2>&1 \
    || fail "staged install failed"
[[ -e "$outside" ]] && fail "staged install wrote to $outside"
[[ -L "$base/stage$outside/bin/vardex-keyboard" ]] || fail "staged install: no bin/vardex-keyboard under DESTDIR"

if ((failures)); then
    cat "$base/install.log"
    exit 1
fi
echo "install layout ok"
