#!/usr/bin/env bash
# Times a clean build of the whole project against a clean build of the bare window program alone,
# each in a fresh build folder, with the options scripts/setup.sh uses and no compiler cache.
# Wall time is what the developer waits; CPU time (of all compilers together) shows the work
# without the other programs of a busy machine.
# Usage: tools/benchmark/buildtime.sh [CMAKE_OPTION...]   (JOBS=2 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
jobs=${JOBS:-2}
work=$(mktemp -d -t ulmaro-buildtime.XXXXXXXX)
trap 'rm -rf "$work"' EXIT
options=("$@")

# Prints "WALL CPU" in seconds for the build (not the configuration) of the given targets in a
# fresh folder.
clean_build() {
  local dir=$work/$1
  shift
  cmake -S "$root" -B "$dir" -DCMAKE_CXX_COMPILER_LAUNCHER= "${options[@]}" >/dev/null
  local TIMEFORMAT='%R %U %S'
  # Only the timing reaches the pipe: the build's own messages, and what tools it runs print, do not.
  { time cmake --build "$dir" -j "$jobs" "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1, $2 + $3 }'
}

load_before=$(cut -d" " -f1-3 /proc/loadavg)
read -r bare_wall bare_cpu < <(clean_build bare --target ulmaro-bare)
read -r whole_wall whole_cpu < <(clean_build whole)
size=$(stat -c %s "$work/whole/ulmaro")
ratio() { echo "$1 / $2" | bc -l; }
printf '%-46s %9.1f s %9.1f s %7.2f×   %s\n' "clean build, $jobs jobs, wall" "$whole_wall" "$bare_wall" \
  "$(ratio "$whole_wall" "$bare_wall")" "≤ 100 s"
printf '%-46s %9.1f s %9.1f s %7.2f×\n' "clean build, CPU of all jobs" "$whole_cpu" "$bare_cpu" \
  "$(ratio "$whole_cpu" "$bare_cpu")"
printf '%-46s %9.1f MB\n' "size of the ulmaro executable" "$(echo "$size / 1000000" | bc -l)"
printf 'load average before: %s, after: %s\n' "$load_before" "$(cut -d" " -f1-3 /proc/loadavg)"
