#!/usr/bin/env bash
# Files named on the command line, on the real programs: Rastomat takes a
# picture's size and resolution into print mode, Aspekto a picture's and a
# rotated video's frame size; a file that cannot be used changes nothing and
# one line on standard error says why. Names need not be UTF-8, and a file:
# URL names its local file, another address is refused. A file that is not
# used gets a note in the window too. Quitting never waits for a hung reader,
# and a file whose opening hangs holds neither typing nor quitting.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${RASTOMAT:-}" && -x "${ASPEKTO:-}" ]] || fail "RASTOMAT and ASPEKTO must name the programs"
require_commands convert ffmpeg
start_x 1280x1024x24

picture="$e2e_tmp/Bild mit Ümlaut.jpg"
convert -size 1234x567 xc:white -density 300 -units PixelsPerInch "$picture"
convert -size 800x600 xc:white "$e2e_tmp/-ohne.png"
printf 'kein Bild' >"$e2e_tmp/kaputt"$'\xff'".jpg"
: >"$e2e_tmp/leer.mp4"
convert -size 40x30 xc:white "$e2e_tmp/B"$'\xff'" ild.png"
ffmpeg -v error -f lavfi -i testsrc=size=640x360:rate=5 -t 1 "$e2e_tmp/quer.mp4"
ffmpeg -v error -i "$e2e_tmp/quer.mp4" -c copy -metadata:s:v:0 rotate=90 "$e2e_tmp/hoch.mp4"

# stop PID: ends a program and waits for it.
stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# --- Rastomat: print mode, the picture's pixels and resolution, and what the
# handlers compute from them (567 / 300 dpi = 4,80 cm, 1234 / 300 = 10,45 cm).
start_program rastomat env CALC_ECHO_MODEL=1 "$RASTOMAT" "$picture"
wait_window "Brixtel Rastomat" >/dev/null
for pair in Option2.Value=1 Text1.Text=567 Text2.Text=1234 Text5.Text=300 \
    Label10.Caption=4,80 Label14.Caption=10,45 "Label12.Caption=2,1 Mb" Check1.Value=1 focus=Text1; do
    expect_echo "$program_out" "${pair%%=*}" "${pair#*=}"
done
stop "$program_pid"
note "rastomat: the picture in print mode"

# --- a name that starts with a dash, after "--"; no resolution recorded keeps 200 dpi
start_program dash env CALC_ECHO_MODEL=1 "$RASTOMAT" -- "$e2e_tmp/-ohne.png"
wait_window "Brixtel Rastomat" >/dev/null
expect_echo "$program_out" Text1.Text 600
expect_echo "$program_out" Text2.Text 800
assert_echo "$program_out" Text5.Text 200
stop "$program_pid"

# --- a file that is no picture: the window as always, the reason on stderr
start_program broken env CALC_ECHO_MODEL=1 "$RASTOMAT" "$e2e_tmp/kaputt"$'\xff'".jpg"
wait_window "Brixtel Rastomat" >/dev/null
wait_for grep -q 'wurde nicht übernommen' "$e2e_tmp/broken.log" ||
    fail "no reason on standard error: $(cat "$e2e_tmp/broken.log")"
grep -qaF "„$e2e_tmp/kaputt"$'\xff'".jpg“" "$e2e_tmp/broken.log" ||
    fail "the name's bytes changed: $(cat "$e2e_tmp/broken.log")"
[[ "$(wc -l <"$e2e_tmp/broken.log")" == 1 ]] || fail "more than one line: $(cat "$e2e_tmp/broken.log")"
assert_echo "$program_out" Option1.Value 1
assert_echo "$program_out" Label15.Caption 768
# The window says it as well; the byte that is not UTF-8 shows as U+FFFD.
expect_echo "$program_out" note "„kaputt"$'\xef\xbf\xbd'".jpg“ wurde nicht übernommen: Die Datei ist kein lesbares Bild."
stop "$program_pid"
note "rastomat: a broken file changes nothing and says why"

# --- an address of another machine: refused by name, on stderr and in the window
start_program remote env CALC_ECHO_MODEL=1 "$RASTOMAT" http://example.com/a.png
wait_window "Brixtel Rastomat" >/dev/null
remote_note="„http://example.com/a.png“ wurde nicht übernommen: Die Datei liegt nicht auf diesem Rechner."
expect_echo "$program_out" note "$remote_note"
[[ "$(cat "$e2e_tmp/remote.log")" == "rastomat: $remote_note" ]] || fail "remote: $(cat "$e2e_tmp/remote.log")"
stop "$program_pid"

# --- a file: URL, percent-encoded, of a name that is not UTF-8
url="file://localhost$(python3 -c 'import sys, urllib.parse
print(urllib.parse.quote(sys.argv[1].encode("utf-8", "surrogateescape")))' "$e2e_tmp")/B%FF%20ild.png"
start_program url env CALC_ECHO_MODEL=1 "$RASTOMAT" "$url"
wait_window "Brixtel Rastomat" >/dev/null
expect_echo "$program_out" Text1.Text 30
expect_echo "$program_out" Text2.Text 40
[[ ! -s "$e2e_tmp/url.log" ]] || fail "the URL was refused: $(cat "$e2e_tmp/url.log")"
stop "$program_pid"
note "rastomat: a file: URL of a name that is not UTF-8"

