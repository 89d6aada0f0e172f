#!/usr/bin/env bash
# The real program in an X server, heard through SDL's disk audio driver: the start-up is seen and silent, a stack
# dragged onto the slot is seen and heard, the lever's game takes a credit; Configuration takes a new name, the Help
# menu's windows open and close, and the Game menu's quit exits 0 leaving a complete settings file with the name.
#   play.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
PICTURES=$2
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

# Opens the window named $3 from a menu with the keyboard, gives it xdotool's commands, and sees it close.
through_window() {  # menu-key item-key window-name xdotool-command...
  local id name=$3
  from_menu "alt+$1" "$2" 'id=$(named "$name")' || fail "the menu did not open $name"
  xdotool windowfocus --sync "$id" "${@:4}"
  within 30 '! named "$name" >/dev/null' || fail "$name stayed open"
}
# Configuration: the Name tab, the name Ylva typed, OK; the manual (modeless: Close) and About (modal: OK).
through_window g c Configuration key --delay 30 ctrl+Tab Tab ctrl+a Y l v a Return
through_window h m "Fruitwhirl Manual" key alt+c
through_window h a "About Fruitwhirl" key Return

quit_from_menu
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
python3 "$E2E_DIR/screen.py" ini "$INI" Ylva || fail "the settings file with the new name"
echo "PASS"
