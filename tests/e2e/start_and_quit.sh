#!/usr/bin/env bash
# The real program in an X server: it starts, shows the reels at their first
# positions and a purse of 20, quits through the Game menu with status 0 and
# leaves a complete settings file (the closing wipe itself is checked frame by
# frame on the virtual clock).
#   start_and_quit.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
PICTURES=$2

start_xvfb
"$PROGRAM" --scale 1 &
PROGRAM_PID=$!
WID=$(wait_window Fruitwhirl)
# Start-up: 300 ms, the 400 ms wipe and the 830 ms count, with room to spare.
sleep 3
python3 "$E2E_DIR/screen.py" startup "$(shot started.png)" "$PICTURES" || fail "the machine after start-up"

INI="$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini"
[ -e "$INI" ] && fail "settings written before the quit"

# Game menu, then its Quit item; again if the keys went astray.
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  xdotool key --window "$WID" alt+g 2>/dev/null || true
  sleep 0.5
  xdotool key q 2>/dev/null || true
  for _ in $(seq 30); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break 2
    sleep 0.1
  done
done
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -f "$INI" ] || fail "no settings file at $INI"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file"
echo "PASS"
