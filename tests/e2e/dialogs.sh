#!/usr/bin/env bash
# The real program in an X server: the configuration dialog from the Game menu
# takes a new name, which the settings file holds after the quit; the manual
# and the About window open from the Help menu and close again.
#   dialogs.sh PROGRAM
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
NAME=Ylva

start_xvfb
start_program "$PROGRAM"

# Opens a menu item with the keyboard until the window named $3 shows.
open_from_menu() {  # menu-key item-key window-name
  local id name=$3
  for _ in 1 2 3 4 5; do
    open_menu "$WID" "alt+$1" && xdotool key "$2" 2>/dev/null || true
    within 20 'id=$(named "$name")' && { echo "$id"; return 0; }
  done
  fail "the menu did not open $3"
}

# Configuration: the Name tab, a new name, OK.
CONFIG=$(open_from_menu g c Configuration)
xdotool windowfocus --sync "$CONFIG"
xdotool key ctrl+Tab Tab ctrl+a
xdotool type --delay 30 "$NAME"
xdotool key Return
gone Configuration || fail "the configuration dialog stayed open"

# The manual (modeless, closed with Close) and the About window (modal, closed with OK).
for window in "m|Fruitwhirl Manual|alt+c" "a|About Fruitwhirl|Return"; do
  IFS='|' read -r item name key <<<"$window"
  id=$(open_from_menu h "$item" "$name")
  xdotool windowfocus --sync "$id"
  xdotool key "$key"
  gone "$name" || fail "$name stayed open"
done

quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
python3 "$E2E_DIR/screen.py" ini "$INI" "$NAME" || fail "the name was not stored"
echo "PASS"
