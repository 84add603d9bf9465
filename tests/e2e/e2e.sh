#!/bin/bash
# End-to-end: gensen.exe in its own Wine process, driven only by a real mouse
# and keyboard (xdotool), read from outside by probe.exe. Runs on an X display
# with the build tree's Wine prefix up (build/windows/with-wine-display).
#   e2e.sh BUILD_DIR ARTIFACT_DIR
set -euo pipefail
build=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png
. "$(dirname "$0")/driver.sh"

# --- First run -------------------------------------------------------------
start_program

[ "$win_w $win_h" = "550 365" ] || fail "window size: expected [550 365], saw [$win_w $win_h]"
# The probe answers in the form's own code page.
cp932() { iconv -f UTF-8 -t CP932 <<<"$1"; }
expect "title" "$(cp932 源泉徴収税額)" title
expect "labels" "$(cp932 '課税支給額: 非課税支給額: 支給額合計: 健康保険料: 介護費用保険料: 厚生保険: 雇用保険料: 源泉徴収税: 控除額合計: 差引支給額: 給与 賞与 扶養家族数')" \
    text $(seq 101 113)
expect "initial cells" "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0" text $(seq 201 219)
expect "initial checks" "1 1 1 0 1 0" checked 305 306 307 308 309 310

# A screen reader names each cell by its column and row, through the platform's proxy.
names=(給与\ 課税支給額 給与\ 非課税支給額 給与\ 支給額合計 給与\ 健康保険料 給与\ 介護費用保険料 給与\ 厚生保険
    給与\ 雇用保険料 給与\ 源泉徴収税 給与\ 控除額合計 給与\ 差引支給額 賞与\ 課税支給額 賞与\ 健康保険料
    賞与\ 介護費用保険料 賞与\ 厚生保険 賞与\ 雇用保険料 賞与\ 源泉徴収税 賞与\ 控除額合計 賞与\ 差引支給額 扶養家族数)
for i in "${!names[@]}"; do
    expect "the name of cell $((201 + i))" "$(cp932 "${names[$i]}")" name $((201 + i))
done

# At start the pay's cell has the focus, its "0" selected: the first keys go in.
expect "the focus at start" 201 focus
xdo type 5
expect "5 typed at start" 5 text 201

# The cell refuses a letter and a ninth digit; the dependents cell too.
type_into 201 "12a3" 123
type_into 201 "123456789" 12345678
type_into 219 "000000003" 00000000

# Tab moves no focus: there is no dialog-style keyboard handling.
type_into 201 7
xdo key Tab
xdo type 5
expect "Tab then 5 in 201" "75 0" text 201 202

# Away to the desktop and back by the caption: the focus and caret return to 201.
type_into 201 20
click_at $((win_x + win_w + 100)) $((win_y + win_h + 100))
expect "no focus in the window after a click on the desktop" 0 focus
click_at $((win_x + 200)) $((win_y + 10))
expect "focus back in 201 after a click on the caption" 201 focus
xdo type 0000
expect "20, away and back, then 0000 in 201" 200000 text 201

# Emptied, away and back: the "0" it is rewritten with is selected, so
# typing replaces it. Minimised and restored, typing goes on after the
# number (Wine keeps the focus in a minimised window, so "015" may stay
# until it is left).
type_into 202 ""
click_at $((win_x + win_w + 100)) $((win_y + win_h + 100))
expect "202 rewritten when left" 0 text 202
click_at $((win_x + 200)) $((win_y + 10))
expect "focus back in 202" 202 focus
xdo type 15000
expect "15000 typed after coming back to 202" 15000 text 202
type_into 205 015
ask minimise
ask restore
expect "focus back in 205 after restoring" 205 focus
xdo type 000
click 202
expect "000 typed after restoring, then 205 left" 15000 text 205
type_into 202 0
type_into 205 0

# A click on the left half of the "0" selects it, so typing replaces it.
click 201
click_first_character 204 1
expect "focus in 204" 204 focus
xdo type 8
expect "8 typed after a click on the left half of 0" 8 text 204
type_into 204 0

# The worked salary example with a bonus, typed digit by digit.
type_into 201 200000
type_into 202 10000
type_into 204 8200
type_into 205 1000
type_into 206 13580
type_into 219 1
type_into 211 500000
# The figures follow the typing: the last cell still has the focus.
worked="200000 10000 210000 8200 1000 13580 1491 3570 27841 182159 500000 20500 2775 33950 3500 26356 87081 412919"
expect "cells 201 to 218 as typed" "$worked" text $(seq 201 218)
expect "the focus still in 211" 211 focus
click 301
expect "cells 201 to 218 after 計算" "$worked" text $(seq 201 218)

