#!/usr/bin/env bash
# Installs the build into a scratch folder as the Debian package does (prefix /usr) and checks the
# tree: its files and links, that a second install gives the same tree and that no file names the
# folders it was built in, the desktop entry and AppStream data, the manual pages, and the
# installed program reading the content beside it, from the tree and from a teacher's copy with
# an edited text.
# Usage: check_install.sh CMAKE BUILD_DIR SOURCE_DIR PLUGIN_DIR ID VERSION HAS_CHECKER
set -uo pipefail

cmake=$1 build=$2 source=$3 plugins=$4 id=$5 version=$6 has_checker=$7

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "skipped: $*"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# One date for every install here, as the package build sets it.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)}
install_tree() {
    if ! DESTDIR=$1 "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
        cat "$scratch/install.log"
        echo "FAIL: cmake --install"
        exit 1
    fi
}
install_tree "$scratch/root"
usr=$scratch/root/usr
app=$usr/lib/ulmaro

# --- Files and links -------------------------------------------------------------------------
programs=(ulmaro)
if [ "$has_checker" = 1 ]; then programs+=(ulmaro-check); fi
expected=(
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "lib/ulmaro/ulmaro-speaker.so"  # the speakers, loaded beside the program on the first sound
)
for size in 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for program in "${programs[@]}"; do
    expected+=("lib/ulmaro/$program" "share/man/man1/$program.1" "share/man/ja/man1/$program.1")
done
for file in "${expected[@]}"; do
    [ -f "$usr/$file" ] || fail "not installed: /usr/$file"
done
for program in "${programs[@]}"; do
    [ -x "$app/$program" ] && [ ! -L "$app/$program" ] || fail "/usr/lib/ulmaro/$program is not an executable file"
    [ "$(readlink "$usr/bin/$program")" = "../lib/ulmaro/$program" ] ||
        fail "/usr/bin/$program is not the relative link ../lib/ulmaro/$program"
done
top=$(cd "$usr" && ls -A | tr '\n' ' ')
[ "$top" = "bin lib share " ] || fail "the prefix holds more than bin, lib and share: $top"

# Every content file of data/ under share/ulmaro, reached from the application folder.
(cd "$source/data" && find . -type f | sort) >"$scratch/shipped"
(cd "$usr/share/ulmaro" && find . -type f | sort) >"$scratch/installed"
diff -u "$scratch/shipped" "$scratch/installed" >/dev/null || fail "share/ulmaro differs from data/"
for folder in $(cd "$source/data" && ls); do
    [ "$(readlink "$app/$folder")" = "../../share/ulmaro/$folder" ] && [ -d "$app/$folder" ] ||
        fail "/usr/lib/ulmaro/$folder is not the relative link ../../share/ulmaro/$folder"
done

# Icon PNGs of the size their folder names, read from the PNG header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4) "x" ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }'
}
for size in 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] && [ "$(png_size "$png")" = "${size}x$size" ] || fail "$id.png in ${size}x$size is not $size px square"
done

# --- Reproducible: the package holds what the install writes ---------------------------------
# A second install gives the same tree: names, kinds, modes, link targets, bytes, and times as
# dpkg-deb stores them (whole seconds, none later than SOURCE_DATE_EPOCH).
tree_list() {
    (cd "$1" && find . -printf '%P\t%y\t%m\t%l\t%T@\n' | sort) |
        awk -F '\t' -v OFS='\t' -v epoch="$SOURCE_DATE_EPOCH" '{ t = int($5); if (t > epoch) t = epoch; $5 = t; print }'
}
install_tree "$scratch/again"
if ! difference=$(diff <(tree_list "$scratch/root") <(tree_list "$scratch/again")); then
    fail "a second install differs in names, modes, links or times: $difference"
fi
while IFS= read -r -d '' file; do
    cmp -s "$scratch/root/$file" "$scratch/again/$file" || fail "a second install differs in the bytes of /$file"
done < <(cd "$scratch/root" && find . -type f -printf '%P\0')
# No installed file names the folder it was built in or from, which differs from build to build.
# Debug information does, and sanitizer builds write source names into the code; the package's
# build maps those paths to "." (debian/rules), so an executable with debug information is left out.
while IFS= read -r -d '' file; do
    if readelf -h "$file" >/dev/null 2>&1 && readelf -S "$file" | grep -q '\.debug_info'; then continue; fi
    grep -qaF -e "$build" -e "$source" "$file" &&
        fail "/${file#"$scratch/root/"} holds the path of the build folder $build or the source $source"
