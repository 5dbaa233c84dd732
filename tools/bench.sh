#!/bin/sh
# Installs what is missing, builds the benchmarks in a Release tree
# (build-release/) and runs them: the application server and the screen
# measured side by side, ending with a summary of medians and ratios.
# Arguments go to psr_bench (Google Benchmark options).
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
[ -f build-release/CMakeCache.txt ] || cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
# The compiler's output is shown only when the build fails.
LOG=build-release/bench-build.log
if ! cmake --build build-release -j"$(nproc)" --target psr_bench >"$LOG" 2>&1; then
  cat "$LOG" >&2
  exit 1
fi
exec build-release/psr_bench "$@"
