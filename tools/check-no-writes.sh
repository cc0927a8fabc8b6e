#!/usr/bin/env bash
# Runs the program under strace and fails if it created, changed or removed any file: first a
# tour of every screen (the screenshot tool's: every screen in every state, the drill's sounds
# through the real sound output), then the content checker over the content beside it. Only the
# tour's own pictures are written, into a temporary folder the check leaves out. Run it once
# with a sound server and once without.
#   tools/check-no-writes.sh [BUILD_DIR]
set -euo pipefail

build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

calls=open,openat,openat2,creat,mkdir,mkdirat,rmdir,unlink,unlinkat,rename,renameat,renameat2
calls=$calls,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat,chown,lchown,fchownat,utimensat

# traced NAME COMMAND...: runs the command under strace; its calls go to $work/NAME.*.
traced() {
  local name=$1
  shift
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    strace -f -ff -qq -e trace="$calls" -o "$work/$name" "$@" > /dev/null 2> "$work/$name-stderr" \
    || { echo "$name failed:"; cat "$work/$name-stderr"; exit 1; }
}

traced tour "$build/ulmaro-screenshot" "$work/pictures"
traced checker "$build/ulmaro-check" "$build"

# Calls that succeeded and change the file system: opens for writing or creating, and the rest
# of the list outright. Devices (/dev/null, /dev/zero, the graphics card) hold no files.
traces=("$work"/tour.* "$work"/checker.*)
writes=$( { grep -hE ' = [0-9]+$' "${traces[@]}" | grep -vE '^(open|openat|openat2|creat)\(' || true
            grep -hE '^(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND).* = [0-9]+$|^creat\(.* = [0-9]+$' \
              "${traces[@]}" || true; } \
          | grep -v -F "$work/pictures" | grep -vE '"/dev/(null|zero|dri/[^"]*|tty)"' || true)

if [ -n "$writes" ]; then
  echo "The program changed the file system:"
  printf '%s\n' "$writes"
  exit 1
fi
echo "Neither the tour of every screen nor the content checker created, changed or removed a file."
