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
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x800x24 5>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
i=0
while [ ! -s "$scratch/display" ]; do
    i=$((i + 1))
    if [ $i -gt 200 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it names itself on the root window.
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    i=$((i + 1))
    if [ $i -gt 200 ] || ! kill -0 "$wm" 2>/dev/null; then
        echo "openbox did not start:" >&2
        cat "$scratch/openbox.log" >&2
        exit 1
    fi
    sleep 0.05
done
env QT_QPA_PLATFORM=xcb "$@"
