#!/usr/bin/env bash
# Tours every screen of the program under strace and fails if the program created, changed or
# removed any file. The tour is the screenshot tool's: every screen in every state, the drill's
# sounds through the real sound output. Only the tour's own pictures are written, into a
# temporary folder that the check leaves out. Run it once with a sound server and once without.
#   tools/check-no-writes.sh [BUILD_DIR]
set -euo pipefail

build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

calls=open,openat,openat2,creat,mkdir,mkdirat,rmdir,unlink,unlinkat,rename,renameat,renameat2
calls=$calls,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat,chown,lchown,fchownat,utimensat
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  strace -f -ff -qq -e trace="$calls" -o "$work/trace" \
  "$build/ulmaro-screenshot" "$work/pictures" > /dev/null 2> "$work/stderr" \
  || { cat "$work/stderr"; exit 1; }

# Calls that succeeded and change the file system: opens for writing or creating, and the rest
# of the list outright. Devices (/dev/null, /dev/zero, the graphics card) hold no files.
writes=$(cat "$work"/trace.* \
  | grep -E ' = [0-9]+$' \
  | grep -vE '^(open|openat|openat2|creat)\(' \
  ; cat "$work"/trace.* \
  | grep -E '^(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND).* = [0-9]+$|^creat\(.* = [0-9]+$' \
  || true)
writes=$(printf '%s\n' "$writes" | grep -v -F "$work/pictures" | grep -vE '"/dev/(null|zero|dri/[^"]*|tty)"' | grep -v '^$' || true)

if [ -n "$writes" ]; then
  echo "The tour changed the file system:"
  printf '%s\n' "$writes"
  exit 1
fi
echo "The tour of every screen created, changed and removed no file."
