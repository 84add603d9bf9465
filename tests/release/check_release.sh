#!/bin/bash
# The release, built twice from copies of the sources in other folders whose
# files carry different times: the same ZIP to the byte, its gensen.exe byte-identical to
# the one built here, and the three files a clerk opens as they should be.
#   check_release.sh SOURCE_DIR BUILT_EXE VERSION
set -euo pipefail
src=$1
built=$2
version=$3
work=$(mktemp -d /tmp/gensen-release.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
sha() { sha256sum "$1" | cut -d' ' -f1; }

name=gensen-$version-win64
# With the history, which dates the files in the ZIP; every file's own time
# is the one given.
release() {
    mkdir "$work/$1"
    tar -C "$src" --exclude=./build -cf - . | tar -C "$work/$1" --no-same-owner -xf -
    find "$work/$1" -exec touch -h -d "$2" {} +
    (cd "$work/$1" && cmake --workflow --preset release >"$work/$1.log" 2>&1) ||
        { tail -20 "$work/$1.log" >&2; fail "the release workflow failed in $1"; }
}
release first now
release second yesterday
zip="$work/first/build/release/package/$name.zip"
echo "$name.zip, built twice: $(sha "$zip")"
cmp "$zip" "$work/second/build/release/package/$name.zip" || fail "the two builds of the ZIP differ"
[ "$(cat "$zip.sha256")" = "$(sha "$zip")  $name.zip" ] || fail "$name.zip.sha256 holds $(cat "$zip.sha256")"

here=$(sha "$built")
there=$(sha "$work/first/build/release/bin/gensen.exe")
echo "gensen.exe built here:      $here"
echo "gensen.exe built elsewhere: $there"
[ "$here" = "$there" ] || fail "the two builds of gensen.exe differ"

imports=$(x86_64-w64-mingw32-objdump -p "$built" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | tr '\n' ' ')
[ "$imports" = "GDI32.dll IMM32.dll KERNEL32.dll USER32.dll msvcrt.dll " ] || fail "gensen.exe imports $imports"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
contents=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$contents" = "./$name/gensen.exe ./$name/guide.html ./$name/readme.txt " ] || fail "the package holds $contents"
cmp "$built" "$work/unpacked/$name/gensen.exe" || fail "the packaged gensen.exe is not the one built here"

readme="$work/unpacked/$name/readme.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "readme.txt does not start with the UTF-8 byte-order mark"
lines=$(tr -cd '\n' <"$readme" | wc -c)
returns=$(tr -cd '\r' <"$readme" | wc -c)
[ "$lines" -gt 0 ] && [ "$lines" -eq "$returns" ] || fail "readme.txt's $lines lines have $returns carriage returns"
! grep -nE '^#|^ *[-*+] |\*\*|`|\]\(|^\||^[=-]{3,}' "$readme" || fail "readme.txt has Markdown marks"
width=$(tr -d '\r' <"$readme" | LC_ALL=ja_JP.UTF-8 wc -L)
[ "$width" -le 80 ] || fail "readme.txt has a line of $width columns"

page="$work/unpacked/$name/guide.html"
for part in '<html lang="ja">' '<meta charset="utf-8">' '<style>' '<table>' 'src="data:image/png;base64,' \
    "製品バージョン「$version」" "バージョン $version"; do
    grep -qF "$part" "$page" "$readme" || fail "guide.html or readme.txt lacks $part"
done
! grep -noE 'src="[^d][^"]*"|<link|<script|url\(|\|---|\*\*' "$page" || fail "guide.html loads from elsewhere or shows Markdown"
echo "release package $name.zip: reproducible, with gensen.exe as built, guide.html and readme.txt"
