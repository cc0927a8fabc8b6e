#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers, in a folder of its own
# beside build, and runs the whole suite there: any report fails the test it comes from.
# Usage: scripts/sanitize.sh [BUILD_DIR [CMAKE_OPTION...]] (default build-sanitize).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build-sanitize}
shift || true
source "$root/scripts/sanitizers.sh"
# Every check, the null checks included; undefined behaviour stops the program as a memory fault
# does rather than printing and going on. Frame pointers give the quick unwinder whole stacks
# through the project's own code.
sanitized_build "$build_dir" \
  "-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" "$@"
cd "$build_dir"
# These reach the programs the tests start as well, so a child keeps its own exit status unless
# it has a fault of its own. Leaks are checked at exit; tests/sanitize.supp names the leaks
# inside Qt that are left alone, and why.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitize.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# Qt is built without frame pointers, so the quick unwinder sees only the first frame of what is
# allocated inside Qt. The tests whose leaks inside Qt are suppressed, by the names of Qt's
# functions, run with the slow unwinder, which follows the whole stack but makes every
# allocation several times dearer.
qt_leaks='^(tst_sound|tst_failures)$'
status=0
ctest --output-on-failure -j "$(nproc)" -E "$qt_leaks" || status=$?
ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0" ctest --output-on-failure -j "$(nproc)" -R "$qt_leaks" ||
  status=$?
exit $status
