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
  # By default: the list, then the first proposal's contract product lines
  # with their systems, and its contract services.
  [ $# -gt 0 ] || set -- --page tshFolhaDados --page tshDadosContLinhaProd --page tshDadosContServicos
  build/psr_host --server "$ADDRESS" --dump "$@"
fi
