#!/usr/bin/env bash
# Builds the painting tests with the thread sanitizer, in a folder of their own beside build, and
# runs them: any report fails the run. Usage: scripts/tsan.sh [BUILD_DIR] (default build-tsan).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build-tsan}
sanitize=-fsanitize=thread
# Optimised, as the sanitizer is meant to run, with debug information; only tst_painting and what
# it needs to run.
ULMARO_TARGETS=tst_painting "$root/scripts/setup.sh" "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
  -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" -DCMAKE_MODULE_LINKER_FLAGS="$sanitize"
cd "$build_dir"
# The first report ends the test program, so CTest counts the test as failed. Qt itself is not
# instrumented: tests/tsan.supp says which of its libraries' accesses are not checked, and why.
export TSAN_OPTIONS="halt_on_error=1 suppressions=$root/tests/tsan.supp"
# Qt's own event loop on every thread rather than GLib's, whose allocator hands memory between
# threads under locks the sanitizer cannot see either.
export QT_NO_GLIB=1
QT_QPA_PLATFORM=offscreen ctest -R tst_painting --output-on-failure
