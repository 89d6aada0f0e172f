#!/usr/bin/env bash
# The real program in an X server, with SDL's disk audio driver: after the
# start-up it shows exactly the reference screen of the start-up and is
# silent; a stack dragged with the right button onto the slot gives exactly
# the reference screen of five credits and is heard; one coin more and the
# lever: the game takes a credit and pays a prize. It quits through the Game menu with status 0 and leaves a
# complete settings file.
#   play.sh PROGRAM PICTURES_DIR
source "$(dirname "$0")/lib.sh"
start_xvfb
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/out.raw"
start_program "$1"
xdotool windowfocus --sync "$WID"  # the first activation opens the sound device
for _ in $(seq 50); do [ -s "$WORK/out.raw" ] && break; sleep 0.1; done
[ -s "$WORK/out.raw" ] || fail "the sound device was not opened"
find_machine started.png startup
idle=$(stat -c %s "$WORK/out.raw")
INI="$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini"
[ -e "$INI" ] && fail "settings written before the quit"

coins() {  # button: from the pile through the coin window to the slot
  drag "$1" "$(at "coin pile (press zone)")" "$(at "coin slot (drop zone)")" "$(at "coin window")"
}
# The screen read until it shows the named state (the last frame is shown a
# moment after the machine's mark), with a deadline; prints the last reading.
read_until() {  # shot-name pictures-dir check-command...
  local state
  for _ in $(seq 30); do
    state=$(python3 "$E2E_DIR/screen.py" read "$(shot "$1")" "$ORIGIN" "$2")
    "${@:3}" "$state" && break
    sleep 0.1
  done
  echo "$state"
}
value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }
coins 3
find_machine stack.png credits-5
python3 - "$WORK/out.raw" "$idle" <<'PY' || fail "silent while idle, heard after the coins"
import struct, sys
data = open(sys.argv[1], "rb").read()
samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
quiet, loud = (max(map(abs, part), default=0) for part in (samples[:int(sys.argv[2]) // 2], samples[int(sys.argv[2]) // 2:]))
print(f"idle peak {quiet}, after the coins {loud}")
sys.exit(0 if quiet == 0 and loud > 3000 else 1)
PY
one_more() { [ "$(value counter "$1")/$(value lamps "$1")" = "--14/6" ]; }
coins 1
state=$(read_until one-coin.png "$2" one_more)
one_more "$state" || fail "one coin more: $state"
click_at "$(at "lever knob (click zone)")"
[ "$(marks game-start)/$(marks game-end)" = 1/1 ] || fail "the lever played $(marks game-end) games"
paid() { [ "$(value lamps "$1")" = 5 ] && python3 "$E2E_DIR/screen.py" paid 14 "$(value counter "$1" | tr -d -)" >/dev/null; }
state=$(read_until game.png "$2" paid)
echo "after the game: $state"
[ "$(value lamps "$state")" = 5 ] || fail "the game takes one credit: $state"
python3 "$E2E_DIR/screen.py" paid 14 "$(value counter "$state" | tr -d -)" || fail "no prize pays that: $state"
quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file"
echo "PASS"
