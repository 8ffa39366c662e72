#!/bin/sh
# Runs an X11 test under a private Xvfb. Where no X server can be started the
# test runs on the offscreen platform, where it skips itself with a message.
if command -v xvfb-run >/dev/null 2>&1 && command -v Xvfb >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$@"
fi
echo "xvfb-run or Xvfb is missing: running offscreen, the X11 cases skip" >&2
exec env QT_QPA_PLATFORM=offscreen "$@"
