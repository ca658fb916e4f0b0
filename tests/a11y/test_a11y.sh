#!/usr/bin/env bash
# A screen reader's view of both windows: under a private X server and a
# private D-Bus session with the accessibility bus, walks each window's
# accessibility tree (walk_tree.py) and types one key into the focused field.
# Run it through dbus-run-session (the ctest entry does). Rastomat is walked
# again in print mode. Aspekto is handed a file it cannot use over D-Bus, and
# its passing note must be announced.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

program="${1:?rastomat or aspekto}"
here="$(dirname "${BASH_SOURCE[0]}")"
atspi_python=/usr/bin/python3 # pyatspi belongs to the system's Python
[[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || fail "no D-Bus session: run through dbus-run-session"
[[ -z "${XDG_RUNTIME_DIR:-}" ]] || mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$atspi_python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

# Expectation rows: role, name, and optionally text, checked, description and
# labelled_by; "complete" means every showing field, switch and label is listed.
label() { printf '{"role": "label", "name": "%s", "description": "%s"}' "$1" "$2"; }
# label_of NAME RELATION CONTROL: a caption, unit or heading of a control.
label_of() { label "$1" "$2 „$3“"; }

case "$program" in
rastomat)
    binary="${RASTOMAT:-}"
    title="Brixtel Rastomat"
    typed=(Bildhöhe in Zentimetern 9,755)
    # The labels shown in both modes.
    labels="$(label_of Höhe: "Beschriftung von" "Bildhöhe in Zentimetern"),
      $(label_of cm "Einheit von" "Bildhöhe in Zentimetern"),
      $(label_of Breite: "Beschriftung von" "Bildbreite in Zentimetern"),
      $(label_of cm "Einheit von" "Bildbreite in Zentimetern"),
      $(label_of dpi "Einheit von" "Auflösung in dpi"),
      $(label_of "( Pixel/Inch )" "Einheit von" "Auflösung in dpi"),
      $(label_of Höhe: "Beschriftung von" "Bildhöhe in Pixeln"),
      $(label_of Pixel "Einheit von" "Bildhöhe in Pixeln"),
      $(label_of Breite: "Beschriftung von" "Bildbreite in Pixeln"),
      $(label_of Pixel "Einheit von" "Bildbreite in Pixeln"),
      $(label_of "( Bitmap / TIFF RGB unkompr. )" "Beschriftung von" "Geschätzte Dateigröße"),"'
      {"role": "text", "name": "Auflösung in dpi", "labelled_by": ["Auflösung:"]},
      {"role": "check box", "name": "Proportionen erhalten", "labelled_by": []}'
    expected='{"complete": true, "controls": [
      {"role": "text", "name": "Bildhöhe in Zentimetern", "text": "9,75",
       "labelled_by": ["Höhe:", "Bildmaße:"]},
      {"role": "text", "name": "Bildbreite in Zentimetern", "text": "13",
       "labelled_by": ["Breite:", "Bildmaße:"]},
      {"role": "text", "name": "Auflösung in dpi", "text": "200"},
      {"role": "check box", "name": "Proportionen erhalten", "checked": true},
      {"role": "radio button", "name": "Eingabe (Scan)", "checked": true},
      {"role": "radio button", "name": "Ausgabe (Print)", "checked": false},
      {"role": "label", "name": "768", "description": "Bildhöhe in Pixeln"},
      {"role": "label", "name": "1024", "description": "Bildbreite in Pixeln"},
      {"role": "label", "name": "2,36 Mb", "description": "Geschätzte Dateigröße"},
      '"$labels"']}'
    # Print mode with the width in pixels cleared: the width in centimetres
    # is an empty label, read as empty, not as its frame's caption.
    print_mode='{"complete": true, "controls": [
      {"role": "text", "name": "Bildhöhe in Pixeln", "labelled_by": ["Höhe:", "Bildgröße:"]},
      {"role": "text", "name": "Bildbreite in Pixeln", "text": "",
       "labelled_by": ["Breite:", "Bildgröße:"]},
      {"role": "radio button", "name": "Eingabe (Scan)", "checked": false},
      {"role": "radio button", "name": "Ausgabe (Print)", "checked": true},
      {"role": "label", "description": "Bildhöhe in Zentimetern",
       "labelled_by": ["Höhe:", "Bildmaße:"]},
      {"role": "label", "name": "", "description": "Bildbreite in Zentimetern",
       "labelled_by": ["Breite:", "Bildmaße:"]},
      {"role": "label", "description": "Geschätzte Dateigröße"},
      '"$labels"']}'
    # A 6000 x 4000 photo filling Foto 13 x 18 at 781 dpi: the foot line is
    # read as a status line, by its whole text.
    filled='{"controls": [
      {"role": "text", "name": "Auflösung in dpi", "text": "781"},
      {"role": "label", "name": "19,51", "description": "Bildhöhe in Zentimetern"},
      {"role": "label", "name": "13,01", "description": "Bildbreite in Zentimetern"},
      {"role": "status bar",
       "name": "24,0 Megapixel · Druckqualität: optimal · scharf ab 12 cm"}]}'
    ;;
