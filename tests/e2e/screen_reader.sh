#!/usr/bin/env bash
# The real program as a screen reader meets it (screen_reader.py), on its own D-Bus session with an accessibility
# bus and the program's accessibility on.
#   screen_reader.sh PROGRAM PICTURES_DIR
[ "${FW_OWN_BUS:-}" = 1 ] || exec dbus-run-session -- env FW_OWN_BUS=1 bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
PICTURES=$2

start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$WORK/at-spi.log" &
BUS_PID=$!
trap 'kill "$BUS_PID" 2>/dev/null || true; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$1"
find_machine started.png startup
xdotool windowfocus --sync "$WID"
/usr/bin/python3 "$E2E_DIR/screen_reader.py" "$WID" "$ORIGIN" "$PICTURES" "$LOG" || fail "what a screen reader finds"
xdotool windowfocus --sync "$WID" key ctrl+q 2>/dev/null || true
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo "PASS"
