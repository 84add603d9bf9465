#!/bin/bash
# The release, built twice from copies of the sources in other folders whose
# files carry different times: the same ZIP to the byte, its gensen.exe byte-identical to
# the one built here, and the three files a clerk opens as they should be.
# Then signed with a throwaway certificate; the signed exe is left at
# SIGNED_EXE for the test that starts it.
#   check_release.sh SOURCE_DIR BUILT_EXE VERSION SIGNED_EXE
set -euo pipefail
src=$1
built=$2
version=$3
signed_out=$4
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
[ "$imports" = "COMCTL32.dll GDI32.dll IMM32.dll KERNEL32.dll OLEAUT32.dll USER32.dll msvcrt.dll ole32.dll " ] ||
    fail "gensen.exe imports $imports"

# The manifest, resource 1 of type RT_MANIFEST, and the icon group, as Windows reads them.
resources=$(x86_64-w64-mingw32-windres -i "$built" -O rc)
grep -qx '1 14 /\* RT_GROUP_ICON \*/' <<<"$resources" || fail "gensen.exe has no icon group 1"
manifest=$(sed -n '/^1 24 \/\* RT_MANIFEST \*\//,/^END/p' <<<"$resources" | sed 's/""/"/g')
for part in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '<gdiScaling xmlns="http://schemas.microsoft.com/SMI/2017/WindowsSettings">true</gdiScaling>' \
    '<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>' '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>' \
    '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>' '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
    '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' "version=\"$version.0\""; do
    grep -qF "$part" <<<"$manifest" || fail "gensen.exe's manifest lacks $part"
done
! grep -qi 'dpiAware' <<<"$manifest" || fail "gensen.exe's manifest declares a DPI awareness"

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
    "製品バージョン「$version」" "certutil -hashfile $name.zip SHA256" '「許可する」' '10. 免責事項' \
    '<ol start="8">' 'スマート アプリ コントロール' '計算の根拠を見る' 'どの言語の Windows でも'; do
    grep -qF "$part" "$page" || fail "guide.html lacks $part"
