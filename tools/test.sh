#!/bin/sh
# Installs what is missing, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
sh tools/build.sh
cd build && ctest --output-on-failure -j"$(nproc)"
