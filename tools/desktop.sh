#!/bin/sh
# Builds, starts the application server on the demo database and opens the
# proposal-request screen in the desktop host: in a window when there is a
# display; otherwise on a virtual X display, saving a picture of the window
# (default build/desktop.png).
set -eu
cd "$(dirname "$0")/.."
SHOT=${1:-build/desktop.png}
sh tools/build.sh >/dev/null
DB=build/demo.db
[ -f "$DB" ] || build/psr_appserver --db "$DB" --demo --create-only >/dev/null
LOG=$(mktemp)
build/psr_appserver --db "$DB" --listen 127.0.0.1:0 >"$LOG" &
PID=$!
trap 'kill $PID 2>/dev/null || true; rm -f "$LOG"' EXIT INT TERM
i=0
until grep -q '^listening on ' "$LOG"; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $PID 2>/dev/null; then echo "the application server did not start" >&2; exit 1; fi
  sleep 0.1
done
ADDRESS=$(sed -n 's/^listening on //p' "$LOG")
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  build/psr_desktop --server "$ADDRESS" --open
else
  xvfb-run -a -s "-screen 0 1280x1024x24" build/psr_desktop --server "$ADDRESS" --open --screenshot "$SHOT"
  echo "no display: the window ran on a virtual display; its picture is $SHOT"
fi
