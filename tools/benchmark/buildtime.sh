#!/usr/bin/env bash
# Times a clean build of the whole project against a clean build of the bare window program alone,
# each in a fresh build folder, with the options scripts/setup.sh uses and no compiler cache.
# Usage: tools/benchmark/buildtime.sh [CMAKE_OPTION...]   (JOBS=2 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
jobs=${JOBS:-2}
work=$(mktemp -d -t ulmaro-buildtime.XXXXXXXX)
trap 'rm -rf "$work"' EXIT

# Seconds taken by the build (not the configuration) of the given targets in a fresh folder.
clean_build() {
  local dir=$work/$1
  shift
  cmake -S "$root" -B "$dir" -DCMAKE_CXX_COMPILER_LAUNCHER= "${options[@]}" >/dev/null
  local start end
  start=$(date +%s.%N)
  cmake --build "$dir" -j "$jobs" "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

options=("$@")
load_before=$(cut -d" " -f1-3 /proc/loadavg)
bare=$(clean_build bare --target ulmaro-bare)
whole=$(clean_build whole)
size=$(stat -c %s "$work/whole/ulmaro")
printf '%-46s %9.1f s %9.1f s %7.2f×   %s\n' "clean build, $jobs jobs" "$whole" "$bare" \
  "$(echo "$whole / $bare" | bc -l)" "≤ 100 s"
printf '%-46s %9.1f MB\n' "size of the ulmaro executable" "$(echo "$size / 1000000" | bc -l)"
printf 'load average before: %s, after: %s\n' "$load_before" "$(cut -d" " -f1-3 /proc/loadavg)"
