#!/usr/bin/env bash
# Switching Rastomat's mode with the keyboard alone: an arrow key on the mode
# buttons does what a click does, so the caret lands in the mode's first
# field and the next digits are typed there.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${RASTOMAT:-}" ]] || fail "RASTOMAT does not name the built program"

start_x 1280x1024x24
CALC_ECHO_MODEL=1 start_program rastomat "$RASTOMAT"
out="$program_out"
id="$(wait_window "Brixtel Rastomat" 20)"
expect_echo "$out" window shown
expect_echo "$out" focus Text3
x xdotool windowactivate --sync "$id" >/dev/null 2>&1 || x xdotool windowfocus --sync "$id"

key() { x xdotool key --clearmodifiers "$@"; }

# Text3, Text4, Check1, then the selected mode button.
key Tab Tab Tab
expect_echo "$out" focus Option1
key Down
expect_echo "$out" Option2.Value 1
expect_echo "$out" focus Text1
sleep 0.3
assert_echo "$out" focus Text1
key End
x xdotool type --delay 60 5
expect_echo "$out" Text1.Text 7685
# The width follows with the ratio stored at start, 1024 / 768.
expect_echo "$out" Text2.Text 10246

# Back: Shift+Tab passes Text5 and reaches the selected button.
key shift+Tab shift+Tab
expect_echo "$out" focus Option2
key Up
expect_echo "$out" Option1.Value 1
expect_echo "$out" focus Text3
sleep 0.3
assert_echo "$out" focus Text3
note "PASS"
