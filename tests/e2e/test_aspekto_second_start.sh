#!/usr/bin/env bash
# A second start of Aspekto brings the running window forward over another
# window and hands it its file, over a private D-Bus session; the file's name
# need not be UTF-8. A file that cannot be used is handed over too: the
# running window shows why, and the second start says it and ends with 1.
if [[ -z "${E2E_PRIVATE_BUS:-}" ]]; then
    E2E_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[[ -x "${ASPEKTO:-}" ]] || fail "ASPEKTO does not name the built program"
require_commands convert xmessage
start_x 1280x1024x24
convert -size 1234x567 xc:white "$e2e_tmp/pic.png"
convert -size 321x123 xc:white "$e2e_tmp/"$'\xff\xfe'".png"
printf 'kein Bild' >"$e2e_tmp/kaputt.png"

start_program running env CALC_ECHO_MODEL=1 "$ASPEKTO"
running_out="$program_out"
aspekto_id="$(wait_window "Brixtel Aspekto" 20)"
expect_echo "$running_out" Text1.Text 720

# Another window on top of it, and active.
start_program cover xmessage -geometry 600x500+300+200 -title Deckel "Ein anderes Fenster"
cover_id="$(wait_window Deckel)"
x xdotool windowactivate --sync "$cover_id" || true
wait_for bash -c "[[ \$(xdotool getactivewindow) == $cover_id ]]" || fail "the cover did not become active"

# above FIRST SECOND: FIRST lies above SECOND in the window manager's stacking.
above() {
    local stacking
    stacking="$(x xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')"
    local order=() id
    for id in $stacking; do order+=($((id))); done
    local i first=-1 second=-1
    for i in "${!order[@]}"; do
        ((order[i] == $1)) && first=$i
        ((order[i] == $2)) && second=$i
    done
    ((first > second && second >= 0))
}

status=0
timeout 15 "$ASPEKTO" >"$e2e_tmp/second.out" 2>"$e2e_tmp/second.log" || status=$?
((status == 0)) || fail "the second start ended with status $status"
[[ ! -s "$e2e_tmp/second.out" && ! -s "$e2e_tmp/second.log" ]] ||
    fail "the second start printed: $(cat "$e2e_tmp/second.out" "$e2e_tmp/second.log")"
wait_for bash -c "[[ \$(xdotool getactivewindow) == $aspekto_id ]]" ||
    fail "the running window is not the active one ($(x xdotool getactivewindow))"
above "$aspekto_id" "$cover_id" || fail "the running window is not above the other one"
assert_echo "$running_out" Text1.Text 720
note "second start: silent, status 0, the running window active and in front"

timeout 15 "$ASPEKTO" "$e2e_tmp/pic.png" >/dev/null 2>"$e2e_tmp/third.log" ||
    fail "the start with a file failed: $(cat "$e2e_tmp/third.log")"
expect_echo "$running_out" Text1.Text 567
expect_echo "$running_out" Text2.Text 1234
note "second start with a file: the running window shows the picture's size"

timeout 15 "$ASPEKTO" "$e2e_tmp/"$'\xff\xfe'".png" >/dev/null 2>"$e2e_tmp/fourth.log" ||
    fail "the start with a name that is not UTF-8 failed: $(cat "$e2e_tmp/fourth.log")"
expect_echo "$running_out" Text1.Text 123
expect_echo "$running_out" Text2.Text 321
expect_echo "$running_out" Combo1.Text "��.png"
note "second start with a name that is not UTF-8: handed over and read"

status=0
timeout 15 "$ASPEKTO" "$e2e_tmp/kaputt.png" >/dev/null 2>"$e2e_tmp/fifth.log" || status=$?
((status == 1)) || fail "the start with a broken file ended with status $status"
reason="„kaputt.png“ wurde nicht übernommen: Die Datei ist kein lesbares Bild."
[[ "$(cat "$e2e_tmp/fifth.log")" == "aspekto: „$e2e_tmp/kaputt.png“ wurde nicht übernommen: Die Datei ist kein lesbares Bild." ]] ||
    fail "the start with a broken file said: $(cat "$e2e_tmp/fifth.log")"
expect_echo "$running_out" note "$reason"
assert_echo "$running_out" Text1.Text 123
note "second start with a broken file: status 1, one line, the note in the running window"
