#!/usr/bin/env bash
# Builds the Debian package ulmaro_<version>_<arch>.deb (and its -dbgsym package) into OUTDIR on
# Debian 12, installing whatever building needs with apt-get (using sudo when not run as root),
# then checks it with lintian when lintian is installed. The build runs in a scratch copy of the
# source, so the working tree stays as it was. Built twice from the same commit, anywhere, the
# packages are the same to the byte: every date in them is SOURCE_DATE_EPOCH, the time of the last
# commit (of debian/changelog's last entry without git) unless it is set already.
# Usage: scripts/package.sh OUTDIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: scripts/package.sh OUTDIR" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
outdir=$(cd "$1" && pwd)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
apt_updated=""
apt_install() {
    if [ -z "$apt_updated" ]; then $sudo apt-get update -qq; apt_updated=yes; fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# The package tools first, then the build dependencies that debian/control names.
missing=()
for tool in dpkg-dev debhelper; do
    if ! dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$tool")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt_install install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if command -v git >/dev/null && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
        SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
    else
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)
    fi
fi
export SOURCE_DATE_EPOCH
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T UTC'))"

# The copy's files all carry that date rather than the checkout's, which would reach the package
# wherever it is older: the install keeps a file's time and dpkg-deb only lowers later ones. The
# scratch folder's random name reaches no file: dpkg's reproducible flags (debian/rules) map the
# source folder to "." in file names the compiler writes.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source=$scratch/ulmaro
mkdir "$source"
(cd "$root" && tar --exclude=./.git --exclude=./build --exclude='./build-*' --exclude='./obj-*' \
    --mtime="@$SOURCE_DATE_EPOCH" -cf - .) | tar -xf - -C "$source"

cd "$source"
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    echo "Installing the build dependencies of debian/control"
    apt_install build-dep -y -qq --no-install-recommends "$source"
fi

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
dpkg-buildpackage -b -us -uc

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
package=$outdir/ulmaro_${version}_$arch.deb
cp "$scratch"/*.deb "$outdir"/
echo "Built: $package"

if command -v lintian >/dev/null; then
    lintian --fail-on error "$package"
    echo "lintian: no error"
else
    echo "lintian is not installed: the package was not checked"
fi
