#!/bin/sh
# Installs what is missing, builds, creates the demo database when missing,
# starts the application server on a free loopback port, and opens the host's
# window on it; without a display, the scripted host prints the screen instead.
set -eu
cd "$(dirname "$0")/.."
. tools/demo-server.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  build/psr_desktop --server "$ADDRESS" "$@"
else
  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): printing the screen from the scripted host instead."
  build/psr_host --server "$ADDRESS" --dump "$@"
fi