done < <(find "$scratch/root" -type f -print0)
rm -rf "$scratch/again"

# --- Desktop entry and AppStream data ----------------------------------------------------------
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
grep -qx 'Exec=ulmaro' "$desktop" || fail "the desktop entry does not start ulmaro"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream releases do not list version $version"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the AppStream launchable is not $id.desktop"
for program in "${programs[@]}"; do
    grep -q "<binary>$program</binary>" "$metainfo" || fail "the AppStream data does not provide $program"
done
if command -v desktop-file-validate >/dev/null; then
    # Education and Science are both main categories; menus file an entry with both under
    # Education > Science, and the validator only hints at it. Anything else it says fails.
    messages=$(desktop-file-validate "$desktop" 2>&1 | grep -v 'hint: value "Education;Science;Chemistry;" for key "Categories" .* contains more than one main category')
    [ -z "$messages" ] || fail "desktop-file-validate: $messages"
else
    skip "desktop-file-validate is not installed (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    messages=$(appstreamcli validate --no-net "$metainfo" 2>&1)
    status=$?
    if [ $status -ne 0 ] || grep -qE '^[EW]:' <<<"$messages"; then fail "appstreamcli validate: $messages"; fi
else
    skip "appstreamcli is not installed (Debian package appstream)"
fi

# --- Manual pages: formatted without a single warning, as lintian formats them ------------------
if command -v man >/dev/null; then
    for page in "$usr"/share/man/man1/*.1 "$usr"/share/man/ja/man1/*.1; do
        messages=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$messages" ] || fail "man ${page#"$usr"/}: $messages"
    done
else
    skip "man is not installed (Debian package man-db)"
fi

# --- The installed program reads the content beside it ----------------------------------------
# The probe plugin tabs to the menu's first button and presses Space, which opens the principle
# screen and reads 説明/原理/p1.txt into its first list, then prints the rows it shows.
# An empty home folder, to see that nothing is written there. The cache folder lies outside it:
# the font library may refresh its cache there, on behalf of any program.
home=$scratch/home
mkdir -p "$home"
mkdir -m 700 "$scratch/runtime"
run_program() {
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/runtime \
        QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins QT_QPA_GENERIC_PLUGINS=ulmarocontentprobe \
        timeout 60 "$1" >"$scratch/shown" 2>"$scratch/errors"
    local status=$?
    if [ $status -ne 0 ]; then
        fail "$1 ended with status $status: $(cat "$scratch/shown" "$scratch/errors")"
    fi
}
row=$'row\t'  # the probe's prefix of a list row
first_line() { iconv -f CP932 -t UTF-8 "$1" | head -n 1 | tr -d '\r'; }
page=説明/原理/p1.txt

run_program "$usr/bin/ulmaro"
shipped_line=$(first_line "$usr/share/ulmaro/$page")
[ -n "$shipped_line" ] && grep -Fxq "${row}$shipped_line" "$scratch/shown" ||
    fail "the installed program did not show the first line of $page: $(cat "$scratch/shown")"

# A teacher's copy: every link followed, one text edited, started from the copy.
copy=$scratch/ulmaro-クラス
cp -rL "$app" "$copy"
[ -z "$(find "$copy" -type l)" ] || fail "the copy still holds links"
edited_line='ここは先生が書き換えた一行目です。'
{
    printf '%s\r\n' "$edited_line" | iconv -f UTF-8 -t CP932
    tail -n +2 "$copy/$page"
} >"$scratch/edited" && cat "$scratch/edited" >"$copy/$page"
touch "$scratch/before-run"
run_program "$copy/ulmaro"
grep -Fxq "${row}$edited_line" "$scratch/shown" ||
    fail "the copy did not show its own edited $page: $(cat "$scratch/shown")"
grep -Fxq "${row}$shipped_line" "$scratch/shown" && fail "the copy showed the installed $page"

# The program writes nothing: not in its folder, not in the home folder.
written=$(find "$copy" "$home" -newer "$scratch/before-run")
[ -z "$written" ] || fail "the program wrote: $written"

# --- One version: the Debian changelog carries the project version --------------------------
if [ -f "$source/debian/changelog" ]; then
    packaged=$(sed -n '1s/^ulmaro (\([^)-]*\)[^)]*).*/\1/p' "$source/debian/changelog")
    [ "$packaged" = "$version" ] || fail "debian/changelog is at version '$packaged', the project at $version"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed"
    exit 1
fi
echo "the installed tree is complete and runs"
