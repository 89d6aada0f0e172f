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
start_program "$PROGRAM"
python3 "$E2E_DIR/screen.py" startup "$(shot started.png)" "$PICTURES" || fail "the machine after start-up"

INI="$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini"
[ -e "$INI" ] && fail "settings written before the quit"

quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -f "$INI" ] || fail "no settings file at $INI"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file"
echo "PASS"
