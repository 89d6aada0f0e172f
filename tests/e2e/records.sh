#!/usr/bin/env bash
# The records of the real program outlast what ends it from outside: after the X server is lost, the next start
# recovers the games; a quit that could not save exits 1; after kill -9 at random moments, the save at quit
# included, KILLS times, the settings file holds the old or the new records and the next start lists the run.
#   records.sh PROGRAM [KILLS] [kills-only]
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
start_xvfb

# Once the program has started: the machine's place on the screen, from its trace, and a stack dragged in; a
# click on the lever that does not wait for the game.
insert_stack() { wait_mark ready && read -r _ X Y _ < <(grep ^trace-geometry "$LOG") && ORIGIN=$X,$Y && coins 3; }
pull() { xdotool mousemove $(at "lever knob (click zone)") click 1; }

if [ "${3:-}" != kills-only ]; then
  seed Seed 0 0 0 0 0 0 0 0 0 0
  launch lost && insert_stack && lever && lever && wait_mark game-end 2
  kill "$XVFB_PID" && wait "$XVFB_PID" || true
  wait_exit && start_xvfb
  launch again && told || fail "no word of the run that was lost"
  [ "$(row 1 Name)/$(row 1 Played)" = NoName/2 ] && [ ! -e "$RECORD" ] || fail "not recovered: $(cat "$INI")"
  kill -9 "$PROGRAM_PID" && wait_exit

  # A settings file the player made read-only: said at the start; the quit's save fails, and Quit Without Saving
  # ends the program with status 1 (what is kept then: the platform tests' SettingsFileAsThePlayerMadeIt).
  seed Seed 0 0 0 0 0 0 0 0 0 0
  chmod 444 "$INI"
  launch read-only && told || fail "no word of the read-only settings file"
  sent dialog 10 xdotool windowfocus --sync "$WID" key ctrl+q && box=$(message_box) || fail "the quit asked nothing"
  xdotool windowfocus --sync "$box" key Escape
  wait_exit
  [ "$EXIT_STATUS" = 1 ] || fail "exit status $EXIT_STATUS after the player quit without saving"
fi

for round in $(seq "${2:-5}"); do
  seed Seed 1000 1000 1000 1000 1000 1000 1000 1000 1000 0  # a run enters at row 10
  launch "kill$round" && insert_stack
  within 50 '[ -e "$RECORD" ]' || true
  moment=$((RANDOM % 1500))
  if [ $((round % 3)) = 0 ]; then  # during the quit: 800 ms of closing wipe, then the save
    pull && wait_mark game-end && kill -TERM "$PROGRAM_PID" && sleep "$((moment / 1000)).$(printf %03d $((moment % 1000)))"
  else
    for _ in $(seq $((moment % 4 + 1))); do pull && sleep "$((1 + RANDOM % 3)).$((RANDOM % 10))"; done
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
