# Sourced by the run scripts: builds, creates the demo database when missing,
# starts the application server on a free loopback port, stops it when the
# script ends, and sets ADDRESS to its HOST:PORT.
# Only the programs the main job runs are built here (the tests and
# benchmarks are built by the test command), with one line of progress (source files compiled).
echo "Building the server, the scripted host, the window and the screen's package (the first run takes about four minutes on two cores)..."
BUILT=$(mktemp)
{ sh tools/build.sh psr_appserver psr_host psr_desktop Pkg_psr41300 && echo ok >"$BUILT"; } |
  awk '/Building CXX object/ { n++; printf "\r  %d source files compiled", n; fflush() } END { if (n) print "" }'
if [ ! -s "$BUILT" ]; then rm -f "$BUILT"; echo "the build failed (its messages are above)" >&2; exit 1; fi
rm -f "$BUILT"
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