# --- Aspekto: a picture, then (a new copy) a video turned by a quarter
start_program aspekto env CALC_ECHO_MODEL=1 "$ASPEKTO" "$picture"
wait_window "Brixtel Aspekto" >/dev/null
expect_echo "$program_out" Text1.Text 567
expect_echo "$program_out" Text2.Text 1234
expect_echo "$program_out" Combo1.Text "Bild mit Ümlaut.jpg"
stop "$program_pid"

start_program video env CALC_ECHO_MODEL=1 "$ASPEKTO" "$e2e_tmp/hoch.mp4"
wait_window "Brixtel Aspekto" >/dev/null
expect_echo "$program_out" Text1.Text 640
expect_echo "$program_out" Text2.Text 360
stop "$program_pid"
note "aspekto: a picture's and a rotated video's frame size"

start_program empty env CALC_ECHO_MODEL=1 "$ASPEKTO" "$e2e_tmp/leer.mp4"
wait_window "Brixtel Aspekto" >/dev/null
expect_echo "$program_out" note "„leer.mp4“ wurde nicht übernommen: Die Datei ist leer."
assert_echo "$program_out" Text1.Text 720
stop "$program_pid"
note "aspekto: an empty file gets a note"

# --- a file whose opening never returns (as on a mount that stopped
# answering): the window takes keys at once, refuses the file after about
# two seconds, and closes at once.
[[ -f "${HANG_OPEN:-}" ]] || fail "HANG_OPEN must name the preloaded library"
cp "$picture" "$e2e_tmp/haengt.png"
start_program hang env CALC_ECHO_MODEL=1 LD_PRELOAD="$HANG_OPEN" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    "$RASTOMAT" "$e2e_tmp/haengt.png"
id="$(wait_window "Brixtel Rastomat")"
expect_echo "$program_out" focus Text3
x xdotool windowactivate --sync "$id" >/dev/null 2>&1 || x xdotool windowfocus --sync "$id"
x xdotool key --clearmodifiers ctrl+a
x xdotool type --delay 60 "5"
expect_echo "$program_out" Text3.Text 5
expect_echo "$program_out" note "„haengt.png“ wurde nicht übernommen: Die Datei ließ sich nicht rechtzeitig öffnen."
x xdotool key --clearmodifiers alt+F4 || true
closed=$(date +%s%N)
while kill -0 "$program_pid" 2>/dev/null && (($(date +%s%N) - closed < 3000000000)); do sleep 0.02; done
kill -0 "$program_pid" 2>/dev/null && fail "Rastomat still runs 3 s after alt+F4 with a hung open"
(($(date +%s%N) - closed < 1000000000)) || fail "Rastomat took over a second to end"
note "rastomat: a hung open holds neither the keys nor the end"

# --- quitting while the picture reader hangs: a copy of Aspekto beside a
# reader that never answers, at the place the program looks for it. The
# window closes, the program ends within a second, the reader is killed,
# and Aspekto starts again at once.
[[ -x "${READER:-}" ]] || fail "READER must name the picture reader"
copy="$e2e_tmp/copy/bin"
fake="$copy/$(realpath --relative-to="$(dirname "$ASPEKTO")" "$READER")"
mkdir -p "$copy" "$(dirname "$fake")"
cp "$ASPEKTO" "$copy/aspekto"
printf '#!/bin/sh\nexec sleep 60\n' >"$fake"
chmod +x "$fake"
start_program hung "$copy/aspekto" "$picture"
id="$(wait_window "Brixtel Aspekto")"
# The reader may write no file: it is found as the program's child.
wait_for pgrep -P "$program_pid" -x sleep >/dev/null || fail "the fake reader never started"
reader_pid="$(pgrep -P "$program_pid" -x sleep)"
x xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
x xdotool key --clearmodifiers alt+F4 || true
wait_for bash -c "! xwininfo -id $id 2>/dev/null | grep -q IsViewable" || fail "the window did not close"
closed=$(date +%s%N)
while kill -0 "$program_pid" 2>/dev/null && (($(date +%s%N) - closed < 3000000000)); do sleep 0.02; done
ended=$(date +%s%N)
kill -0 "$program_pid" 2>/dev/null && fail "Aspekto still runs 3 s after its window closed"
(((ended - closed) < 1000000000)) || fail "Aspekto took $(((ended - closed) / 1000000)) ms to end"
kill -0 "$reader_pid" 2>/dev/null && fail "the hung reader outlived the program"
start_program again "$ASPEKTO"
wait_window "Brixtel Aspekto" 5 >/dev/null
stop "$program_pid"
note "aspekto: quitting during a hung read ends it at once; it starts again"
