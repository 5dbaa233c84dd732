#!/bin/sh
# Installs what is missing, builds, and runs every test: the unit and
# scenario tests on both database back ends (a throw-away PostgreSQL cluster
# is started and stopped by the run), the reliability suite, and the fuzzing
# targets for a bounded time.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh --tests
sh tools/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
