#!/usr/bin/env bash
# One Aspekto per user: a second start ends silently with status 0 and opens
# no window; without a session bus its file reaches the running window, and
# where no running copy answers it says so and ends with status 1; a copy
# killed with SIGKILL does not block the next start, one ended by SIGTERM
# leaves no lock behind; of two copies started at the same moment exactly one
# opens a window.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${ASPEKTO:-}" ]] || fail "ASPEKTO does not name the built program"
require_commands convert

start_x 1280x1024x24
title='^Brixtel Aspekto$'

# The shown client windows named like Aspekto's.
count_windows() {
    local ids id n=0
    ids="$(x xdotool search --onlyvisible --name "$title" 2>/dev/null || true)"
    for id in $ids; do
        x xprop -id "$id" WM_STATE 2>/dev/null | grep -q Normal && n=$((n + 1))
    done
    echo "$n"
}

# second_start NAME [ENV-ARGUMENTS...] [FILE]: runs another copy to its end;
# it must end by itself with status 0 and print nothing at all. A last
# argument that starts with "/" is its file.
second_start() {
    local status=0 name="$1" file=()
    shift
    if (($# > 0)) && [[ "${*: -1}" == /* ]]; then
        file=("${*: -1}")
        set -- "${@:1:$#-1}"
    fi
    timeout 15 env "$@" "$ASPEKTO" "${file[@]}" >"$e2e_tmp/$name.out" 2>"$e2e_tmp/$name.log" || status=$?
    ((status == 0)) || fail "$name: the second copy ended with status $status"
    [[ ! -s "$e2e_tmp/$name.out" && ! -s "$e2e_tmp/$name.log" ]] ||
        fail "$name: the second copy printed: $(cat "$e2e_tmp/$name.out" "$e2e_tmp/$name.log")"
}

# stop PID: ends a copy and waits for it.
stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# --- a second start while one runs
start_program first env CALC_ECHO_MODEL=1 "$ASPEKTO"
first_pid=$program_pid
first_out=$program_out
first_id="$(wait_window "Brixtel Aspekto" 20)"
first_frame="$(frame_position "$first_id")"
second_start second
sleep 1
[[ "$(count_windows)" == 1 ]] || fail "a second start opened a window ($(count_windows) windows)"
kill -0 "$first_pid" 2>/dev/null || fail "the running copy ended when a second one started"
[[ "$(frame_position "$first_id")" == "$first_frame" ]] || fail "the running copy moved"
note "second start: status 0, silent, still one window"

# --- no session bus: the file goes over the lock holder's socket
convert -size 64x48 xc:white "$e2e_tmp/ohne bus.png"
second_start with_file -u DBUS_SESSION_BUS_ADDRESS "$e2e_tmp/ohne bus.png"
expect_echo "$first_out" Text1.Text 48
expect_echo "$first_out" Text2.Text 64
# --- a holder that cannot be reached (its socket gone): one line, status 1
mv "$XDG_RUNTIME_DIR/aspekto.socket" "$e2e_tmp/socket"
status=0
timeout 15 env -u DBUS_SESSION_BUS_ADDRESS "$ASPEKTO" "$e2e_tmp/ohne bus.png" \
    >"$e2e_tmp/unreached.out" 2>"$e2e_tmp/unreached.log" || status=$?
((status == 1)) || fail "unreached: status $status"
[[ "$(cat "$e2e_tmp/unreached.log")" == "aspekto: Aspekto läuft schon, antwortet aber nicht; die Datei wurde nicht übergeben." ]] ||
    fail "unreached: $(cat "$e2e_tmp/unreached.log")"
mv "$e2e_tmp/socket" "$XDG_RUNTIME_DIR/aspekto.socket"
note "without a session bus: the file reaches the running window; unreached, one line and status 1"

# --- a crashed copy does not block the next start
kill -9 "$first_pid"
wait "$first_pid" 2>/dev/null || true
wait_for bash -c "[[ \$(xdotool search --onlyvisible --name '$title' | wc -l) == 0 ]]" ||
    fail "the killed copy's window stayed"
start_program after_crash "$ASPEKTO"
after_pid=$program_pid
wait_window "Brixtel Aspekto" 20 >/dev/null
[[ "$(count_windows)" == 1 ]] || fail "after the crash: $(count_windows) windows"
second_start second_after_crash
note "after kill -9: a new start opens its window, and holds the lock again"
# The session's end (SIGTERM) ends it as a closed window does: status 0 and
# no lock file left behind.
kill "$after_pid"
status=0
wait "$after_pid" || status=$?
((status == 0)) || fail "after SIGTERM the program ended with status $status"
[[ ! -e "$XDG_RUNTIME_DIR/aspekto.lock" ]] || fail "the lock file outlived the program"
wait_for bash -c "[[ \$(xdotool search --onlyvisible --name '$title' | wc -l) == 0 ]]" ||
    fail "the window stayed after the program ended"

# --- two copies started at the same moment
start_program race_a "$ASPEKTO"
a_pid=$program_pid
start_program race_b "$ASPEKTO"
b_pid=$program_pid
wait_window "Brixtel Aspekto" 20 >/dev/null
# Give the loser time to end and a second window every chance to appear.
for _ in $(seq 30); do
    kill -0 "$a_pid" 2>/dev/null && kill -0 "$b_pid" 2>/dev/null || break
    sleep 0.1
done
sleep 1
[[ "$(count_windows)" == 1 ]] || fail "two simultaneous starts: $(count_windows) windows"
running=0
for pid in "$a_pid" "$b_pid"; do
    if kill -0 "$pid" 2>/dev/null; then
        running=$((running + 1))
    else
        status=0
        wait "$pid" || status=$?
        ((status == 0)) || fail "the copy that lost the race ended with status $status"
    fi
done
((running == 1)) || fail "two simultaneous starts: $running copies still run"
for name in race_a race_b; do
    [[ -s "$e2e_tmp/$name.out" || -s "$e2e_tmp/$name.log" ]] &&
        note "$name printed: $(cat "$e2e_tmp/$name.out" "$e2e_tmp/$name.log")"
done
note "two simultaneous starts: one window, the other copy ended with status 0"
for pid in "$a_pid" "$b_pid"; do stop "$pid"; done

# --- no XDG_RUNTIME_DIR: the toolkit's own fallback folder serves as well,
# and the second copy still prints nothing (no warning about the folder).
mkdir "$e2e_tmp/tmp"
no_runtime=(-u XDG_RUNTIME_DIR "TMPDIR=$e2e_tmp/tmp")
start_program no_runtime_first env "${no_runtime[@]}" "$ASPEKTO"
wait_window "Brixtel Aspekto" 20 >/dev/null
second_start no_runtime_second "${no_runtime[@]}"
[[ "$(count_windows)" == 1 ]] || fail "without XDG_RUNTIME_DIR: $(count_windows) windows"
[[ -n "$(find "$e2e_tmp/tmp" -name 'aspekto.lock')" ]] ||
    fail "without XDG_RUNTIME_DIR the lock is not in the toolkit's fallback folder"
stop "$program_pid"
note "without XDG_RUNTIME_DIR: second start silent, one window"
note "PASS"
