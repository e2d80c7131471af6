#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in a folder of their own, then runs each for a fixed time from its seeds.
#   tests/fuzz/run.sh [seconds-per-target] [build-dir] [target...]
# Seconds default to 15 (CI: the step takes about 4 minutes with a cold build); give 0 to only
# build and replay the seeds, or hours by hand.
# Mutation starts from a fixed seed (QUELLIX_FUZZ_SEED, default 1), so a run tries the same
# inputs in the same order each time; give another seed to look elsewhere.
# New inputs collect in <build-dir>/fuzz-corpus/<target>; a crash is written to
# <build-dir>/fuzz-crashes/ and ends the script non-zero. Keep a crash as a regression seed by
# copying it into tests/fuzz/corpus/<target>/ once it is mended.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-15}
build=${2:-$root/build-fuzz}
[ $# -ge 2 ] && shift 2 || shift $#
targets=${*:-"app_command_fuzz page_events_fuzz skin_builder_fuzz skin_archive_fuzz
  renderer_bridge_fuzz command_line_fuzz"}

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
CC=${CC:-clang} CXX=${CXX:-clang++} cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLIX_BUILD_FUZZ=ON -DQUELLIX_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export LSAN_OPTIONS="suppressions=$root/tools/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/fuzz-crashes"
status=0
for target in $targets; do
  seeds=$root/tests/fuzz/corpus/$target
  corpus=$build/fuzz-corpus/$target
  mkdir -p "$corpus"
  dict=""
  [ -f "$root/tests/fuzz/$target.dict" ] && dict="-dict=$root/tests/fuzz/$target.dict"
  if [ "$seconds" -gt 0 ]; then
    run="-max_total_time=$seconds -seed=${QUELLIX_FUZZ_SEED:-1}"
  else
    run="-runs=0"
  fi
  echo "== $target"
  # shellcheck disable=SC2086
  if ! "$build/tests/fuzz/$target" $run $dict -timeout=10 -rss_limit_mb=4096 \
       -print_final_stats=1 -artifact_prefix="$build/fuzz-crashes/$target-" \
       "$corpus" "$seeds" 2>"$build/fuzz-$target.log"; then
    status=1
    tail -n 60 "$build/fuzz-$target.log"
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz-$target.log" || true
done
exit $status
