# Helpers for the end-to-end tests: a private X server with a window manager,
# and small readers of window properties. Sourced by tests/e2e/test_*.sh.
#
# Every wait has a timeout and every X query runs under `timeout`, so a broken
# program or server fails the test instead of hanging it.

set -euo pipefail
shopt -s inherit_errexit

e2e_tmp="$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")"
e2e_pids=()

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

note() { printf '%s\n' "$*" >&2; }

# Stops everything this test started, newest first, and removes its files.
e2e_cleanup() {
    local status=$?
    local i pid
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        pid="${e2e_pids[i]}"
        kill "$pid" 2>/dev/null || true
    done
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        pid="${e2e_pids[i]}"
        # Give each process a moment to end, then insist.
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if ((status != 0)) && [[ -d "$e2e_tmp" ]]; then
        local log
        for log in "$e2e_tmp"/*.log "$e2e_tmp"/*.out; do
            [[ -s "$log" ]] || continue
            note "--- ${log##*/}"
            tail -n 40 "$log" >&2 || true
        done
    fi
    rm -rf "$e2e_tmp"
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# remember_pid PID: the EXIT trap ends it.
remember_pid() { e2e_pids+=("$1"); }

require_commands() {
    local c
    for c in "$@"; do
        command -v "$c" >/dev/null 2>&1 || fail "missing command '$c' (scripts/test installs it)"
    done
}

# x COMMAND...: an X client call that cannot hang.
x() { timeout 10 "$@"; }

# start_x [WIDTHxHEIGHTxDEPTH]: a private Xvfb on a free display with openbox,
# ready when the window manager has announced itself.
start_x() {
    local screen="${1:-1280x1024x24}"
    require_commands Xvfb openbox xprop xwininfo xdotool timeout

    local display_file="$e2e_tmp/display"
    : >"$display_file"
    # -displayfd: the server picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
        3>"$display_file" >"$e2e_tmp/xvfb.log" 2>&1 &
    remember_pid $!
    local xvfb_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
        # The number is complete once its line has ended.
        (($(wc -l <"$display_file") > 0)) && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended at start"
        sleep 0.1
    done
    local number
    number="$(tr -dc '0-9' <"$display_file")"
    [[ -n "$number" ]] || fail "Xvfb reported no display within 10 s"
    export DISPLAY=":$number"

    # The programs run on X11 under this server, whatever the caller uses.
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$e2e_tmp/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    # Keep the window manager's files out of the user's home.
    export XDG_CONFIG_HOME="$e2e_tmp/config" XDG_CACHE_HOME="$e2e_tmp/cache"

    openbox --sm-disable >"$e2e_tmp/openbox.log" 2>&1 &
    remember_pid $!
    local wm_pid=$!
    for ((i = 0; i < 100; i++)); do
        if x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            return 0
        fi
        kill -0 "$wm_pid" 2>/dev/null || fail "openbox ended at start"
        sleep 0.1
    done
    fail "openbox did not start managing windows within 10 s"
}

# screen_size: prints "WIDTH HEIGHT" of the root window in pixels.
screen_size() {
    x xwininfo -root | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w, h}'
}

# start_program LOGNAME COMMAND...: starts a program in the background with its
# standard output in $e2e_tmp/LOGNAME.out and errors in LOGNAME.log; sets
# program_pid and program_out.
start_program() {
    local name="$1"
    shift
    program_out="$e2e_tmp/$name.out"
    "$@" >"$program_out" 2>"$e2e_tmp/$name.log" &
    program_pid=$!
    remember_pid "$program_pid"
}

# wait_window TITLE [TIMEOUT]: prints the id of the shown client window whose
# name is exactly TITLE.
wait_window() {
    local title="$1" limit="${2:-15}"
    local pattern ids id
    pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$+?(){}|/]/\\&/g')\$"
    local deadline=$((SECONDS + limit))
    while ((SECONDS <= deadline)); do
        ids="$(x xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)"
        for id in $ids; do
            # The client window carries WM_STATE once the manager has mapped it.
            if x xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'Normal'; then
                printf '%s\n' "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    fail "no window named '$title' within $limit s"
}

# window_state ID: the atoms of _NET_WM_STATE, comma separated.
window_state() {
    x xprop -id "$1" _NET_WM_STATE | sed -n 's/^_NET_WM_STATE(ATOM) = //p'
}

# has_state ID ATOM: whether _NET_WM_STATE holds ATOM.
has_state() {
    local states
    states="$(window_state "$1")"
    [[ ",${states// /}," == *",$2,"* ]]
}

# frame_extents ID: "LEFT RIGHT TOP BOTTOM" of the manager's frame in pixels.
frame_extents() {
    local line
    line="$(x xprop -id "$1" _NET_FRAME_EXTENTS)"
    [[ "$line" == *=* ]] || fail "window $1 has no _NET_FRAME_EXTENTS"
    printf '%s\n' "${line#*= }" | tr -d ',' | awk '{print $1, $2, $3, $4}'
}

# client_geometry ID: "X Y WIDTH HEIGHT" of the client area on the screen.
client_geometry() {
    x xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ {ax = $4}
        /Absolute upper-left Y:/ {ay = $4}
        /^ *Width:/ {w = $2}
        /^ *Height:/ {h = $2}
        END {print ax, ay, w, h}'
}

# frame_position ID: "X Y" of the frame's top-left corner on the screen.
frame_position() {
    local geometry extents cx cy w h left right top bottom
    geometry="$(client_geometry "$1")"
    extents="$(frame_extents "$1")"
    read -r cx cy w h <<<"$geometry"
    read -r left right top bottom <<<"$extents"
    printf '%s %s\n' $((cx - left)) $((cy - top))
}

# wait_for COMMAND... : retries a check for up to E2E_WAIT seconds (default 10).
wait_for() {
    local deadline=$((SECONDS + ${E2E_WAIT:-10}))
    while ((SECONDS <= deadline)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# --- the model echo of a program started with CALC_ECHO_MODEL=1

# echo_value FILE KEY: the last value echoed for KEY ("Text4.Text", "focus").
echo_value() {
    awk -v key="$2" '
        index($0, key "=") == 1 {value = substr($0, length(key) + 2); seen = 1}
        END {if (seen) print value; else exit 1}' "$1"
}

echo_is() { [[ "$(echo_value "$1" "$2" 2>/dev/null)" == "$3" ]]; }

# expect_echo FILE KEY VALUE: waits until the last echoed value of KEY is
# VALUE; fails with what was seen instead.
expect_echo() {
    if ! wait_for echo_is "$1" "$2" "$3"; then
        fail "$2: expected '$3', last echoed '$(echo_value "$1" "$2" 2>/dev/null || echo '<nothing>')'"
    fi
}

# assert_echo FILE KEY VALUE: the last echoed value must be VALUE now.
assert_echo() {
    local seen
    seen="$(echo_value "$1" "$2" 2>/dev/null || echo '<nothing>')"
    [[ "$seen" == "$3" ]] || fail "$2: expected '$3', last echoed '$seen'"
}
