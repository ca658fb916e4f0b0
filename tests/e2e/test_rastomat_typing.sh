#!/usr/bin/env bash
# Real key events into the running Rastomat window, results read back from
# the model echo (CALC_ECHO_MODEL=1): a new height in scan mode with the
# proportions locked, then a new width in print mode, including keys that the
# field refuses, then the modes switched with arrow keys.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${RASTOMAT:-}" ]] || fail "RASTOMAT does not name the built program"
require_commands python3

# The expected texts, worked out here from the calculator's rules: pixels are
# floored, centimetres and megabytes cut to two decimals (raised by 0,01 only
# when the third decimal is above 5), 2.540066525552 cm per inch, and the
# ratios stored at start from 768 x 1024 pixels and 9,75 x 13 cm.
expectations() {
    python3 - "$@" <<'EOF'
import math, sys

CM_PER_INCH = 2.540066525552
BYTES_PER_PIXEL = 3.001165501166

def text(x):
    s = "%.15g" % x
    if "e" in s or "E" in s:
        raise SystemExit("unexpected exponent in " + s)
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return s.replace(".", ",")

def number(t):
    return float(t.replace(",", "."))

def round_two(x):
    t = text(x)
    if "," not in t:
        return t
    whole, decimals = t.split(",")
    if len(decimals) < 3:
        return t
    cut = whole + "," + decimals[:2]
    return text(number(cut) + 0.01) if int(decimals[2]) > 5 else cut

def file_size(width, height):
    b = width * height * BYTES_PER_PIXEL
    if b >= 1e6:
        return round_two(b / 1e6) + " Mb"
    if b >= 1000:
        return "%d kB" % math.floor(b / 1000)
    raise SystemExit("small pictures are not used here")

case = sys.argv[1]
if case == "scan-height":
    # Text3 <- typed height; Text4 from the cm ratio, then both pixel sizes.
    height = number(sys.argv[2])
    text4 = round_two(height * (13 / 9.75))
    text2 = math.floor(200 / CM_PER_INCH * number(text4))
    text1 = math.floor(200 / CM_PER_INCH * height)
    values = {"Text3.Text": sys.argv[2], "Text4.Text": text4,
              "Text2.Text": text2, "Text1.Text": text1,
              "Label14.Caption": text4, "Label16.Caption": text2,
              "Label15.Caption": text1, "Label10.Caption": sys.argv[2],
              "Label12.Caption": file_size(text2, text1)}
elif case == "print-width":
    # Text2 <- typed width; Text1 from the pixel ratio, then both cm sizes.
    width = int(sys.argv[2])
    text1 = math.floor(width * (768 / 1024))
    text3 = round_two(text1 / 200 * CM_PER_INCH)
    text4 = round_two(width / 200 * CM_PER_INCH)
    values = {"Text2.Text": width, "Text1.Text": text1,
              "Text3.Text": text3, "Text4.Text": text4,
              "Label16.Caption": width, "Label15.Caption": text1,
              "Label10.Caption": text3, "Label14.Caption": text4,
              "Label12.Caption": file_size(width, text1)}
else:
    raise SystemExit("unknown case " + case)
for key, value in values.items():
    print("%s=%s" % (key, value))
EOF
}

# check_all EXPECTATIONS WAIT: every KEY=VALUE line must be the last echo of
# KEY; with WAIT, waits for it first.
check_all() {
    local key value
    while IFS= read -r line; do
        key="${line%%=*}"
        value="${line#*=}"
        if [[ "$2" == wait ]]; then
            expect_echo "$program_out" "$key" "$value"
        else
            assert_echo "$program_out" "$key" "$value"
        fi
    done <<<"$1"
}

# settle_and_check EXPECTATIONS: waits for all, lets the cascade finish and
# checks that nothing moved afterwards.
settle_and_check() {
    check_all "$1" wait
    sleep 0.5
    check_all "$1" now
}

start_x 1280x1024x24
CALC_ECHO_MODEL=1 start_program rastomat "$RASTOMAT"
id="$(wait_window "Brixtel Rastomat" 20)"
expect_echo "$program_out" window shown
expect_echo "$program_out" focus Text3
x xdotool windowactivate --sync "$id" >/dev/null 2>&1 || x xdotool windowfocus --sync "$id"

