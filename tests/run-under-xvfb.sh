#!/usr/bin/env bash
# Runs a command on its own Xvfb. The server picks a display number that is
# free at that moment and tells it through -displayfd, so two copies of the
# suite (or another X server on the machine) never meet on one display; a
# fixed or guessed number would be taken by whichever server came first.
# Where Xvfb is missing the command runs on the offscreen platform, where the
# X11 cases skip themselves with a message.
# Usage: run-under-xvfb.sh [--screen WxHxD] command [args...]
set -u
screen="1280x800x24"
if [[ "${1:-}" == "--screen" ]]; then
    screen="$2"
    shift 2
fi
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "Xvfb is missing: running offscreen, the X11 cases skip" >&2
    exec env QT_QPA_PLATFORM=offscreen "$@"
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/vardex-xvfb.XXXXXX") || exit 1
xvfb=""
cleanup() {
    if [[ -n "$xvfb" ]]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server writes its display number into the pipe once it accepts
# clients; if it dies first, the pipe closes and the read ends empty.
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
display=""
read -r -t 60 display <"$dir/display"
if [[ ! "$display" =~ ^[0-9]+$ ]]; then
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
fi

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
