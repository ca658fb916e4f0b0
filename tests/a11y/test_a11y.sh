#!/usr/bin/env bash
# A screen reader's view of both windows: under a private X server and a
# private D-Bus session with the accessibility bus, walks each window's
# accessibility tree (walk_tree.py) and types one key into the focused field.
# Run it through dbus-run-session (the ctest entry does). On Linux Qt names a
# combo box by its shown text; its edit part carries the name.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

program="${1:?rastomat or aspekto}"
here="$(dirname "${BASH_SOURCE[0]}")"
atspi_python=/usr/bin/python3 # pyatspi belongs to the system's Python
[[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || fail "no D-Bus session: run through dbus-run-session"
"$atspi_python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

case "$program" in
rastomat)
    binary="${RASTOMAT:-}"
    title="Brixtel Rastomat"
    typed=(Bildhöhe in Zentimetern 9,755)
    expected='{"controls": [
      {"role": "text", "name": "Bildhöhe in Zentimetern", "text": "9,75"},
      {"role": "text", "name": "Bildbreite in Zentimetern", "text": "13"},
      {"role": "text", "name": "Auflösung in dpi", "text": "200"},
      {"role": "text", "name": "Bildhöhe in Pixeln", "text": "768"},
      {"role": "text", "name": "Bildbreite in Pixeln", "text": "1024"},
      {"role": "check box", "name": "Proportionen erhalten", "checked": true},
      {"role": "radio button", "name": "Eingabe (Scan)", "checked": true},
      {"role": "radio button", "name": "Ausgabe (Print)", "checked": false},
      {"role": "label", "name": "2,36 Mb"},
      {"role": "label", "name": "Höhe:"}]}'
    ;;
aspekto)
    binary="${ASPEKTO:-}"
    title="Brixtel Aspekto"
    typed=(Bildhöhe in Pixeln 7201)
    expected='{"controls": [
      {"role": "text", "name": "Bildhöhe in Pixeln", "text": "720"},
      {"role": "text", "name": "Bildbreite in Pixeln", "text": "1280"},
      {"role": "combo box", "name": "16:9 - 720 x 1280"},
      {"role": "text", "name": "Vorlagen", "text": "16:9 - 720 x 1280"},
      {"role": "check box", "name": "Proportionen erhalten", "checked": true},
      {"role": "check box", "name": "immer im Vordergrund", "checked": false},
      {"role": "label", "name": "Vorlagen:"}]}'
    ;;
*) fail "unknown program '$program'" ;;
esac
[[ -x "$binary" ]] || fail "the $program binary is not given"

start_x 1280x1024x24
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_program "$program" "$binary"
id="$(wait_window "$title" 20)"

walker_out="$e2e_tmp/walker.out"
name="${typed[*]:0:${#typed[@]}-1}"
timeout 60 "$atspi_python" "$here/walk_tree.py" "$program" "$expected" \
    --typed "$name" "${typed[-1]}" >"$walker_out" 2>&1 &
walker=$!
remember_pid "$walker"
for ((i = 0; i < 300; i++)); do
    grep -q '^READY' "$walker_out" && break
    kill -0 "$walker" 2>/dev/null || break
    sleep 0.1
done
grep -q '^READY' "$walker_out" || { cat "$walker_out" >&2; fail "the tree walk did not succeed"; }
# The caret is at the end of the focused field after start.
x xdotool key --window "$id" --clearmodifiers End
x xdotool type --window "$id" --clearmodifiers "${typed[-1]: -1}"
status=0
wait "$walker" || status=$?
cat "$walker_out" >&2
((status == 0)) || fail "the typed key did not reach the accessibility tree"
note "PASS"
