#!/usr/bin/env bash
# cmake --install into a prefix that is then moved: the program, its data, desktop entry, metadata, icons and
# manual page pass their checks, and the program, far from the build tree, finds its data and plays.
#   install.sh BUILD_DIR PICTURES_DIR
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/installed.sh"
BUILD=$1
PICTURES=$2

cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null || fail "cmake --install"
mv "$WORK/prefix" "$WORK/moved"
PROGRAM="$WORK/moved/bin/fruitwhirl"
[ -x "$PROGRAM" ] && [ ! -e "$WORK/moved/bin/Gfx" ] || fail "the program alone in bin/"
check_installed "$WORK/moved/share" "$PROGRAM" "$BUILD" "$PICTURES"

starts_and_quits "$PROGRAM"
echo "PASS"
