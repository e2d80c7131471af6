#!/bin/sh
# Builds the whole tree with a sanitizer into a folder of its own and runs the whole test
# suite there on the headless backends.
#   tools/sanitize.sh asan [build-dir]   AddressSanitizer + UndefinedBehaviorSanitizer, leaks on
#   tools/sanitize.sh tsan [build-dir]   ThreadSanitizer
# The build folder defaults to build-<mode> beside build/. CC and CXX pick the compiler.
# Any finding fails the test that made it, so the script ends non-zero.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-}
case "$mode" in
  asan)
    flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    ;;
  tsan)
    flags="-fsanitize=thread"
    ;;
  *)
    echo "usage: $0 asan|tsan [build-dir]" >&2
    exit 2
    ;;
esac
build=${2:-$root/build-$mode}
supp=$root/tools/sanitize

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUELLIX_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$flags -g" -DCMAKE_CXX_FLAGS="$flags -g" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="suppressions=$supp/tsan.supp:halt_on_error=1:second_deadlock_stack=1:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j"${QUELLIX_TEST_JOBS:-8}" --timeout 300
