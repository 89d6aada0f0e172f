#!/usr/bin/env bash
# The real program played from the keyboard alone, every step waiting for the program's own trace marks: each menu
# opens from the keyboard and closes with Escape, and then every key of the machine still reaches it; Ctrl++
# doubles the window; after a flood of keys, Ctrl+Q quits at once, without playing the keys still waiting; the
# next start comes back at the zoom, and full screen (F11) comes back too.
#   keyboard.sh PROGRAM
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program "$1"
width() { xwininfo -id "$WID" | sed -n 's/ *Width: //p'; }
type_key() {
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  xdotool key --window "$WID" "$1"
}
focus_key() { xdotool windowfocus --sync "$WID" key "$1" 2>/dev/null || true; }
# Presses a key and waits for its mark, which follows all it set off (a game: longer than any).
press() {  # key mark
  sent "$2" "$([ "$2" = key-go ] && echo 40 || echo 5)" type_key "$1" || fail "the key $1 did not reach the machine"
}

shown=$(windows)
for menu in alt+g alt+t alt+v alt+h; do
  open_menu "$WID" "$menu" || fail "$menu opened no menu"
  xdotool key Escape
  within 50 '[ "$(windows)" -le "$shown" ]' || fail "Escape did not close the menu of $menu"
done

press c key-coin
press shift+c key-stack
games=$(marks game-end)
for key in space Return KP_Enter; do press "$key" key-go; done
games=$(($(marks game-end) - games))
[ "$games" = 3 ] || fail "Space, Return and keypad Enter played $games games"
press h key-highscores
press 0 key-number
[ "$(grep '^trace key-number ' "$LOG" | tail -1 | awk '{print $5}')" = 10 ] || fail "the key 0 did not stand for 10"
press BackSpace key-back
press s key-statistics
press Escape key-back
press q key-quit

focus_key ctrl+plus
within 50 '[ "$(width)" = 640 ]' || fail "Ctrl++ did not zoom in"
# A flood of keys while a game runs, then Ctrl+Q: the quit goes ahead of the keys still waiting and ends the
# program once the game in hand has ended; no waiting key ran after it (its own key's mark follows its end).
press shift+c key-stack
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

# The zoom outlived the quit's save. Started as a player starts it (no --scale), the window comes back at that
# size; full screen chosen then comes back too.
grep -qx 'Scale=2' "$INI" || fail "the quit's save lost the zoom: $(grep -A2 Window "$INI")"
launch zoomed as-a-player
wait_mark ready
[ "$(width)" = 640 ] || fail "started at $(width) px wide after a zoom to 640"
for _ in 1 2 3; do
  focus_key F11
  within 50 '[ "$(width)" = 1280 ]' && break
done
[ "$(width)" = 1280 ] || fail "F11 did not fill the screen"
focus_key ctrl+q
wait_exit
launch full as-a-player
wait_mark ready
within 50 '[ "$(width)" = 1280 ]' || fail "full screen was not kept: $(width) px wide"
focus_key ctrl+q
wait_exit
echo "PASS"
