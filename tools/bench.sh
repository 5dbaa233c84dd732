#!/bin/sh
# Installs what is missing, builds the benchmarks in a Release tree
# (build-release/) and runs them: the application server and the screen
# measured side by side against their floors, ending with a summary of
# medians and ratios, the growth tables and the memory of the loaded list;
# then the proposal list in its desktop window (100,000 proposals).
# Arguments go to psr_bench (Google Benchmark options).
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
[ -f build-release/CMakeCache.txt ] || cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
# The compiler's output is shown only when the build fails.
LOG=build-release/bench-build.log
if ! cmake --build build-release -j"$(nproc)" --target psr_bench psr_desktop_bench >"$LOG" 2>&1; then
  cat "$LOG" >&2
  exit 1
fi
status=0
build-release/psr_bench "$@" || status=$?
echo
echo "The proposal list in its desktop window"
build-release/psr_desktop_bench || status=$?
exit $status
