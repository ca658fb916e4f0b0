#!/usr/bin/env bash
# Two monitors side by side, the primary one on the right and lower: both
# programs open centred on the primary monitor, not on or across the left one.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${RASTOMAT:-}" && -x "${ASPEKTO:-}" ]] || fail "RASTOMAT and ASPEKTO must name the programs"
require_commands xrandr python3

start_x 1280x1024x24
# RandR monitors on the one screen; "*" makes the right one primary.
x xrandr --setmonitor '*right' 640/169x900/240+640+124 screen >/dev/null
x xrandr --setmonitor left 640/169x1024/270+0+0 none >/dev/null

# check PROGRAM TITLE WIDTH HEIGHT: the frame's corner where CenterForm puts a
# window of that client size in twips on the primary monitor, computed as the
# window tests do, offset by the monitor's origin.
check() {
    local expected position
    start_program "$1" "${!1}"
    id="$(wait_window "$2" 20)"
    expected="$(python3 - "$3" "$4" <<'EOF'
import math, sys
w, h = int(sys.argv[1]), int(sys.argv[2])
x, y, width, height = 640, 124, 640, 900
def half(n):
    return math.trunc(n / 2)
top = half(round(height * 15 * 0.85)) - half(h)
left = half(width * 15) - half(w)
print(round(x + left / 15), round(y + top / 15))
EOF
)"
    position="$(frame_position "$id")"
    [[ "$position" == "$expected" ]] || fail "$1: frame's corner at ($position), expected ($expected)"
    note "$1: frame at ($position)"
}
check RASTOMAT "Brixtel Rastomat" 5175 6330
check ASPEKTO "Brixtel Aspekto" 4560 4260
note "PASS"