# (a) Scan mode, proportions locked, focus in the height in cm: replace the
# whole text with a new height.
scan="$(expectations scan-height 5)"
x xdotool key --clearmodifiers ctrl+a
x xdotool type --delay 60 "5"
settle_and_check "$scan"
note "scan mode, new height 5 cm: $(tr '\n' ' ' <<<"$scan")"

# (b) Print mode: a click on "Ausgabe (Print)" moves the focus to Text1; Tab
# goes on to the width, which is then typed anew.
# Option2 lies at (3030, 705) inside Frame3 at (120, 1920), in twips.
x xdotool mousemove --window "$id" $(((120 + 3030) / 15 + 30)) $(((1920 + 705) / 15 + 12)) click 1
expect_echo "$program_out" Option2.Value 1
expect_echo "$program_out" focus Text1
x xdotool key --clearmodifiers Tab
expect_echo "$program_out" focus Text2
x xdotool key --clearmodifiers ctrl+a
x xdotool type --delay 60 "1234"
print="$(expectations print-width 1234)"
settle_and_check "$print"
note "print mode, new width 1234 px: $(tr '\n' ' ' <<<"$print")"

# A fifth digit, a full stop and a letter are refused; the Backspace after
# them shows that they were processed and took nothing away.
x xdotool type --delay 60 "5.x"
x xdotool key --clearmodifiers BackSpace
refused="$(expectations print-width 123)"
settle_and_check "$refused"
note "refused keys, then Backspace: $(tr '\n' ' ' <<<"$refused")"

# (c) The mode switched with arrow keys acts as the click: the caret lands in
# the mode's first field and the next keys are typed there. Check1, then the
# selected mode button; Up switches back to scan mode.
x xdotool key --clearmodifiers Tab Tab
expect_echo "$program_out" focus Option2
x xdotool key --clearmodifiers Up
expect_echo "$program_out" focus Text3
x xdotool key --clearmodifiers ctrl+a
x xdotool type --delay 60 "7"
settle_and_check "$(expectations scan-height 7)"
# Text4, Check1, the mode button; Down goes to print mode.
x xdotool key --clearmodifiers Tab Tab Tab Down
expect_echo "$program_out" focus Text1
height="$(echo_value "$program_out" Text1.Text)"
x xdotool key --clearmodifiers End
x xdotool type --delay 60 "2"
expect_echo "$program_out" Text1.Text "${height}2"
assert_echo "$program_out" focus Text1

# (d) The picks, by keyboard alone. A 6000 x 4000 photo, typed with the lock
# off (Tab from the width reaches the lock; ticking it off sends the caret
# back to the height), fitted to DIN A4, the tenth paper of "Passend für",
# the last entry but one of the resolution field's menu.
x xdotool key --clearmodifiers Tab Tab space
expect_echo "$program_out" Check1.Value 0
expect_echo "$program_out" focus Text1
x xdotool key --clearmodifiers ctrl+a
x xdotool type --delay 60 "4000"
x xdotool key --clearmodifiers Tab ctrl+a
x xdotool type --delay 60 "6000"
x xdotool key --clearmodifiers Tab Tab Tab
expect_echo "$program_out" focus Text5
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Up Right Down Down Down Down Down Down Down Down Down Return
settle_and_check "Text5.Text=514
Label10.Caption=19,77
Label14.Caption=29,65"
# Then filling Foto 13 x 18, the third paper of "Füllend für", the last
# entry: the largest dpi at which both sides cover 13 x 18 cm (4000 / 781 *
# 2.540066525552 = 13,009, 6000 / 781 * ... = 19,514), and the foot line
# for 24 megapixels at 781 dpi (8731,9 / 781 = 11,2 cm, rounded up).
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Right Down Down Return
settle_and_check "Text5.Text=781
Label10.Caption=13,01
Label14.Caption=19,51
FootLine.Caption=24,0 Megapixel · Druckqualität: optimal · scharf ab 12 cm"
# Scan mode (Shift+Tab reaches the mode button, Up chooses scan): 300 dpi,
# the sixth entry of "Auflösung" (the last but one submenu), then DIN A4
# from the height's "Papierformat", across like the fields.
x xdotool key --clearmodifiers shift+Tab Up
expect_echo "$program_out" focus Text3
x xdotool key --clearmodifiers shift+Tab
expect_echo "$program_out" focus Text5
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Up Right Down Down Down Down Down Return
expect_echo "$program_out" Text5.Text 300
x xdotool key --clearmodifiers Tab
expect_echo "$program_out" focus Text3
before="$(for key in Text3.Text Text4.Text Label15.Caption Label16.Caption Label12.Caption; do
    printf '%s=%s\n' "$key" "$(echo_value "$program_out" "$key")"
