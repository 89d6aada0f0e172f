#!/usr/bin/env bash
# The records of the real program outlast what ends it from outside (SIGTERM: the platform tests). A second start
# on the same folder says so, exits 0 and writes nothing while the first plays on; after the X server is lost, the
# next start on a new one recovers the games; kill -9 at random moments, the save at quit included, KILLS times
# (50: scripts/kill-test): the settings file then holds the old or the new records, and the next start has the
# interrupted run in the list.
#   records.sh PROGRAM [KILLS] [kills-only]
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
start_xvfb

# A place of the machine (its pixel coordinates) on the screen.
at() { read -r _ X Y S < <(grep ^trace-geometry "$LOG") && echo $((X + $1 * S)) $((Y + $2 * S)); }
insert_stack() { drag 3 "$(at 305 183)" "$(at 236 84)"; }
lever() { xdotool mousemove $(at 272 42) click 1; }
two_games() { wait_mark ready && insert_stack && click_at "$(at 272 42)" && click_at "$(at 272 42)" && wait_mark game-end 2; }

if [ "${3:-}" != kills-only ]; then
  launch first && wait_mark ready
  before=$(ls -la --time-style=full-iso "$(dirname "$INI")")
  "$PROGRAM" --scale 1 2>"$WORK/second.log" &
  SECOND=$!
  box=$(xdotool search --sync --onlyvisible --pid $SECOND | head -1)
  for _ in $(seq 20); do kill -0 $SECOND 2>/dev/null && { xdotool windowfocus --sync "$box" key Return sleep 0.3 || true; }; done
  wait $SECOND || fail "the second start exited with $?"
  grep -q "already running" "$WORK/second.log" && kill -0 "$PROGRAM_PID" || fail "second start: $(cat "$WORK/second.log")"
  [ "$(ls -la --time-style=full-iso "$(dirname "$INI")")" = "$before" ] || fail "the second start wrote"
  kill -9 "$PROGRAM_PID" && wait_exit

  seed Seed 0 0 0 0 0 0 0 0 0 0
  launch lost && two_games
  kill "$XVFB_PID" && wait "$XVFB_PID" || true
  wait_exit && start_xvfb
  launch again && told || fail "no word of the run that was lost"
  [ "$(row 1 Name)/$(row 1 Played)" = NoName/2 ] && [ ! -e "$RECORD" ] || fail "not recovered: $(cat "$INI")"
  kill -9 "$PROGRAM_PID" && wait_exit
fi

for round in $(seq "${2:-5}"); do
  seed Seed 1000 1000 1000 1000 1000 1000 1000 1000 1000 0  # a run enters at row 10
  launch "kill$round" && wait_mark ready && insert_stack
  within 50 '[ -e "$RECORD" ]' || true
  moment=$((RANDOM % 1500))
  if [ $((round % 3)) = 0 ]; then  # during the quit: 800 ms of closing wipe, then the save
    lever && wait_mark game-end && kill -TERM "$PROGRAM_PID" && sleep "$((moment / 1000)).$(printf %03d $((moment % 1000)))"
  else
    for _ in $(seq $((moment % 4 + 1))); do lever && sleep "$((1 + RANDOM % 3)).$((RANDOM % 10))"; done
  fi
  kill -9 "$PROGRAM_PID" 2>/dev/null || true
  wait_exit
  games=$(marks game-end) row10=$(row 10 Name) recorded=$([ -e "$RECORD" ] && echo yes || echo no)
  python3 "$E2E_DIR/screen.py" ini "$INI" >/dev/null || [ "$row10" = Seed ] || fail "round $round: $(cat "$INI")"
  launch "again$round"
  told && said=yes || said=no
  [ "$said" = "$([ "$recorded/$row10" = yes/Seed ] && echo yes || echo no)" ] || fail "round $round: told $said"
  [ "$(row 10 Name)" = NoName ] && [[ $(($(row 10 Played) - games)) =~ ^[01]$ ]] && [ ! -e "$RECORD" ] ||
    fail "round $round: $games games, but row 10 is $(row 10 Name) with $(row 10 Played)"
  echo "round $round: killed after $games games (record $recorded, told $said): the list holds them"
  kill -9 "$PROGRAM_PID" && wait_exit
done
echo "PASS"
