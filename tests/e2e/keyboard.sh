#!/usr/bin/env bash
# The real program played from the keyboard through the X server: Ctrl++ doubles the window; after a flood of keys,
# Ctrl+Q quits at once, without playing the keys still waiting, and its save keeps the zoom.
#   keyboard.sh PROGRAM
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program "$1"
width() { xwininfo -id "$WID" | sed -n 's/ *Width: //p'; }
focus_key() { xdotool windowfocus --sync "$WID" key "$1" 2>/dev/null || true; }

for _ in 1 2 3; do
  focus_key ctrl+plus
  within 50 '[ "$(width)" = 640 ]' && break
done
[ "$(width)" = 640 ] || fail "Ctrl++ did not zoom in"
# The quit ends the program once the game in hand has ended: its own key's is the one mark after that end.
sent key-stack 5 focus_key shift+c || fail "Shift+C did not reach the machine"
started=$(marks game-start)
xdotool windowfocus --sync "$WID"
xdotool key --window "$WID" --delay 5 $(for _ in $(seq 20); do printf 'space Return 1 2 3 c '; done) ctrl+q
sent=$(date +%s)
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after the flood"
[ $(($(date +%s) - sent)) -le 15 ] || fail "the quit waited $(($(date +%s) - sent)) s behind the flood"
[ $(($(marks game-start) - started)) = 1 ] || fail "the flood played $(($(marks game-start) - started)) games"
after=$(awk '/^trace game-end /{n = 0} /^trace key-/{n++} END{print n}' "$LOG")
[ "$after" = 1 ] || fail "$after keys ran after the game in hand: $(grep '^trace key-' "$LOG" | tail -5)"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file after the flood"
grep -qx 'Scale=2' "$INI" || fail "the quit's save lost the zoom: $(grep -A2 Window "$INI")"
echo "PASS"
