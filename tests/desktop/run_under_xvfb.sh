#!/bin/sh
# Runs a test program on a virtual X display of its own: starts Xvfb on the
# first free display from :90, runs the program there with Qt's X11 platform
# and the screenshot folder given, and stops the display again. Exits 77
# (skipped) when Xvfb is not installed.
# usage: run_under_xvfb.sh PROGRAM SCREENSHOT_DIR
set -u
PROGRAM=$1
SHOTS=$2
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed: skipped"; exit 77; }
n=90
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; wait $XPID 2>/dev/null' EXIT INT TERM
i=0
until [ -e /tmp/.X11-unix/X$n ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $XPID 2>/dev/null; then echo "Xvfb did not start on :$n" >&2; exit 1; fi
  sleep 0.1
done
mkdir -p "$SHOTS"
DISPLAY=:$n QT_QPA_PLATFORM=xcb PSR_SCREENSHOT_DIR=$SHOTS "$PROGRAM"
