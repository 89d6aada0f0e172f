#!/usr/bin/env bash
# The real program played from the keyboard alone, every step waiting for the
# program's own trace marks: a coin (C) reaches the credits, the lever (Space)
# plays a game that takes the credit and pays a prize; each menu opens from
# the keyboard (Alt+G, Alt+T, Alt+V, Alt+H) and closes with Escape, and then
# every key of the machine still reaches it; Ctrl++ doubles the window; after a
# flood of keys, Ctrl+Q quits at once, without playing the keys still waiting;
# the next start comes back at the zoom, and full screen (F11) comes back too.
#   keyboard.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
PICTURES=$2

start_xvfb
start_program "$PROGRAM"
find_machine started.png startup
# Presses a key and waits for its mark, which follows all it set off (a game: longer than any).
type_key() {
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  xdotool key --window "$WID" "$1"
}
press() { sent "$2" "$([ "$2" = key-go ] && echo 40 || echo 5)" type_key "$1" || fail "the key $1 did not reach the machine (no trace mark $2)"; }  # key mark

press c key-coin
read_until 'shows --19/1' "a coin"

press space key-go
wait_mark game-start
wait_mark game-end
# The payout is counted up after the game's end mark.
read_until '[ "$(value lamps)" = 0 ] && paid_from 19' "the game takes the credit and a prize pays the rest"

# Each menu opens from the keyboard (a popup window of the program appears)
# and closes with Escape.
shown=$(windows)
for menu in alt+g alt+t alt+v alt+h; do
  open_menu "$WID" "$menu" || fail "$menu opened no menu"
  xdotool key Escape
  within 50 '[ "$(windows)" -le "$shown" ]' || fail "Escape did not close the menu of $menu"
done

# Every key of the machine reaches it after the menus.
press c key-coin
press shift+c key-stack
for digit in 1 2 3 4 5 6 7 8 9 0; do
  press "$digit" key-number
  number=$(grep '^trace key-number ' "$LOG" | tail -1 | awk '{print $5}')
  [ "$number" = "$([ "$digit" = 0 ] && echo 10 || echo "$digit")" ] || fail "the key $digit stood for $number"
done
press h key-highscores
press 0 key-number
press BackSpace key-back
press s key-statistics
press Escape key-back
press q key-quit
games=$(marks game-end)
press Return key-go
wait_mark game-end $((games + 1))
press KP_Enter key-go
wait_mark game-end $((games + 2))

xdotool windowfocus --sync "$WID"
xdotool key ctrl+plus
within 50 '[ "$(xwininfo -id "$WID" | sed -n "s/ *Width: //p")" = 640 ]' || fail "Ctrl++ did not zoom in"
# A flood of keys while a game runs, then Ctrl+Q: the quit goes ahead of the
# keys still waiting and ends the program once the game in hand has ended.
press shift+c key-stack
started=$(marks game-start)
flood=$(for _ in $(seq 20); do printf 'space Return 1 2 3 c '; done)
xdotool windowfocus --sync "$WID"
xdotool key --window "$WID" --delay 5 $flood ctrl+q
sent=$(date +%s)
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after the flood"
[ $(($(date +%s) - sent)) -le 15 ] || fail "the quit waited $(($(date +%s) - sent)) s behind the flood"
[ $(($(marks game-start) - started)) = 1 ] || fail "the flood played $(($(marks game-start) - started)) games"
# After the game in hand (its own key's mark follows its end) no waiting key ran.
after=$(awk '/^trace game-end /{n = 0} /^trace key-/{n++} END{print n}' "$LOG")
[ "$after" = 1 ] || fail "$after keys ran after the game in hand: $(grep '^trace key-' "$LOG" | tail -5)"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file after the flood"

# The zoom outlived the quit's save of the records. Started as a player starts
# it (no --scale), the window comes back at that size; full screen chosen
# then comes back too.
width() { xwininfo -id "$WID" | sed -n 's/ *Width: //p'; }
grep -qx 'Scale=2' "$INI" || fail "the quit's save lost the zoom: $(grep -A2 Window "$INI")"
launch zoomed as-a-player
wait_mark ready
[ "$(width)" = 640 ] || fail "started at $(width) px wide after a zoom to 640"
for _ in 1 2 3; do
  xdotool windowfocus --sync "$WID" key F11 2>/dev/null || true
  within 50 '[ "$(width)" = 1280 ]' && break
done
[ "$(width)" = 1280 ] || fail "F11 did not fill the screen"
xdotool windowfocus --sync "$WID" key ctrl+q 2>/dev/null || true
wait_exit
launch full as-a-player
wait_mark ready
within 50 '[ "$(width)" = 1280 ]' || fail "full screen was not kept: $(width) px wide"
xdotool windowfocus --sync "$WID" key ctrl+q 2>/dev/null || true
wait_exit
echo "PASS"