aspekto)
    binary="${ASPEKTO:-}"
    title="Brixtel Aspekto"
    typed=(Bildhöhe in Pixeln 7201)
    expected='{"complete": true, "controls": [
      {"role": "text", "name": "Bildhöhe in Pixeln", "text": "720",
       "labelled_by": ["Höhe:", "Eigene Größe:", "Video / Bildgröße:"]},
      {"role": "text", "name": "Bildbreite in Pixeln", "text": "1280",
       "labelled_by": ["Breite:", "Video / Bildgröße:"]},
      {"role": "combo box", "name": "Vorlagen",
       "labelled_by": ["Vorlagen:", "Video / Bildgröße:"]},
      {"role": "text", "name": "Vorlagen", "text": "16:9 - 720 x 1280"},
      {"role": "check box", "name": "Proportionen erhalten", "checked": true,
       "labelled_by": ["Video / Bildgröße:"]},
      {"role": "check box", "name": "immer im Vordergrund", "checked": false},
      '"$(label_of Vorlagen: "Überschrift von" Vorlagen),
      $(label_of "Eigene Größe:" "Überschrift von" "Bildhöhe in Pixeln"),
      $(label_of Höhe: "Beschriftung von" "Bildhöhe in Pixeln"),
      $(label_of Pixel "Einheit von" "Bildhöhe in Pixeln"),
      $(label_of Breite: "Beschriftung von" "Bildbreite in Pixeln"),
      $(label_of Pixel "Einheit von" "Bildbreite in Pixeln")"']}'
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

if [[ -n "${print_mode:-}" ]]; then
    # Text4, Check1, the mode button; Down switches to print mode and puts
    # the caret in the height in pixels; Tab goes on to the width.
    x xdotool key --window "$id" --clearmodifiers Tab Tab Tab Down Tab ctrl+a BackSpace
    timeout 60 "$atspi_python" "$here/walk_tree.py" "$program" "$print_mode" >"$walker_out" 2>&1 ||
        { cat "$walker_out" >&2; fail "print mode: the tree walk did not succeed"; }
    cat "$walker_out" >&2
fi
if [[ -n "${filled:-}" ]]; then
    # From the width: Tab and Space untick the lock, which sends the caret
    # to the height; both sides typed; three Tabs reach the resolution; its
    # menu's last submenu is "Füllend für", whose third paper is 13 x 18.
    x xdotool key --window "$id" --clearmodifiers Tab space ctrl+a
    x xdotool type --window "$id" --clearmodifiers 6000
    x xdotool key --window "$id" --clearmodifiers Tab ctrl+a
    x xdotool type --window "$id" --clearmodifiers 4000
    x xdotool key --window "$id" --clearmodifiers Tab Tab Tab shift+F10
    sleep 0.5
    x xdotool key --clearmodifiers Up Right Down Down Return
    timeout 60 "$atspi_python" "$here/walk_tree.py" "$program" "$filled" >"$walker_out" 2>&1 ||
        { cat "$walker_out" >&2; fail "filled paper: the tree walk did not succeed"; }
    cat "$walker_out" >&2
fi
if [[ "$program" == aspekto ]]; then
    printf 'kein Bild' >"$e2e_tmp/urlaub.png"
    said="„urlaub.png“ wurde nicht übernommen: Die Datei ist kein lesbares Bild."
    timeout 30 "$atspi_python" "$here/walk_tree.py" "$program" '{"controls": []}' \
        --note "$said" >"$walker_out" 2>&1 &
    walker=$!
    remember_pid "$walker"
    for ((i = 0; i < 300; i++)); do
        grep -q '^READY' "$walker_out" && break
        kill -0 "$walker" 2>/dev/null || break
        sleep 0.1
    done
    # As a file manager's "Öffnen mit" would hand it over; again while the
    # listener may not have reached the program yet (each note is announced).
    for ((i = 0; i < 5; i++)); do
        x gdbus call --session --dest org.brixtel.Aspekto --object-path /org/brixtel/Aspekto \
            --method org.freedesktop.Application.Open "['file://$e2e_tmp/urlaub.png']" '{}' \
            >/dev/null || fail "the hand-over over D-Bus failed"
        for ((j = 0; j < 20; j++)); do
            kill -0 "$walker" 2>/dev/null || break 2
            sleep 0.1
        done
    done
    status=0
    wait "$walker" || status=$?
    cat "$walker_out" >&2
    ((status == 0)) || fail "the note was not announced"
fi
note "PASS"
