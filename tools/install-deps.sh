#!/bin/sh
# Installs the Debian packages the project builds with, when any is missing;
# with --tests also those the tests run with (PostgreSQL's server programs
# for the throw-away test cluster, clang and its libFuzzer for the fuzzing
# targets). Quick and silent when everything is already present.
set -eu
PACKAGES="cmake g++ make libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev rapidjson-dev libsqlite3-dev libpq-dev pkg-config qt6-base-dev qt6-translations-l10n xvfb xauth"
if [ "${1:-}" = "--tests" ]; then PACKAGES="$PACKAGES postgresql clang libclang-rt-14-dev"; fi
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
fi
