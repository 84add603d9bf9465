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

# Every step waits for the state it needs and goes on as soon as it holds;
# these only bound a wait, long enough for a machine whose cores are all busy.
deadline_seconds=60
start_seconds=120
started_at=$SECONDS

work=$(mktemp -d /tmp/gensen-e2e.XXXXXX)
program=""
probe_pid=""
failing=""
# A probe that has ended is reported by the write that fails, not by a signal.
trap '' PIPE

cleanup() {
    exec 3>&- 4<&- 2>/dev/null || true
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failing=1
    screenshot "$out/failure.png" || true
    echo "screenshot kept: $out/failure.png" >&2
    exit 1
}

# One probe for the whole test, asked through two pipes: a question costs a
# message, not a Wine process.
mkfifo "$work/questions" "$work/answers"
"$build/wine-run" "$build/bin/probe.exe" <"$work/questions" >"$work/answers" 2>/dev/null &
probe_pid=$!
exec 3>"$work/questions" 4<"$work/answers"

# Sets $answer to the probe's one-line answer.
ask() {
    if ! { echo "$*" >&3 && IFS= read -r -t "$deadline_seconds" answer <&4; } 2>/dev/null; then
        [ -z "$failing" ] || return 1
        fail "the probe gave no answer to: $*"
    fi
    answer=${answer%$'\r'}
}

screenshot() {
    [ -z "${win_w:-}" ] || ask paint
    # The whole screen, then the window cut out of it when it is known.
    timeout 60 import -window root "$1.full.png" 2>/dev/null || return 0
    if [ -n "${win_w:-}" ]; then
        timeout 60 convert "$1.full.png" -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage "$1" &&
            rm -f "$1.full.png"
    else
        mv "$1.full.png" "$1"
    fi
}

# Polls the probe until it answers what is expected, or fails at the deadline.
expect() {
    local what=$1 expected=$2
    shift 2
    local end=$((SECONDS + deadline_seconds))
    while :; do
        ask "$@"
        [ "$answer" = "$expected" ] && return 0
        [ "$SECONDS" -ge "$end" ] && fail "$what: expected [$expected], saw [$answer]"
        sleep 0.02
    done
}

start_program() {
    "$build/wine-run" "$build/bin/gensen.exe" &
    program=$!
    local end=$((SECONDS + start_seconds))
    ask find
    while [ "$answer" = none ]; do
        [ "$SECONDS" -ge "$end" ] && fail "no MYWNDCLASS window shown within $start_seconds s"
        sleep 0.05
        ask find
    done
    read -r win_x win_y win_w win_h client_x client_y <<<"$answer"
}

wait_exit() {
    local what=$1 end=$((SECONDS + deadline_seconds)) code=0
    while kill -0 "$program" 2>/dev/null; do
        [ "$SECONDS" -ge "$end" ] && fail "$what: the process did not end"
        sleep 0.05
    done
    wait "$program" || code=$?
    program=""
    [ "$code" -eq 0 ] || fail "$what: exit code $code, expected 0"
}

# The controls' client-area rectangles (x y width height) as the form lays them out.
rect_of() {
    case $1 in
        201) echo 285 30 120 24 ;;  202) echo 285 54 120 24 ;;  203) echo 285 82 120 24 ;;
        204) echo 285 110 120 24 ;; 205) echo 285 134 120 24 ;; 206) echo 285 158 120 24 ;;
        211) echo 410 30 120 24 ;;  219) echo 6 270 120 24 ;;
        301) echo 385 300 72 24 ;;  302) echo 458 300 72 24 ;;
        # Check boxes and radio buttons sit in their group box (303 at 6,6; 304 at 6,120).
        305) echo 12 28 120 18 ;;   307) echo 12 51 120 18 ;;   308) echo 12 74 120 18 ;;
        306) echo 12 142 120 18 ;;  309) echo 12 165 120 18 ;;  310) echo 12 188 120 18 ;;
        *) fail "no position for control $1" ;;
    esac
}

# xdotool bounded in time, so that a hung call fails the test instead of stalling it.
xdo() { timeout 60 xdotool "$@" || fail "xdotool $* did not finish"; }

# Clicks at a screen point. A move with --sync to where the pointer already
# is waits out xdotool's own 15 s, so the pointer moves only when it must.
pointer=""
click_at() {
    if [ "$1 $2" != "$pointer" ]; then
        xdo mousemove --sync "$1" "$2"
        pointer="$1 $2"
    fi
    xdo click 1
}

# Clicks a control at DX pixels from its left edge (default 8: on the box of
# a check box or radio button, inside a cell or button).
click_raw() {
    local x y w h
    read -r x y w h <<<"$(rect_of "$1")"
    click_at $((client_x + x + ${2:-8})) $((client_y + y + h / 2))
}

# Every control takes the focus when clicked: wait for it before the next key.
click() {
    click_raw "$@"
    expect "focus on $1 after a click" "$1" focus
}

# Clicks into a cell, clears it with the keyboard and types the digits one by
# one; waits until the cell shows EXPECTED (by default what was typed).
type_into() {
    local cell=$1 typed=$2 shown=${3:-$2}
    click "$cell"
    xdo key End
    xdo key --repeat 12 BackSpace
    expect "$cell cleared" "" text "$cell"
    xdo type --delay 20 "$typed"
    expect "$typed typed into $cell" "$shown" text "$cell"
}

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

# The cell refuses a letter and a ninth digit.
type_into 201 "12a3" 123
type_into 201 "123456789" 12345678

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

# The worked salary example with a bonus, typed digit by digit.
type_into 201 200000
type_into 202 10000
type_into 204 8200
type_into 205 1000
type_into 206 13580
type_into 219 1
type_into 211 500000
click 301
expect "cells 201 to 218 after 計算" \
    "200000 10000 210000 8200 1000 13580 1491 3570 27841 182159 500000 20500 2775 33950 3500 26356 87081 412919" \
    text $(seq 201 218)
screenshot "$out/gensen.png"

# A new pay pasted as a spreadsheet gives it, over the number that a click in
# the blank part of 201 selects; leaving 201 then brings every figure in line.
ask clip 300,000
click 201
xdo key ctrl+v
expect "300,000 pasted into 201" 300000 text 201
click 202
expect "figures after leaving 201" "310000 2184 9140 34104 275896" text 203 207 208 209 210

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

# A click right of the text in another cell keeps the caret where it lands,
# though leaving 201 rewrites 204 with the same text.
type_into 204 15000
type_into 201 200000
click 204 114
expect "totals after leaving 201 for 204" "210000" text 203
xdo key BackSpace
xdo type 1
expect "BackSpace and 1 after the click right of 15000" "15001" text 204

click_raw 302
wait_exit "閉じる"

# --- Second run, closed from the frame with Alt+F4 ---------------------------
start_program
click 219
xdo key alt+F4
wait_exit "Alt+F4"

echo "e2e passed in $((SECONDS - started_at)) s; screenshot: $out/gensen.png"
