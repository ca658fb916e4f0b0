#!/usr/bin/env bash
# Rastomat on a real X server with a window manager: the window appears with
# its title and client size, stays above other windows, starts where
# CenterForm puts it on this screen, and closing it ends the program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${RASTOMAT:-}" ]] || fail "RASTOMAT does not name the built program"
require_commands python3

start_x 1280x1024x24
start_program rastomat "$RASTOMAT"
id="$(wait_window "Brixtel Rastomat" 20)"

# Client area: 5175 x 6330 twips at 15 twips per pixel: the frames' 5940
# and the foot line's 390.
geometry="$(client_geometry "$id")"
read -r cx cy width height <<<"$geometry"
[[ "$width x $height" == "345 x 422" ]] || fail "client area is $width x $height, expected 345 x 422"

# Fixed size: the size hints allow exactly the client size.
hints="$(x xprop -id "$id" WM_NORMAL_HINTS)"
grep -q 'minimum size: 345 by 422' <<<"$hints" || fail "minimum size hint: $hints"
grep -q 'maximum size: 345 by 422' <<<"$hints" || fail "maximum size hint: $hints"

# An ordinary window (not a tool window) that the manager lets close and move
# but neither resize nor maximize.
type="$(x xprop -id "$id" _NET_WM_WINDOW_TYPE)"
[[ "$type" == *_NET_WM_WINDOW_TYPE_NORMAL* ]] || fail "window type: $type"
actions="$(x xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)"
[[ "$actions" == *_NET_WM_ACTION_CLOSE* ]] || fail "closing is not allowed: $actions"
for refused in _NET_WM_ACTION_RESIZE _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT; do
    [[ "$actions" != *"$refused"* ]] || fail "$refused is allowed: $actions"
done

# Always on top, from start on.
E2E_WAIT=5 wait_for has_state "$id" _NET_WM_STATE_ABOVE ||
    fail "window state lacks _NET_WM_STATE_ABOVE: '$(window_state "$id")'"

# The expected place, computed here from the screen size alone:
# top  = half(near(screen height * 0.85)) - half(window height)
# left = half(screen width) - half(window width), all in twips, where near
# rounds to even on ties and half drops the remainder; 15 twips per pixel.
screen="$(screen_size)"
expected="$(python3 - "$screen" <<'EOF'
import math, sys
w, h = (int(v) for v in sys.argv[1].split())
def half(n):
    return math.trunc(n / 2)
top = half(round(h * 15 * 0.85)) - half(6330)
left = half(w * 15) - half(5175)
print(round(left / 15), round(top / 15))
EOF
)"
position="$(frame_position "$id")"
[[ "$position" == "$expected" ]] ||
    fail "frame's top-left corner at ($position), expected ($expected) on a $screen screen"
note "window $id: client $width x $height at ($cx, $cy), frame at ($position)"

# Closing the window through the window manager ends the program. The key
# reaches the window manager only once the window is active: on a busy
# machine that can take a moment, so the close is asked for again (up to 3
# times) while the window is still there.
for _ in 1 2 3; do
    if x xwininfo -id "$id" >/dev/null 2>&1; then
        x xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
        x xdotool key --clearmodifiers alt+F4 || true
    fi
    for _ in $(seq 30); do
        kill -0 "$program_pid" 2>/dev/null || break 2
        sleep 0.1
    done
done
if kill -0 "$program_pid" 2>/dev/null; then
    fail "the program still runs 9 s after it was asked to close its window"
fi
status=0
wait "$program_pid" || status=$?
((status == 0)) || fail "the program ended with status $status after its window was closed"
note "PASS"
