#!/usr/bin/env bash
# Sizes for encoders by keyboard alone: "Runden auf" "Vielfache von 16" from
# the width's context menu, a width typed, then "Einpassen in" an upright
# 9:16 frame. The fields and the foot line must say what the rules give.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${ASPEKTO:-}" ]] || fail "ASPEKTO does not name the built program"

start_x 1280x1024x24
export CALC_ECHO_MODEL=1
start_program aspekto "$ASPEKTO"
id="$(wait_window "Brixtel Aspekto" 20)"
out="$program_out"
expect_echo "$out" focus Text1
expect_echo "$out" FootLine.Caption "16:9 · 1,78:1 · 0,9 MP · durch 16 teilbar"

key() { x xdotool key --window "$id" --clearmodifiers "$@"; }
# menu KEYS...: the width's context menu opened by the Menu key, then KEYS.
# From the top, Up reaches its last entries: "Weitere Formate", "Runden auf",
# "Füllend in", "Einpassen in".
menu() {
    key Menu
    sleep 0.5
    key "$@"
}

key Tab
expect_echo "$out" focus Text2
menu Up Up Right Down Down Down Return # "Vielfache von 16"
# 1000 x 720 / 1280 = 562,5 lies nearer 560 than 576.
key ctrl+a
x xdotool type --window "$id" --clearmodifiers 1000
expect_echo "$out" Text2.Text 1000
expect_echo "$out" Text1.Text 560
expect_echo "$out" FootLine.Caption "25:14 · 1,79:1 · 0,6 MP · durch 8 teilbar · weicht 0,45 % ab"

# The 17th frame: "9:16 - hochkant, 1920 x 1080". The width limits: 1080 down
# to 1072, then 1072 x 9 / 16 = 603 to the nearest 608.
downs=()
for ((i = 0; i < 16; i++)); do downs+=(Down); done
menu Up Up Up Up Right "${downs[@]}" Return
expect_echo "$out" Text1.Text 608
expect_echo "$out" Text2.Text 1072
expect_echo "$out" Check1.Value 1
expect_echo "$out" FootLine.Caption \
    "≈ 16:9 · 1,76:1 · 0,7 MP · durch 16 teilbar · weicht 0,82 % ab · Balken oben und unten je 656, links und rechts je 4 Pixel"

# The next edit ends the bars' note; the stored 16:9 still couples.
expect_echo "$out" focus Text1
key BackSpace
expect_echo "$out" Text1.Text 60
expect_echo "$out" Text2.Text 112
expect_echo "$out" FootLine.Caption "28:15 · 1,87:1 · < 0,1 MP · durch 4 teilbar · weicht 5,00 % ab"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
note "PASS"
