#!/usr/bin/env bash
# Aspekto on a real X server with a window manager: the window opens centred
# with the caret in the height field, and "immer im Vordergrund" keeps it
# above other windows and releases it again without moving, resizing or
# hiding it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${ASPEKTO:-}" ]] || fail "ASPEKTO does not name the built program"
require_commands python3

start_x 1280x1024x24
export CALC_ECHO_MODEL=1
start_program aspekto "$ASPEKTO"
id="$(wait_window "Brixtel Aspekto" 20)"
out="$program_out"

# Client area: 4560 x 4260 twips at 15 twips per pixel (the frame's 3870 and
# the foot line's 390), not resizable.
geometry="$(client_geometry "$id")"
read -r cx cy width height <<<"$geometry"
[[ "$width x $height" == "304 x 284" ]] || fail "client area is $width x $height, expected 304 x 284"
hints="$(x xprop -id "$id" WM_NORMAL_HINTS)"
grep -q 'minimum size: 304 by 284' <<<"$hints" || fail "minimum size hint: $hints"
grep -q 'maximum size: 304 by 284' <<<"$hints" || fail "maximum size hint: $hints"

# Centred, computed here from the screen size alone:
# top  = half(near(screen height * 0.85)) - half(window height)
# left = half(screen width) - half(window width), in twips, neither below 0;
# near rounds ties to even, half drops the remainder; 15 twips per pixel.
screen="$(screen_size)"
expected="$(python3 - "$screen" <<'PY'
import math, sys
w, h = (int(v) for v in sys.argv[1].split())
def half(n):
    return math.trunc(n / 2)
top = max(0, half(round(h * 15 * 0.85)) - half(4260))
left = max(0, half(w * 15) - half(4560))
print(round(left / 15), round(top / 15))
PY
)"
position="$(frame_position "$id")"
[[ "$position" == "$expected" ]] ||
    fail "frame's top-left corner at ($position), expected ($expected) on a $screen screen"

# Not kept on top at start.
expect_echo "$out" window shown
has_state "$id" _NET_WM_STATE_ABOVE && fail "the window is kept on top from the start"

# The caret is in the height field: real keys edit it, and with the default
# ratio 1280 / 720 the width follows (72 -> 128, 720 -> 1280).
assert_echo "$out" focus Text1
x xdotool key --window "$id" --clearmodifiers BackSpace
expect_echo "$out" Text1.Text 72
expect_echo "$out" Text2.Text 128
x xdotool type --window "$id" --clearmodifiers 0
expect_echo "$out" Text1.Text 720
expect_echo "$out" Text2.Text 1280

# Everything the manager says about the window from now on: it must never
# be withdrawn or iconified, and must not be destroyed and re-created.
spy="$e2e_tmp/spy.log"
xprop -id "$id" -spy WM_STATE _NET_WM_STATE >"$spy" 2>&1 &
remember_pid $!
spy_pid=$!

# The check box: Frame1 at (120, 120) twips, chkOnTop at (720, 3060) in it,
# 375 twips high; click its box near the left end.
lacks_state() { ! has_state "$@"; }
click_on_top() { x xdotool mousemove --window "$id" 64 224 click 1; }

before_client="$(client_geometry "$id")"
before_frame="$(frame_position "$id")"

click_on_top
expect_echo "$out" chkOnTop.Value 1
E2E_WAIT=5 wait_for has_state "$id" _NET_WM_STATE_ABOVE ||
    fail "ticked, but the window state lacks _NET_WM_STATE_ABOVE: '$(window_state "$id")'"
expect_echo "$out" focus Text1
[[ "$(client_geometry "$id")" == "$before_client" ]] ||
    fail "ticking moved or resized the window: $before_client -> $(client_geometry "$id")"
[[ "$(frame_position "$id")" == "$before_frame" ]] || fail "ticking moved the frame"

click_on_top
expect_echo "$out" chkOnTop.Value 0
E2E_WAIT=5 wait_for lacks_state "$id" _NET_WM_STATE_ABOVE ||
    fail "unticked, but the window is still kept on top: '$(window_state "$id")'"
expect_echo "$out" focus Text1
[[ "$(client_geometry "$id")" == "$before_client" ]] ||
    fail "unticking moved or resized the window: $before_client -> $(client_geometry "$id")"
[[ "$(frame_position "$id")" == "$before_frame" ]] || fail "unticking moved the frame"

# After either click the caret is back in the height field.
x xdotool key --window "$id" --clearmodifiers BackSpace
expect_echo "$out" Text1.Text 72

sleep 0.5
kill -0 "$spy_pid" 2>/dev/null || fail "the window went away: $(cat "$spy")"
if grep -Eq 'Withdrawn|Iconic' "$spy"; then
    fail "the window was hidden on the way: $(cat "$spy")"
fi
[[ "$(wait_window "Brixtel Aspekto" 5)" == "$id" ]] || fail "the window was re-created"
note "window $id at ($before_frame), client $width x $height; on-top switched on and off"
note "PASS"
