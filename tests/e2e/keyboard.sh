#!/usr/bin/env bash
# The real program played from the keyboard alone: a coin (C), the lever (Space), the
# result read off the screen; then Ctrl++ doubles the window.
#   keyboard.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
PICTURES=$2

start_xvfb
start_program "$PROGRAM"
find_machine started.png startup
read_state() { python3 "$E2E_DIR/screen.py" read "$(shot "$1")" "$ORIGIN" "$PICTURES"; }
value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

# Without a window manager a key may go astray: focus and press again until the coin lands.
for _ in 1 2 3; do
  xdotool windowfocus --sync "$WID"
  xdotool key c
  sleep 1.5
  state=$(read_state coin.png)
  [ "$(value counter "$state")" = "--20" ] || break
done
[ "$(value counter "$state")" = "--19" ] && [ "$(value lamps "$state")" = 1 ] || fail "a coin: $state"

before=$(md5sum <"$(shot before.png)")
for _ in 1 2 3; do  # a busy X server may lose a key: press again until the lever moves
  xdotool windowfocus --sync "$WID"
  xdotool key space
  sleep 1
  [ "$(md5sum <"$(shot pulled.png)")" != "$before" ] && break
done
previous=
for _ in $(seq 40); do  # the game is over when the screen stops changing
  sleep 1
  current=$(md5sum <"$(shot now.png)")
  [ "$current" = "$previous" ] && break
  previous=$current
done
state=$(read_state game.png)
[ "$(value lamps "$state")" = 0 ] || fail "the game takes the credit: $state"
python3 "$E2E_DIR/screen.py" paid 19 "$(value counter "$state" | tr -d -)" || fail "no prize pays that: $state"

xdotool windowfocus --sync "$WID"
xdotool key ctrl+plus
sleep 0.5
[ "$(xwininfo -id "$WID" | sed -n 's/ *Width: //p')" = 640 ] || fail "Ctrl++ did not zoom in"
quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo "PASS"
