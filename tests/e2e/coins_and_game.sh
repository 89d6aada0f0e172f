#!/usr/bin/env bash
# The real program in an X server: one coin dragged with the left button and a
# stack with the right from the pile onto the slot; then the lever. The money
# counter and the credit lamps follow, and the pay line read off the screen
# pays what the pay table says.
#   coins_and_game.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
PICTURES=$2

start_xvfb
start_program "$PROGRAM"
read_state() { python3 "$E2E_DIR/screen.py" read "$(shot "$1")" "$PICTURES"; }
value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

state=$(read_state started.png) || fail "reading the machine: $state"
origin=$(value origin "$state")
OX=${origin%,*}
OY=${origin#*,}
# Where a machine pixel is on the X screen.
at() { echo "$((OX + $1)) $((OY + $2))"; }

drag() {  # button
  xdotool mousemove --sync $(at 305 183) mousedown "$1"
  sleep 0.2
  xdotool mousemove --sync $(at 290 120)
  sleep 0.1
  xdotool mousemove --sync $(at 236 84)
  sleep 0.2
  xdotool mouseup "$1"
}

drag 1
sleep 1.5
state=$(read_state one-coin.png)
echo "after one coin: $state"
[ "$(value counter "$state")" = "--19" ] || fail "one coin: $state"
[ "$(value lamps "$state")" = 1 ] || fail "one coin: $state"

drag 3
sleep 2
state=$(read_state stack.png)
echo "after a stack: $state"
[ "$(value counter "$state")" = "--14" ] || fail "a stack: $state"
[ "$(value lamps "$state")" = 6 ] || fail "a stack: $state"

xdotool mousemove --sync $(at 272 42) click 1
# Wait until the game is over: the screen stops changing.
previous=
for _ in $(seq 40); do
  sleep 1
  import -window root "$WORK/now.png"
  current=$(md5sum <"$WORK/now.png")
  [ "$current" = "$previous" ] && break
  previous=$current
done
state=$(read_state game.png)
echo "after the game: $state"
pays=$(value pays "$state")
want=$(printf "%4s" $((14 + pays)) | tr ' ' '-')  # blank cells show as "-"
[ "$(value counter "$state")" = "$want" ] || fail "the purse should be $want: $state"
[ "$(value lamps "$state")" = 5 ] || fail "the game takes one credit: $state"
echo "PASS"
