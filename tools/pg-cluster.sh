#!/bin/sh
# A throw-away PostgreSQL cluster for the tests, in a folder of its own.
#
#   sh tools/pg-cluster.sh start DIR   creates and starts it on a free loopback
#                                      port; writes its URI to DIR/uri (its
#                                      files are in a temporary folder that
#                                      DIR/cluster names)
#   sh tools/pg-cluster.sh stop DIR    stops it and removes DIR
#   sh tools/pg-cluster.sh bindir      prints where initdb and pg_ctl are
#                                      (nothing, exit 1, when not installed)
#
# The cluster runs as an unprivileged user: the caller, or the postgres user
# when the caller is root (PostgreSQL refuses to run as root). It trusts
# loopback connections of its one role "psr", listens on 127.0.0.1 only and
# keeps its socket in its own folder. That folder is under /tmp, so that the
# postgres user can reach it wherever DIR is. It holds test data only, so it skips the flushes
# to disk that protect against a machine crash (fsync off).
set -eu

bindir() {
  for dir in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$dir/initdb" ] && [ -x "$dir/pg_ctl" ]; then echo "$dir"; return 0; fi
  done
  return 1
}

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "${1:-}" in
  bindir)
    bindir
    ;;
  start)
    dir=${2:?usage: pg-cluster.sh start DIR}
    bin=$(bindir) || { echo "PostgreSQL server programs not found (Debian package postgresql)" >&2; exit 1; }
    if [ -f "$dir/uri" ] && [ -f "$dir/cluster" ] &&
       as_owner "$bin/pg_ctl" -D "$(cat "$dir/cluster")/data" status >/dev/null 2>&1; then exit 0; fi
    sh "$0" stop "$dir"
    mkdir -p "$dir"
    cluster=$(mktemp -d /tmp/psr-pg.XXXXXX)
    echo "$cluster" >"$dir/cluster"
    if [ "$(id -u)" -eq 0 ]; then chown postgres "$cluster"; fi
    as_owner "$bin/initdb" -D "$cluster/data" -U psr --auth=trust -E UTF8 --locale=C >"$dir/initdb.log" 2>&1 ||
      { cat "$dir/initdb.log" >&2; exit 1; }
    tries=0
    while :; do
      # below the system's range for outgoing connections (32768 up), so that no
      # reconnecting client is ever given the port as its own
      port=$(( 20000 + $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % 12000 ))
      if as_owner "$bin/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 60 \
           -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$cluster -c fsync=off -c max_connections=300" \
           start >/dev/null 2>&1; then
        break
      fi
      tries=$((tries + 1))
      if [ "$tries" -ge 10 ]; then as_owner tail -20 "$cluster/server.log" >&2; exit 1; fi
    done
    echo "postgresql://psr@127.0.0.1:$port/postgres" >"$dir/uri"
    cat "$dir/uri"
    ;;
  stop)
    dir=${2:?usage: pg-cluster.sh stop DIR}
    if [ -f "$dir/cluster" ]; then
      cluster=$(cat "$dir/cluster")
      if bin=$(bindir) && [ -d "$cluster/data" ]; then
        as_owner "$bin/pg_ctl" -D "$cluster/data" -m immediate -w stop >/dev/null 2>&1 || true
      fi
      case "$cluster" in /tmp/psr-pg.*) rm -rf "$cluster" ;; esac
    fi
    rm -rf "$dir"
    ;;
  *)
    echo "usage: pg-cluster.sh start DIR | stop DIR | bindir" >&2
    exit 2
    ;;
esac
