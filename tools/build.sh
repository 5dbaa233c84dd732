#!/bin/sh
# Configures (once) and builds the project incrementally in build/.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
