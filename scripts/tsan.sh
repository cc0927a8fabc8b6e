#!/usr/bin/env bash
# Builds the painting tests with the thread sanitizer, in a folder of their own beside build, and
# runs them: any report fails the run. Usage: scripts/tsan.sh [BUILD_DIR [CMAKE_OPTION...]]
# (default build-tsan).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build-tsan}
shift || true
source "$root/scripts/sanitizers.sh"
# Only tst_painting and what it needs to run.
ULMARO_TARGETS=tst_painting sanitized_build "$build_dir" -fsanitize=thread "$@"
cd "$build_dir"
# The first report ends the test program, so CTest counts the test as failed. Qt itself is not
# instrumented: tests/tsan.supp says which of its libraries' accesses are not checked, and why.
export TSAN_OPTIONS="halt_on_error=1 suppressions=$root/tests/tsan.supp"
# Qt's own event loop on every thread rather than GLib's, whose allocator hands memory between
# threads under locks the sanitizer cannot see either.
export QT_NO_GLIB=1
QT_QPA_PLATFORM=offscreen ctest -R tst_painting --output-on-failure
