# Drives gensen.exe in its own Wine process with a real mouse and keyboard
# (xdotool) and reads it from outside through probe.exe: sourced by the
# end-to-end test and by scripts/run. Needs $build (the build tree) and $out
# (where a failure's screenshot goes), and an X display with the build tree's
# Wine prefix up (build/windows/with-wine-display).

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

# One probe for the whole run, asked through two pipes: a question costs a
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
    ask rect "$1"
    read -r x y w h <<<"$answer"
    [ -n "$h" ] || fail "no control $1"
    click_at $((client_x + x + ${2:-8})) $((client_y + y + h / 2))
}

# Clicks a cell DX pixels right of where its first character starts.
click_first_character() {
    local first y h
    ask first "$1"
    first=$answer
    ask rect "$1"
    read -r _ y _ h <<<"$answer"
    click_at $((client_x + first + $2)) $((client_y + y + h / 2))
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