# The mouse resting on a result cell shows how its figure was made.
ask rect 208
read -r x y w h <<<"$answer"
xdo mousemove --sync $((client_x + x + w / 2)) $((client_y + y + h / 2))
xdo mousemove_relative --sync 1 0
pointer=""
expect "the tip over 208" "$(cp932 '社会保険料等控除後の給与等の金額: / 課税支給額 200,000 - (健康 8,200 / + 介護 1,000 + 厚生 13,580 + 雇用 1,491) / = 175,729円 / 給与所得控除: 175,729 × 30% + 15,000 / = 67,719円 (1円未満切り上げ) / 基礎控除と扶養控除: 31,667円 × 2人 / = 63,334円 / 課税給与所得金額: 175,729 - 67,719 - 63,334 / = 44,676円 / 税額: 44,676 × 8% - 0 / 10円未満を四捨五入して 3,570円')" tip
# The guide's picture of it: the window and the tip, which may reach below it.
timeout 60 import -window root "$out/tip.full.png" 2>/dev/null &&
    timeout 60 convert "$out/tip.full.png" -crop "$((win_w + 200))x$((win_h + 140))+${win_x}+${win_y}" +repage \
        "$out/tip.png" && rm -f "$out/tip.full.png"
screenshot "$out/gensen.png"

# A new pay pasted as a spreadsheet gives it, over the number that a click in
# the blank part of 201 selects; leaving 201 then brings every figure in line.
ask clip 300,000
click 201
xdo key ctrl+v
expect "300,000 pasted into 201" 300000 text 201
expect "figures at once after the paste" "310000 2184 9140 34104 275896" text 203 207 208 209 210
click 202
expect "figures after leaving 201" "310000 2184 9140 34104 275896" text 203 207 208 209 210

# Ctrl+V, Shift+Insert and the menu's 貼り付け go through the same rule.
ask clip 1.5
click 204
xdo key ctrl+v
expect "1.5 refused by Ctrl+V" 8200 text 204
ask clip -12300
xdo key shift+Insert
expect "-12300 refused by Shift+Insert" 8200 text 204
ask clip ¥9,000
xdo key shift+Insert
expect "¥9,000 by Shift+Insert" 9000 text 204
ask clip 1,2
click_raw 204
xdo click 3
xdo key p
expect "1,2 refused by the menu" 9000 text 204
ask clip 8,200
click_raw 204
xdo click 3
xdo key p
expect "8,200 by the menu over the number a right click selects" 8200 text 204

# A click in a result cell selects its number, ready to copy.
click 210
ask text 210
expect "210's number selected" "0 ${#answer}" selection 210

# 乙欄, B欄 and no 満40歳以上 each change the figures at once; 計算 then changes nothing.
click 308
expect "the tax after 乙欄" "35700 43927" text 208 216
click 310
click 305
expect "checks after the clicks" "0 1 0 1 0 1" checked 305 306 307 308 309 310
with_options="300000 10000 310000 8200 1000 13580 2496 34900 60176 249824 500000 20500 0 33950 4000 44155 102605 397395"
expect "cells 201 to 218 with 乙欄, B欄, under 40" "$with_options" text $(seq 201 218)
click 301
expect "cells 201 to 218 after 計算" "$with_options" text $(seq 201 218)

# A click in the blank part of 204 selects its number, so typing replaces it.
click 204
xdo type 9000
expect "9000 typed after a click in the blank part of 204" 9000 text 204

# A click that brings the focus in selects the number wherever it lands, even
# right of the text, though leaving 201 rewrites 204 with the same text; a
# second click there (not a double click) places the caret.
type_into 204 15000
type_into 201 200000
click 204 114
expect "totals after leaving 201 for 204" "210000" text 203
xdo type 25
expect "25 typed over the number a click from 201 selects" 25 text 204
sleep 0.6
click 204 114
xdo key BackSpace
xdo type 1
expect "BackSpace and 1 after a second click right of 25" 21 text 204

# On the middle of the "1" in 219 too: 2 typed gives 2, not 12.
click 201
click_first_character 219 3
expect "focus in 219" 219 focus
xdo type 2
expect "2 typed over the 1 a click on it selects" 2 text 219

click_raw 302
wait_exit "閉じる"

# --- Second run, closed from the frame with Alt+F4 ---------------------------
start_program
click 219
xdo key alt+F4
wait_exit "Alt+F4"

echo "e2e passed in $((SECONDS - started_at)) s; screenshot: $out/gensen.png"
