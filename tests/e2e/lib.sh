# Shared by the end-to-end tests: a private X server and settings folder, the program's trace marks, and a few
# checks. Every wait has a deadline; input a busy X server lost is sent again.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d /tmp/fw-e2e-XXXXXX)
XVFB_PID=
PROGRAM_PID=

cleanup() {
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  # Wait for the server to go, so that the next test cannot meet it on its display.
  [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; } || true
  if [ "${KEEP_E2E:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

# Tries a shell condition every tenth of a second, at most TRIES times; false when it never held.
within() {  # tries condition
  local _
  for _ in $(seq "$1"); do eval "$2" && return 0; sleep 0.1; done
  return 1
}

fail() {
  echo "FAIL: $*" >&2
  [ -n "${LOG:-}" ] && [ -s "$LOG" ] && { echo "the program said:"; grep -v '^trace' "$LOG" | tail -20; } >&2
  exit 1
}

# Starts Xvfb on a free display (again, if it lost a race for one) and exports DISPLAY and a settings folder.
xvfb_up() { [ -s "$WORK/display" ] && DISPLAY=":$(head -1 "$WORK/display")" xdpyinfo >/dev/null 2>&1; }
start_xvfb() {
  for _ in 1 2 3 4 5; do
    rm -f "$WORK/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    within 100 'xvfb_up || ! kill -0 "$XVFB_PID" 2>/dev/null' && xvfb_up && break
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  done
  [ -n "$XVFB_PID" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=":$(head -1 "$WORK/display")" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
  INI=$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini
  RECORD=$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.recovery
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
}

# The visible windows a search finds (the first, false for none); the program's; the one with this exact name.
search() { xdotool search --onlyvisible "$@" 2>/dev/null || true; }
first() { awk 'NR == 1 {print} END {exit NR == 0}'; }
windows() { search --pid "$PROGRAM_PID" | wc -l; }
named() { search --name "^$1\$" | first; }
# The program's message box: its visible window other than the machine's.
message_box() { search --pid "$PROGRAM_PID" | grep -vx "$WID" | first; }

ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
wait_exit() {  # sets EXIT_STATUS
  within 200 ended || fail "the program did not end"
  EXIT_STATUS=0
  wait "$PROGRAM_PID" || EXIT_STATUS=$?
  PROGRAM_PID=
}

# Chooses an item of a menu of the machine's window by its keys (the menu's with Alt, once its popup shows, then
# the item's), again until the condition holds; false when it never did.
from_menu() {  # alt+letter item-key condition
  local shown
  for _ in 1 2 3 4 5; do
    shown=$(windows)
    xdotool windowfocus --sync "$WID" key --window "$WID" "$1" 2>/dev/null || true
    within 30 '[ "$(windows)" -gt "$shown" ]' && { xdotool key "$2" 2>/dev/null || true; }
    within 30 "$3" && return 0
  done
  return 1
}
quit_from_menu() { from_menu alt+g q ended || true; wait_exit; }  # sets EXIT_STATUS

# Starts $PROGRAM at scale 1, its trace and messages in $WORK/NAME.log ($LOG); sets PROGRAM_PID and WID (its window).
launch() {  # name
  LOG=$WORK/$1.log
  FRUITWHIRL_TRACE=1 "$PROGRAM" --scale 1 2>"$LOG" &
  PROGRAM_PID=$!
  within 150 'WID=$(named Fruitwhirl)' || fail "no window named Fruitwhirl"
}
start_program() { PROGRAM=$1; launch program; wait_mark ready; }  # program

# True when the start-up said something (dismissed here) before it ended.
told() {
  local said=1 box
  for _ in $(seq 300); do
    [ "$(marks ready)" -ge 1 ] && return $said
    box=$(message_box) && said=0 && { xdotool windowfocus --sync "$box" key Return 2>/dev/null || true; }
    sleep 0.2
  done
  fail "the start-up did not end"
}

# A fresh settings folder whose file holds only the high-score list, and a row of it.
seed() {  # name scores...
  mkdir -p "$(dirname "$INI")" && find "$(dirname "$INI")" -mindepth 1 -delete
  local n=0 s
  for s in "${@:2}"; do printf '[High-%02d]\nName=%s\nScore=%s\n' $((n += 1)) "$1" "$s"; done >"$INI"
}
row() {  # row key
  python3 -c 'import configparser, sys
c = configparser.ConfigParser(interpolation=None); c.optionxform = str; c.read(sys.argv[1])
print(c.get("High-%02d" % int(sys.argv[2]), sys.argv[3], fallback=""))' "$INI" "$@"
}

# How often the program has passed a trace mark; whether it has passed it count times within the seconds.
marks() { grep -c "^trace $1 " "$LOG" || true; }
reached() { local mark=$1 count=$2; within $(($3 * 10)) '[ "$(marks "$mark")" -ge "$count" ]'; }  # mark count seconds
wait_mark() { reached "$1" "${2:-1}" 30 || fail "no trace mark $1 in $LOG"; }  # mark [count]
# Runs an input command, once more when the machine has not passed the mark again within the seconds.
sent() {  # mark seconds command...
  local before
  before=$(marks "$1")
  for _ in 1 2; do
    "${@:3}"
    reached "$1" $((before + 1)) "$2" && return 0
  done
  return 1
}

# Drags with a mouse button from one screen point to another, waiting for the machine's marks of the press and of
# the release with all it set off (a coin's fall, the credit). A press X lost leaves the button down: it is let go
# before the press is sent again.
drag() {  # button "x y" (from) "x y" (to)
  sent press 5 xdotool mouseup "$1" mousemove $2 mousedown "$1" || fail "the press at $2 did not reach the machine"
  sent release 10 xdotool mousemove $3 mouseup "$1" || fail "the release at $3 did not reach the machine"
}
# Clicks at a screen point until the machine has handled the press, with all it set off (a whole game).
click_at() { sent press 40 xdotool mousemove $1 click 1 || fail "the click at $1 did not reach the machine"; }

# The machine on the screen showing exactly the reference screen: sets ORIGIN. The screen is read again until
# the deadline, as the last frame is shown a moment after the machine's mark.
shot() { import -window root "$WORK/$1" && echo "$WORK/$1"; }
find_machine() {  # shot-name reference-screen
  local name=$1 screen=$2
  within 30 'ORIGIN=$(python3 "$E2E_DIR/screen.py" find "$(shot "$name")" "$screen")' || fail "$ORIGIN"
}

# The screen position of a machine place's middle (a name of the layout map); coins dragged with a button from
# the pile to the slot; the lever.
at() { python3 "$E2E_DIR/screen.py" at "$ORIGIN" "$1"; }
coins() { drag "$1" "$(at "coin pile (press zone)")" "$(at "coin slot (drop zone)")"; }
lever() { click_at "$(at "lever knob (click zone)")"; }

# Reads the money counter and the lit credit lamps of the machine at ORIGIN ("counter=--19 lamps=1", the pictures
# in $PICTURES) into STATE until they match a pattern.
state_now() { python3 "$E2E_DIR/screen.py" read "$(shot now.png)" "$ORIGIN" "$PICTURES"; }
read_until() {  # pattern failure
  local pattern=$1
  within 30 'STATE=$(state_now) && [[ $STATE == $pattern ]]' || fail "$2: $STATE"
}