done
[ "$(grep -o 'src="data:image/png;base64,' "$page" | wc -l)" -eq 2 ] || fail "guide.html lacks one of its two pictures"
# The steps of the example are numbered from 1, not bullets of the list above them.
LC_ALL=C.UTF-8 grep -qzP '</ul>\n<ol>\n<li><code>gensen\.exe</code> を起動します' "$page" ||
    fail "guide.html does not number the steps from 1"
for part in "バージョン $version" "certutil -hashfile $name.zip SHA256" '「許可する」' '■ 免責事項' \
    '給与の列を前月の給与とみなします' '結果はその場で計算し直されます' 'スマート アプリ コントロール' 'どの言語の Windows でも'; do
    grep -qF "$part" "$readme" || fail "readme.txt lacks $part"
done
# Right on any Windows: no system setting to ask of the clerk.
! grep -qF 'Unicode 対応ではないプログラムの言語」が' "$readme" "$page" || fail "the guide or readme still asks for a system setting"
! grep -noE 'src="[^d][^"]*"|<link|<script|url\(|\|---|\*\*' "$page" || fail "guide.html loads from elsewhere or shows Markdown"
# A line break of the source between Japanese characters would show as a space.
japanese='[\x{3000}-\x{30ff}\x{4e00}-\x{9fff}\x{ff00}-\x{ffef}]' tags='(</?(strong|em|code)>)*'
! LC_ALL=C.UTF-8 grep -Pzo "$japanese$tags\n\s*$tags$japanese" "$page" || fail "guide.html breaks a Japanese line"
# Printed on A4 with no forced page breaks; each appendix table repeats its header on every page.
grep -qF '@page { size: A4;' "$page" || fail "guide.html sets no A4 page"
! grep -noiE '(page-)?break-(before|after): *(page|always|left|right)' "$page" || fail "guide.html forces a page break"
# The appendix, printed from the program's tables: every row of each, a few by value.
python3 - "$page" <<'EOF2' || fail "guide.html's appendix does not hold the program's tables"
import html.parser, sys
class Tables(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.tables, self.table, self.row, self.cell, self.headed = {}, None, None, None, set()
    def handle_starttag(self, tag, attrs):
        if tag == "table" and dict(attrs).get("id", "").startswith("appendix-"):
            self.name = dict(attrs)["id"][9:]
            self.table = self.tables.setdefault(self.name, [])
        elif tag == "thead" and self.table is not None and not self.table:
            self.headed.add(self.name)
        elif tag == "tr" and self.table is not None:
            self.row = []
        elif tag == "td" and self.row is not None:
            self.cell = ""
    def handle_endtag(self, tag):
        if tag == "td" and self.cell is not None:
            self.row.append(self.cell)
            self.cell = None
        elif tag == "tr" and self.row:
            self.table.append(tuple(self.row))
            self.row = None
        elif tag == "table":
            self.table = None
    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
parser = Tables()
parser.feed(open(sys.argv[1], encoding="utf-8").read())
t = parser.tables
# The 乙欄 table stands in column groups of (range, tax), read downwards.
groups = t.get("otsu-monthly", [])
t["otsu-monthly"] = [g[c:c + 2] for c in range(0, 6, 2) for g in groups if len(g) == 6 and g[c]]
counts = {"employment": 48, "income-deduction": 6, "kou-monthly": 5, "otsu-monthly": 368, "kou-bonus": 18,
          "otsu-bonus": 4, "bonus-premiums": 3}
ok = {name: len(t.get(name, [])) for name in counts} == counts
for table, row in [("employment", ("92,000 〜 95,999", "658", "752")),
                   ("employment", ("465,000 〜 483,999", "3,322", "3,796")),
                   ("income-deduction", ("833,334 以上", "A × 5 % + 141,667")),
                   ("kou-monthly", ("275,001 〜 658,334", "T × 16 % − 22,000")),
                   ("otsu-monthly", ("845,000 〜 850,999", "265,500")),
                   ("otsu-monthly", ("1,127,000 〜 1,129,999", "391,400")),
                   ("otsu-bonus", ("30 %", "510,000 〜 562,999")),
                   ("bonus-premiums", ("厚生年金保険料", "6.79 %", "1,500,000"))]:
    ok = ok and row in t.get(table, [])
ok = ok and t["kou-bonus"][3][3] == "248,000 以上" and t["kou-bonus"][0][1] == "65,000 未満"
ok = ok and parser.headed == set(counts)
sys.exit(0 if ok else 1)
EOF2

# Signed through the release workflow's own step, with a throwaway code-signing
# certificate: the signature verifies, and removing it gives back the unsigned
# exe to the byte, so that the reproducible build stays checkable.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=gensen release check" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null || fail "openssl made no certificate"
echo "throwaway" >"$work/password"
openssl pkcs12 -export -in "$work/cert.pem" -inkey "$work/key.pem" -passout "file:$work/password" \
    -out "$work/cert.p12" || fail "openssl made no PKCS#12 file"
(cd "$work/first" && GENSEN_SIGN_PKCS12=$work/cert.p12 GENSEN_SIGN_PASSWORD_FILE=$work/password \
    cmake --workflow --preset release >"$work/signed.log" 2>&1) ||
    { tail -20 "$work/signed.log" >&2; fail "the signed release workflow failed"; }
rm -rf "$work/unpacked" && mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
signed="$work/unpacked/$name/gensen.exe"
osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" >"$work/verify.log" 2>&1 ||
    { cat "$work/verify.log" >&2; fail "the packaged gensen.exe's signature does not verify"; }
osslsigncode remove-signature -in "$signed" -out "$work/unsigned.exe" >/dev/null
cmp "$built" "$work/unsigned.exe" || fail "gensen.exe without its signature is not the unsigned exe"
! cmp -s "$built" "$signed" || fail "the signed package holds the unsigned exe"
mkdir -p "$(dirname "$signed_out")"
cp "$signed" "$signed_out"
echo "release package $name.zip: reproducible, with gensen.exe as built, guide.html and readme.txt; signed and verified"
