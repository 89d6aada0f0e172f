#!/usr/bin/env bash
# The records of the real program on a disk that fills up during play: a game, the disk full, two more games
# (said once, in the window), the quit (it offers to try again; quitting without saving exits 1), space freed, a
# new start: the old high-score list is all there and the run, as far as its record was kept, is recovered into
# it. The settings folder is a 64 KiB file system filled with ballast (skipped where no test may mount one).
#   full_disk.sh PROGRAM
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
start_xvfb
FOLDER=$(dirname "$INI")
mkdir -p "$FOLDER"
mount -t tmpfs -o size=64k,mode=700 fruitwhirl-full "$FOLDER" 2>/dev/null || { echo "SKIP: no tmpfs can be mounted here"; exit 77; }
trap 'umount -l "$FOLDER" 2>/dev/null || true; cleanup' EXIT
seed Old 900 800 700 600 500 400 300 200 100 0
cp "$INI" "$WORK/old.ini"
launch full
told && fail "a start-up message for a good settings file"
find_machine started.png startup
coins 3
lever

dd if=/dev/zero of="$FOLDER/ballast" bs=4k 2>/dev/null || true
# The game's first write says it in a message box, which holds the game up.
pressed=$(marks press)
xdotool mousemove $(at "lever knob (click zone)") click 1
wait_mark dialog
answer Return
wait_mark press $((pressed + 1))
grep -q "No space left on device" "$LOG" || fail "the reason was not given: $(grep -v ^trace "$LOG")"
lever
[ "$(marks game-end)" = 3 ] || fail "$(marks game-end) games played"
# Ctrl+Q (again until the question shows): the save fails and is offered again; the games' failure is not
# said again.
for _ in 1 2 3; do
  xdotool windowfocus --sync "$WID" key ctrl+q 2>/dev/null || true
  reached dialog 2 10 && break
done
wait_mark dialog 2
cmp -s "$INI" "$WORK/old.ini" || fail "the settings file changed on a full disk: $(cat "$INI")"
[ -e "$RECORD" ] || fail "the run record is gone"
leftover=$(find "$FOLDER" -name 'Fruitwhirl.*.*' -o -name '.Fruitwhirl.*' -o -name '*.??????' | head -3)
[ -z "$leftover" ] || fail "temporary files left: $leftover"
answer Escape  # Quit Without Saving
wait_exit
[ "$EXIT_STATUS" = 1 ] || fail "exit status $EXIT_STATUS after a failed save"

rm -f "$FOLDER/ballast"
launch again
told || fail "no word of the run at the next start"
[ "$(marks dialog)" = 1 ] || fail "$(marks dialog) messages at the start"
for n in 1 2 3 4 5 6 7 8 9; do
  [ "$(row "$n" Name)/$(row "$n" Score)" = "Old/$((1000 - 100 * n))" ] || fail "row $n: $(cat "$INI")"
done
# As far as its record was kept: the game before the disk was full.
[ "$(row 10 Name)/$(row 10 Played)" = NoName/1 ] || fail "the run was not recovered: $(cat "$INI")"
[ -e "$RECORD" ] && fail "the run record outlived its recovery"
quit_from_menu "$WID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS with space again"
echo "PASS"
