#!/bin/sh
# Runs an X11 test on a private Xvfb (on a display it finds free itself) with
# the openbox window manager, which hands the focus around as a desktop does.
# Where either is missing the test runs offscreen, where it skips itself.
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
    echo "Xvfb or openbox is missing: running offscreen, the X11 cases skip" >&2
    exec env QT_QPA_PLATFORM=offscreen "$@"
fi
scratch=$(mktemp -d /tmp/vardex-openbox.XXXXXX) || exit 1
xvfb=
wm=
finish() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT INT TERM
# wait_for <what> <pid> <log> <command...>: polls the command while the
# process lives, 1,200 times at most (a minute or more: a bound that only ends
# a hang); on failure prints the log and ends the run.
wait_for() {
    what=$1 pid=$2 log=$3
    shift 3
    i=0
    until "$@"; do
        i=$((i + 1))
        if [ $i -gt 1200 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "$what did not start:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.05
    done
}
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x800x24 5>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
wait_for Xvfb "$xvfb" "$scratch/xvfb.log" test -s "$scratch/display"
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it names itself on the root window.
wm_named() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for openbox "$wm" "$scratch/openbox.log" wm_named
env QT_QPA_PLATFORM=xcb "$@"
