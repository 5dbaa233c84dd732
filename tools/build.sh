#!/bin/sh
# Configures (once) and builds the project incrementally in build/: every
# target, or only those named (sh tools/build.sh psr_host Pkg_psr41300).
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j"$(nproc)" --target "$@"
else
  cmake --build build -j"$(nproc)"
fi
