# Shared by scripts/tsan.sh and scripts/sanitize.sh (sourced, not run): what every sanitizer build
# and run here has in common.

# Builds a folder of its own with the sanitizer flags given, optimised as the sanitizers are meant
# to run, with whole debug information so that their reports name the file and line.
# Usage: sanitized_build BUILD_DIR FLAGS [CMAKE_OPTION...]; ULMARO_TARGETS as for setup.sh.
# Compiled through ccache where it is installed: a second run rebuilds only what changed. (Given
# empty otherwise, so a folder set up with ccache still builds once ccache is gone.)
sanitized_build() {
  local build_dir=$1 flags=$2 launcher=""
  shift 2
  if command -v ccache >/dev/null; then launcher=ccache; fi
  "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
    -DULMARO_SPLIT_DWARF=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="$flags" "$@"
}
