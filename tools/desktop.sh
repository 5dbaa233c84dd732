#!/bin/sh
# Builds, starts the application server on the demo database and opens the
# proposal-request screen in the desktop host: in a window when there is a
# display; otherwise on a virtual X display, saving a picture of the window
# (default build/desktop.png).
set -eu
cd "$(dirname "$0")/.."
SHOT=${1:-build/desktop.png}
. tools/demo-server.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  build/psr_desktop --server "$ADDRESS" --open
else
  xvfb-run -a -s "-screen 0 1280x1024x24" build/psr_desktop --server "$ADDRESS" --open --screenshot "$SHOT"
  echo "no display: the window ran on a virtual display; its picture is $SHOT"
fi
