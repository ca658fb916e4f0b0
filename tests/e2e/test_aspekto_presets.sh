#!/usr/bin/env bash
# Choosing presets from Aspekto's list with real keys and mouse clicks: the
# sides fill in, the lock captures the ratio the line names (16:9, not
# 853 / 480, for "16:9 - 480 x 853", so a height of 720 gives 1280), and
# choosing the line already shown still runs the whole procedure.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${ASPEKTO:-}" ]] || fail "ASPEKTO does not name the built program"

start_x 1280x1024x24
export CALC_ECHO_MODEL=1
start_program aspekto "$ASPEKTO"
id="$(wait_window "Brixtel Aspekto" 20)"
out="$program_out"
expect_echo "$out" window shown
expect_echo "$out" focus Text1

# The list: Frame1 at (120, 120) twips, Combo1 at (480, 630) in it,
# 3375 x 480, that is 225 x 32 pixels at (40, 50); its arrow is at the right
# end. One click on the arrow opens the list and chooses nothing yet.
# The colour of the screen at (X, Y) of the window.
colour_at() {
    local pos px py
    pos="$(x xdotool getwindowgeometry --shell "$id")"
    px="$(sed -n 's/^X=//p' <<<"$pos")"
    py="$(sed -n 's/^Y=//p' <<<"$pos")"
    x import -window root -crop "1x1+$((px + $1))+$((py + $2))" txt:- | tail -n 1 | awk '{print $3}'
}

open_list() {
    local unlocks before after
    unlocks="$(grep -c '^Check1.Value=0$' "$out" || true)"
    # Just below the box, right of "Eigene Größe:", the window's own surface.
    before="$(colour_at 200 92)"
    x xdotool mousemove --window "$id" 256 66 click 1
    sleep 0.5
    (($(grep -c '^Check1.Value=0$' "$out" || true) == unlocks)) ||
        fail "the click on the arrow chose a line instead of opening the list"
    after="$(colour_at 200 92)"
    [[ "$after" != "$before" ]] || fail "the list is not open after one click on the arrow"
}

# choose LINE: opens the list and moves to the line from the top.
choose() {
    open_list
    x xdotool key --clearmodifiers Home
    local i
    for ((i = 0; i < $1; i++)); do x xdotool key --clearmodifiers Down; done
    x xdotool key --clearmodifiers Return
}

choose 3
expect_echo "$out" Combo1.Text "16:9 - 480 x 853"
expect_echo "$out" Text1.Text 480
expect_echo "$out" Text2.Text 853
expect_echo "$out" Check1.Value 1
expect_echo "$out" Picture1.Visible 1
expect_echo "$out" focus Text1

# Overtype the height: select it all, then 7, 2, 0.
x xdotool key --window "$id" --clearmodifiers ctrl+a
x xdotool type --window "$id" --clearmodifiers 720
expect_echo "$out" Text1.Text 720
expect_echo "$out" Text2.Text 1280

# The line shown now is chosen again: the sides are reset to the preset and
# the lock goes off and on again.
unlocks_before="$(grep -c '^Check1.Value=0$' "$out" || true)"
choose 3
expect_echo "$out" Text1.Text 480
expect_echo "$out" Text2.Text 853
expect_echo "$out" Check1.Value 1
expect_echo "$out" focus Text1
unlocks_after="$(grep -c '^Check1.Value=0$' "$out" || true)"
((unlocks_after == unlocks_before + 1)) ||
    fail "choosing the shown line again did not unlock and relock ($unlocks_before -> $unlocks_after)"

# "4:3 - 1050 x 1400" captures exactly 4 / 3: a height of 3 gives 4.
choose 6
expect_echo "$out" Text1.Text 1050
expect_echo "$out" Text2.Text 1400
expect_echo "$out" focus Text1
x xdotool key --window "$id" --clearmodifiers ctrl+a
x xdotool type --window "$id" --clearmodifiers 3
expect_echo "$out" Text2.Text 4

# A preset written over a half-typed height leaves the caret at the end of
# the new text: the next digit goes after "480", not after its first digit.
x xdotool key --window "$id" --clearmodifiers BackSpace
expect_echo "$out" Text1.Text ""
x xdotool type --window "$id" --clearmodifiers 3
choose 10
expect_echo "$out" Text1.Text 480
x xdotool type --window "$id" --clearmodifiers 0
expect_echo "$out" Text1.Text 4800
expect_echo "$out" Text2.Text 6400
# The keyboard alone: from the height field Tab reaches the list after the
# width and the lock. F4 opens it, an arrow and Enter choose a line; on the
# closed list an arrow chooses the next line at once. Each choice unlocks
# and relocks once, as a choice with the mouse does.
unlocks() { grep -c '^Check1.Value=0$' "$out" || true; }
before="$(unlocks)"
x xdotool key --window "$id" --clearmodifiers Tab Tab Tab F4 Down Return
expect_echo "$out" Combo1.Text "4:3 - 360 x 480"
expect_echo "$out" focus Text1
x xdotool key --window "$id" --clearmodifiers Tab Tab Tab Down
expect_echo "$out" Combo1.Text "4:3 - 240 x 320"
expect_echo "$out" Text2.Text 320
sleep 0.3
(($(unlocks) == before + 2)) || fail "two keyboard choices unlocked $(($(unlocks) - before)) times"

# The further formats, by keyboard alone from the height's context menu: the
# menu opened (Shift+F10) and closed changes nothing; opened by the Menu key,
# Up reaches "Weitere Formate" at its end, Right opens it, and the fourth line
# is the upright 1920 x 1080.
lines="$(wc -l <"$out")"
x xdotool key --window "$id" --clearmodifiers shift+F10
sleep 0.5
x xdotool key --window "$id" --clearmodifiers Escape
sleep 0.5
(($(wc -l <"$out") == lines)) || fail "opening and closing the menu changed the window"
x xdotool key --window "$id" --clearmodifiers Menu
sleep 0.5
x xdotool key --window "$id" --clearmodifiers Up Right Down Down Down Return
expect_echo "$out" Text1.Text 1920
expect_echo "$out" Text2.Text 1080
expect_echo "$out" Combo1.Text "9:16 - 1920 x 1080"
expect_echo "$out" Check1.Value 1
expect_echo "$out" focus Text1
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
note "PASS"
