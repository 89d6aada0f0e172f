# Shared by the end-to-end tests: a private X server and settings folder, and a few checks.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d /tmp/fw-e2e-XXXXXX)
XVFB_PID=
PROGRAM_PID=

cleanup() {
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then
    # Wait for the server to go, so that the next test cannot meet it on its display.
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  if [ "${KEEP_E2E:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${LOG:-}" ] && [ -s "$LOG" ]; then
    echo "the program said:" >&2
    grep -v '^trace' "$LOG" | tail -20 >&2 || true
  fi
  exit 1
}

# Starts Xvfb on a free display and exports DISPLAY. Xvfb picks the display
# itself; if it loses a race for one with another server, start it again.
start_xvfb() {
  local out="$WORK/display" attempt
  for attempt in 1 2 3 4 5; do
    rm -f "$out"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$out" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ -s "$out" ] && break
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if [ -s "$out" ]; then
      export DISPLAY=":$(head -1 "$out")"
      for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break 2
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
      done
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  done
  [ -n "$XVFB_PID" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
  INI=$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini
  RECORD=$XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.recovery
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
}

# Waits for a visible window with this exact name and prints its id.
wait_window() {
  local name=$1 id=
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named $name"
}

# Waits for the program to end and sets EXIT_STATUS.
wait_exit() {
  for _ in $(seq 200); do kill -0 "$PROGRAM_PID" 2>/dev/null && sleep 0.1; done
  kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end"
  EXIT_STATUS=0
  wait "$PROGRAM_PID" || EXIT_STATUS=$?
  PROGRAM_PID=
}

# The program's visible windows, its menus' popups included.
windows() { xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | wc -l; }

# Opens a menu of the window with its Alt key and waits until its popup shows;
# a key a busy X server lost is pressed again. False when none showed.
open_menu() {  # window-id alt+letter
  local shown
  shown=$(windows)
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --window "$1" "$2" 2>/dev/null || true
    for _ in $(seq 30); do [ "$(windows)" -gt "$shown" ] && return 0; sleep 0.1; done
  done
  return 1
}

# Quits through the Game menu with the keyboard, again if the keys went astray,
# and sets EXIT_STATUS.
quit_from_menu() {  # window id
  for _ in 1 2 3 4 5; do
    open_menu "$1" alt+g && xdotool key q 2>/dev/null || true
    for _ in $(seq 30); do
      kill -0 "$PROGRAM_PID" 2>/dev/null || break 2
      sleep 0.1
    done
  done
  wait_exit
}

# Starts $PROGRAM at scale 1, its trace and messages in $WORK/NAME.log ($LOG),
# and sets PROGRAM_PID and WID (its window).
launch() {  # name
  LOG=$WORK/$1.log
  FRUITWHIRL_TRACE=1 "$PROGRAM" --scale 1 2>"$LOG" &
  PROGRAM_PID=$!
  WID=$(wait_window Fruitwhirl)
}

# The same, returning once the start-up has ended.
start_program() {  # program
  PROGRAM=$1
  launch program
  wait_mark ready
}

# True when the start-up said something (dismissed here) before it ended.
told() {
  local said=1 box
  for _ in $(seq 300); do
    [ "$(marks ready)" -ge 1 ] && return $said
    box=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | grep -vx "$WID" | head -1) || true
    [ -n "$box" ] && said=0 && { xdotool windowfocus --sync "$box" key Return 2>/dev/null || true; }
    sleep 0.2
  done
  fail "the start-up did not end"
}

# Answers the message box the program shows with a key, and waits until it has gone.
answer() {  # key
  local box
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | grep -vx "$WID" | head -1) || true
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message box to answer"
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$box" key "$1" 2>/dev/null || true
    for _ in $(seq 30); do
      xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | grep -qx "$box" || return 0
      sleep 0.1
    done
  done
  fail "the message box stayed after $1"
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

# How often the program has passed a trace mark, and a wait for the count.
marks() { grep -c "^trace $1 " "$LOG" || true; }
reached() {  # name count seconds: true once the program has passed the mark count times
  local _
  for _ in $(seq $(($3 * 10))); do [ "$(marks "$1")" -ge "$2" ] && return 0 || sleep 0.1; done
  return 1
}
wait_mark() {  # name [count]
  reached "$1" "${2:-1}" 30 || fail "no trace mark $1 in $LOG"
}

# Drags with a mouse button from one screen point to another (through a third,
# if given), waiting for the machine's marks of the press and of the release
# with all it set off (a coin's fall, the credit); a button a busy X server lost
# is pressed or let go again.
drag() {  # button "x y" (from) "x y" (to) ["x y" (through)]
  local pressed released
  pressed=$(marks press) released=$(marks release)
  for _ in 1 2 3; do
    xdotool mousemove $2 mousedown "$1"
    reached press $((pressed + 1)) 5 && break
    xdotool mouseup "$1"
    pressed=$(marks press) released=$(marks release)
  done
  reached press $((pressed + 1)) 1 || fail "the press at $2 did not reach the machine"
  [ -n "${4:-}" ] && xdotool mousemove $4
  for _ in 1 2; do
    xdotool mousemove $3 mouseup "$1"
    reached release $((released + 1)) 10 && return 0
  done
  fail "the release at $3 did not reach the machine"
}

# Clicks at a screen point until the machine has handled the press, with all
# it set off (a whole game); a click a busy X server lost is sent again.
click_at() {  # "x y"
  local pressed
  pressed=$(marks press)
  for _ in 1 2; do
    xdotool mousemove $1 click 1
    reached press $((pressed + 1)) 40 && return 0
  done
  fail "the click at $1 did not reach the machine"
}

shot() { import -window root "$WORK/$1" && echo "$WORK/$1"; }

# Finds the machine on the screen showing exactly the reference screen and sets ORIGIN.
# The last frame is shown a moment after the machine's mark: it reads the
# screen again until the deadline.
find_machine() {  # shot-name reference-screen
  for _ in $(seq 30); do
    ORIGIN=$(python3 "$E2E_DIR/screen.py" find "$(shot "$1")" "$2") && return 0
    sleep 0.1
  done
  fail "$ORIGIN"
}

# The screen position of a machine place's middle (a name of the layout map).
at() { python3 "$E2E_DIR/screen.py" at "$ORIGIN" "$1"; }
