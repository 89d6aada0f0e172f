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

drag() {  # button
  xdotool mousemove --sync $(at "coin pile (press zone)") mousedown "$1"
  sleep 0.2
  xdotool mousemove --sync $(at "coin window")
  sleep 0.2
  xdotool mousemove --sync $(at "coin slot (drop zone)")
  sleep 0.2
  xdotool mouseup "$1"
  sleep 2
}
drag 3
find_machine stack.png credits-5
python3 - "$WORK/out.raw" "$idle" <<'PY' || fail "silent while idle, heard after the coins"
import struct, sys
data = open(sys.argv[1], "rb").read()
samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
quiet, loud = (max(map(abs, part), default=0) for part in (samples[:int(sys.argv[2]) // 2], samples[int(sys.argv[2]) // 2:]))
print(f"idle peak {quiet}, after the coins {loud}")
sys.exit(0 if quiet == 0 and loud > 3000 else 1)
PY
read_state() { python3 "$E2E_DIR/screen.py" read "$(shot "$1")" "$ORIGIN" "$2"; }
value() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }
drag 1
state=$(read_state one-coin.png "$2")
[ "$(value counter "$state")/$(value lamps "$state")" = "--14/6" ] || fail "one coin more: $state"
for _ in 1 2 3; do  # a busy X server may lose a click: press again until the game starts
  xdotool mousemove --sync $(at "lever knob (click zone)") click 1
  for _ in $(seq 20); do [ "$(marks game-start)" -ge 1 ] && break 2; sleep 0.1; done
done
wait_mark game-end
previous=
for _ in $(seq 40); do  # and shown when the screen stops changing
  sleep 1
  current=$(import -window root png:- | md5sum)
  [ "$current" = "$previous" ] && break
  previous=$current
done
state=$(read_state game.png "$2")
echo "after the game: $state"
[ "$(value lamps "$state")" = 5 ] || fail "the game takes one credit: $state"
python3 "$E2E_DIR/screen.py" paid 14 "$(value counter "$state" | tr -d -)" || fail "no prize pays that: $state"
quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
python3 "$E2E_DIR/screen.py" ini "$INI" || fail "the settings file"
echo "PASS"
