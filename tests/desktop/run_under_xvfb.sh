#!/bin/sh
# Runs a test program on a virtual X display of its own: Xvfb picks a free
# display itself (so walks run side by side), the program runs there with
# Qt's X11 platform and the screenshot folder given, and the display is
# stopped again. Exits 77 (skipped) when Xvfb is not installed.
# usage: run_under_xvfb.sh PROGRAM SCREENSHOT_DIR
set -u
PROGRAM=$1
SHOTS=$2
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed: skipped"; exit 77; }
FD_FILE=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$FD_FILE" >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; wait $XPID 2>/dev/null; rm -f "$FD_FILE"' EXIT INT TERM
i=0
until [ -s "$FD_FILE" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $XPID 2>/dev/null; then echo "Xvfb did not start" >&2; exit 1; fi
  sleep 0.1
done
n=$(head -n 1 "$FD_FILE")
mkdir -p "$SHOTS"
DISPLAY=:$n QT_QPA_PLATFORM=xcb PSR_SCREENSHOT_DIR=$SHOTS "$PROGRAM"
