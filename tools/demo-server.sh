# Sourced by the run scripts: builds, creates the demo database when missing,
# starts the application server on a free loopback port, stops it when the
# script ends, and sets ADDRESS to its HOST:PORT.
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
