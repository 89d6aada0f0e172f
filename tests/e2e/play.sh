#!/usr/bin/env bash
# The real program in an X server, with SDL's disk audio driver: the start-up shows exactly its reference screen
# and is silent; a stack dragged with the right button onto the slot gives exactly the reference screen of five
# credits and is heard; one coin more and the lever: the game takes a credit. Configuration takes a new name; the
# manual and About open from the Help menu and close; the quit through the Game menu exits 0 and leaves a complete
# settings file with the new name.
#   play.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PICTURES=$2
NAME=Ylva
start_xvfb
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/out.raw"
start_program "$1"
xdotool windowfocus --sync "$WID"  # the first activation opens the sound device
within 50 '[ -s "$WORK/out.raw" ]' || fail "the sound device was not opened"
find_machine started.png startup
idle=$(stat -c %s "$WORK/out.raw")
[ -e "$INI" ] && fail "settings written before the quit"

coins 3
find_machine stack.png credits-5
python3 - "$WORK/out.raw" "$idle" <<'PY' || fail "silent while idle, heard after the coins"
import array, sys
data, idle = open(sys.argv[1], "rb").read(), int(sys.argv[2]) // 2
samples = array.array("h", data[:len(data) // 2 * 2])  # the device's 16-bit samples
quiet, loud = (max(map(abs, part), default=0) for part in (samples[:idle], samples[idle:]))
sys.exit(0 if quiet == 0 and loud > 3000 else f"idle peak {quiet}, after the coins {loud}")
PY
coins 1
read_until 'counter=--14 lamps=6' "one coin more"
lever
[ "$(marks game-start)/$(marks game-end)" = 1/1 ] || fail "the lever played $(marks game-end) games"
read_until '* lamps=5' "the game takes one credit"

# Opens a menu item with the keyboard until the window named $3 shows, and prints its id.
open_from_menu() {  # menu-key item-key window-name
  local id name=$3
  from_menu "alt+$1" "$2" 'id=$(named "$name")' || fail "the menu did not open $3"
  echo "$id"
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

quit_from_menu
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
python3 "$E2E_DIR/screen.py" ini "$INI" "$NAME" || fail "the settings file with the new name"
echo "PASS"
