#!/bin/sh
# The release from a copy of the sources in another folder: its gensen.exe
# must be byte-identical to the one built here, and its package must hold
# exactly that exe and the guide as a Windows text file.
#   check_release.sh SOURCE_DIR BUILT_EXE VERSION
set -eu
src=$1
built=$2
version=$3
work=$(mktemp -d /tmp/gensen-release.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/elsewhere"
tar -C "$src" --exclude=./build --exclude=./.git -cf - . | tar -C "$work/elsewhere" -xf -
(cd "$work/elsewhere" && cmake --workflow --preset release >"$work/build.log" 2>&1) ||
    { tail -20 "$work/build.log" >&2; fail "the release workflow failed"; }

sha() { sha256sum "$1" | cut -d' ' -f1; }
here=$(sha "$built")
there=$(sha "$work/elsewhere/build/release/bin/gensen.exe")
echo "gensen.exe built here:      $here"
echo "gensen.exe built elsewhere: $there"
[ "$here" = "$there" ] || fail "the two builds of gensen.exe differ"

imports=$(x86_64-w64-mingw32-objdump -p "$built" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | tr '\n' ' ')
[ "$imports" = "GDI32.dll IMM32.dll KERNEL32.dll USER32.dll msvcrt.dll " ] || fail "gensen.exe imports $imports"

zip="$work/elsewhere/build/release/package/gensen-$version-win64.zip"
[ -f "$zip" ] || fail "no package $zip"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
contents=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$contents" = "./gensen.exe ./guide-ja.txt " ] || fail "the package holds $contents"
cmp "$built" "$work/unpacked/gensen.exe" || fail "the packaged gensen.exe is not the one built here"

guide="$work/unpacked/guide-ja.txt"
[ "$(head -c 3 "$guide" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "the guide does not start with the UTF-8 byte-order mark"
lines=$(tr -cd '\n' <"$guide" | wc -c)
returns=$(tr -cd '\r' <"$guide" | wc -c)
[ "$lines" -gt 0 ] && [ "$lines" -eq "$returns" ] || fail "the guide's $lines lines have $returns carriage returns"
tail -c +4 "$guide" | tr -d '\r' | cmp - "$src/docs/guide.md" || fail "the guide's text is not docs/guide.md"
echo "release package $(basename "$zip"): gensen.exe and guide-ja.txt, as built"