done)"
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Right Down Down Down Down Down Down Down Down Down Return
settle_and_check "Text3.Text=21
Text4.Text=29,7
Label15.Caption=2480
Label16.Caption=3507
Label12.Caption=26,10 Mb
FootLine.Caption=8,7 Megapixel · bei 300 dpi gedruckt: 21 x 29,69 cm"
assert_echo "$program_out" focus Text3

# (e) The pick wrote both sides and the lock: Ctrl+Z right after it puts the
# whole window back, Ctrl+Shift+Z does the pick again.
x xdotool key --clearmodifiers ctrl+z
settle_and_check "$before"
x xdotool key --clearmodifiers ctrl+shift+z
settle_and_check "Text3.Text=21
Text4.Text=29,7
Label12.Caption=26,10 Mb"
note "a pick undone and redone: $(tr '\n' ' ' <<<"$before")"

# (f) A double-click on a number selects all of it, and the middle click's
# primary selection holds the same: on the comma of the width (29,7) and on
# the decimals of the file size (26,10 Mb), whose text is centred in its
# label (Frame4 at 120, 4980; Label12 at 1455, 345, 1545 wide, in twips).
primary() { x xclip -o -selection primary 2>/dev/null; }
primary_is() { [[ "$(primary)" == "$1" ]]; }
x xdotool key --clearmodifiers Tab
expect_echo "$program_out" focus Text4
# Text4 at (2025, 1065) in Frame2 at (120, 120); "29," is about 26 pixels.
x xdotool mousemove --window "$id" $(((120 + 2025) / 15 + 4 + 24)) $(((120 + 1065) / 15 + 15)) click --repeat 2 1
wait_for primary_is "29,7" || fail "primary selection after a double-click on the comma of 29,7: '$(primary)'"
x xdotool mousemove --window "$id" $(((120 + 1455 + 1545 / 2) / 15)) $(((4980 + 345) / 15 + 13)) click --repeat 2 1
wait_for primary_is "26,10" || fail "primary selection after a double-click on 26,10 Mb: '$(primary)'"
note "primary selection after double-clicks: 29,7 and 26,10"

# (g) A slide planned for A4: a click in the height (Text3 at 2025, 465 in
# Frame2), "Kleinbild 24 x 36 mm" from its "Papierformat" (the first
# original, after the 13 papers), across like the fields, then DIN A4 from
# the resolution's "Vergrößern auf": 2476 dpi gives 2339 x 3509 pixels,
# which print at 300 dpi as 19,80 x 29,71 cm.
x xdotool mousemove --window "$id" $(((120 + 2025) / 15 + 20)) $(((120 + 465) / 15 + 10)) click 1
expect_echo "$program_out" focus Text3
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Right
x xdotool key --clearmodifiers Down Down Down Down Down Down Down Down Down Down Down Down Down Return
settle_and_check "Text3.Text=2,4
Text4.Text=3,6"
x xdotool key --clearmodifiers shift+Tab
expect_echo "$program_out" focus Text5
x xdotool key --clearmodifiers shift+F10
sleep 0.5
x xdotool key --clearmodifiers Up Right Down Down Down Down Down Down Down Down Down Return
settle_and_check "Text5.Text=2476
Label15.Caption=2339
Label16.Caption=3509
FootLine.Caption=8,2 Megapixel · bei 300 dpi gedruckt: 19,80 x 29,71 cm"
note "a slide planned for A4: 2476 dpi, 2339 x 3509 px, 19,80 x 29,71 cm at 300 dpi"
note "PASS"
