#!/bin/sh
# Builds the fuzz targets of the wire readers (tests/fuzz, docs/fuzzing.md)
# with clang++, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# then runs each on a fresh copy of its seed corpus plus the inputs kept in
# tests/fuzz/regressions/<target>/, for a bounded time. Exits non-zero when
# a target found a crash, a hang or a memory blow-up, naming the input it
# kept.
#
#   sh tools/fuzz.sh [TARGET...]     targets: frame request packet (default: all)
#
#   FUZZ_SECONDS    time of the whole run, shared by the targets (default 60)
#   FUZZ_BUILD_DIR  build and work folder (default build-fuzz/)
#   FUZZ_CXX        the compiler (default clang++)
#   FUZZ_JOBS       build jobs (default: the number of processors)
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
ALL="frame request packet"
TARGETS=${*:-$ALL}
for t in $TARGETS; do
  case " $ALL " in *" $t "*) ;; *) echo "fuzz.sh: unknown target '$t' (targets: $ALL)" >&2; exit 2 ;; esac
done
SECONDS_TOTAL=${FUZZ_SECONDS:-60}
BUILD=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}

sh tools/install-deps.sh --tests

# The compiler's output is shown only when the build fails.
mkdir -p "$BUILD"
LOG=$BUILD/build.log
programs=""
for t in $TARGETS; do programs="$programs fuzz_$t"; done
if ! { [ -f "$BUILD/CMakeCache.txt" ] ||
       cmake -S tests/fuzz -B "$BUILD" -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}"; } >"$LOG" 2>&1 ||
   ! cmake --build "$BUILD" -j"${FUZZ_JOBS:-$(nproc)}" --target $programs >>"$LOG" 2>&1; then
  cat "$LOG" >&2
  exit 1
fi

count=$(echo $TARGETS | wc -w)
per=$((SECONDS_TOTAL / count))
[ "$per" -ge 1 ] || per=1
# A crash, an input taking over 30 s, a process over 2 GiB or a single
# allocation over 64 MiB (a frame's announced size set aside before its
# bytes came) stops a target with the input kept. The kept 1.4 MB packet
# (long-field-name.json) takes 5 to 13 s with the sanitizers on this
# 2-core machine: 30 s still stops a hang, not a slow but sound reading.
LIMITS="-timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=64"
status=0
for t in $TARGETS; do
  work=$BUILD/corpus/$t
  rm -rf "$work"
  mkdir -p "$work" "$BUILD/crashes/$t"
  cp tests/fuzz/corpus/$t/* "$work/"
  log=$BUILD/$t.log
  # The kept inputs first run once each, whole. The exploration then makes
  # inputs of up to 128 KiB for frames (a table answer comes in pieces of
  # 64 KiB) and 8 KiB of JSON for the others; it reads longer kept inputs
  # cut to that length, so that a large one does not slow every run.
  case $t in frame) max_len=131072 ;; *) max_len=8192 ;; esac
  kept=$(find tests/fuzz/regressions/$t -type f ! -name '.*' | sort)
  found=""
  : >"$log"
  if [ -n "$kept" ] && ! "$BUILD/fuzz_$t" $LIMITS $kept >>"$log" 2>&1; then
    found="  failing kept input: $(sed -n 's/^Running: //p' "$log" | tail -n 1)"
  elif ! "$BUILD/fuzz_$t" $LIMITS -max_total_time="$per" -max_len=$max_len -print_final_stats=1 \
           -artifact_prefix="$BUILD/crashes/$t/" "$work" "tests/fuzz/regressions/$t" >>"$log" 2>&1; then
    found=$(sed -n 's/.*Test unit written to /  input kept: /p' "$log")
    [ -n "$found" ] || found="  no input kept (see the log)"
  fi
  if [ -z "$found" ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $t: ${per} s, ${runs:-?} runs, nothing found"
  else
    status=1
    echo "fuzz $t: FAILED (log: $log)" >&2
    grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz check failed|.*runtime error)' "$log" | head -n 20 >&2 || true
    echo "$found" >&2
    echo "  replay: $BUILD/fuzz_$t <input>; once fixed, keep it in tests/fuzz/regressions/$t/" >&2
  fi
done
exit $status
