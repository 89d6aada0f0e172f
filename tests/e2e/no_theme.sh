#!/usr/bin/env bash
# A program whose Gfx folder holds no theme says so in a message box and ends
# with a non-zero status, writing no settings.
#   no_theme.sh PROGRAM
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_xvfb
mkdir -p "$WORK/app/Gfx" "$WORK/app/Sfx"
cp "$PROGRAM" "$WORK/app/fruitwhirl"
"$WORK/app/fruitwhirl" --scale 1 &
PROGRAM_PID=$!
BOX=$(wait_window Fruitwhirl)
sleep 0.5
# The only window is the message box: the machine never appears.
[ "$(xdotool search --onlyvisible --name '^Fruitwhirl$' | wc -l)" = 1 ] || fail "more than the message box"
# Press OK (Return) until the box has gone: without a window manager the box
# may take a moment to accept the focus.
for _ in 1 2 3 4 5 6 7 8 9 10; do
  xdotool windowfocus --sync "$BOX" 2>/dev/null || true
  xdotool key Return 2>/dev/null || true
  for _ in $(seq 10); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break 2
    sleep 0.1
  done
done
wait_exit
[ "$EXIT_STATUS" != 0 ] || fail "exit status 0 after the message"
[ -e "$XDG_CONFIG_HOME/Fruitwhirl" ] && fail "settings were written"
echo "PASS"
