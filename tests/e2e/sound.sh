#!/usr/bin/env bash
# The real program in an X server with SDL's disk audio driver: the first
# activation opens the sound device; the machine is silent while idle, and a
# coin dragged into the slot is heard (the pick-up, the payment, the machine
# switching on).
#   sound.sh PROGRAM
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_xvfb
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/out.raw"
start_program "$PROGRAM"
xdotool windowfocus --sync "$WID"  # the first activation
for _ in $(seq 50); do [ -s "$WORK/out.raw" ] && break; sleep 0.1; done
[ -s "$WORK/out.raw" ] || fail "the sound device was not opened"
sleep 0.5
idle=$(stat -c %s "$WORK/out.raw")

origin=$(python3 "$E2E_DIR/screen.py" read "$(shot started.png)" "$E2E_PICTURES" | sed -n 's/.*origin=\([^ ]*\).*/\1/p')
OX=${origin%,*}
OY=${origin#*,}
xdotool mousemove --sync $((OX + 305)) $((OY + 183)) mousedown 1
sleep 0.2
xdotool mousemove --sync $((OX + 236)) $((OY + 84))
sleep 0.2
xdotool mouseup 1
sleep 2

python3 - "$WORK/out.raw" "$idle" <<'PY' || fail "the sounds"
import struct, sys
data = open(sys.argv[1], "rb").read()
idle = int(sys.argv[2]) // 4 * 4
samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
quiet = max((abs(s) for s in samples[: idle // 2]), default=0)
loud = max((abs(s) for s in samples[idle // 2 :]), default=0)
print(f"idle peak {quiet}, after the coin {loud}")
sys.exit(0 if quiet == 0 and loud > 3000 else 1)
PY
echo "PASS"
