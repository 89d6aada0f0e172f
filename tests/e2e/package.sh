#!/usr/bin/env bash
# The Debian package, packed by CPack from the build as scripts/package packs
# it: fruitwhirl_<version>_<arch>.deb holds the program in /usr/games and the
# rest under /usr/share, depends on the package of every library the program
# links and of Qt's X11 plug-in, has no error from lintian, and unpacked into a
# folder with dpkg-deb the game starts there and quits with status 0.
#   package.sh BUILD_DIR PICTURES_DIR
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/installed.sh"
BUILD=$1
PICTURES=$2

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >/dev/null || fail "cpack"
VERSION=$("$BUILD/bin/fruitwhirl" --version | cut -d' ' -f2)
DEB="$WORK/out/fruitwhirl_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$WORK/out")"
[ "$(dpkg-deb -f "$DEB" Package Version Section)" = "$(printf 'Package: fruitwhirl\nVersion: %s\nSection: games' "$VERSION")" ] ||
  fail "the control fields: $(dpkg-deb -f "$DEB")"
OUTSIDE=$(dpkg-deb -c "$DEB" | awk '{print $6}' | grep -v -e '^\./usr/games/' -e '^\./usr/share/' -e '^\./usr/$') &&
  fail "files outside /usr/games and /usr/share: $OUTSIDE"

dpkg-deb -x "$DEB" "$WORK/root"
PROGRAM="$WORK/root/usr/games/fruitwhirl"
check_installed "$WORK/root/usr/share" "$PROGRAM" "$BUILD" "$PICTURES"

# Every library the program links, and Qt's X11 plug-in, comes from a package it depends on.
DEPENDS=" $(dpkg-deb -f "$DEB" Depends | sed 's/([^)]*)//g; s/[,|]/ /g') "
LIBDIR="*/$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
for file in $(objdump -p "$PROGRAM" | awk -v d="$LIBDIR" '/NEEDED/ {print d "/" $2}') "$LIBDIR/qt6/plugins/platforms/libqxcb.so"; do
  package=$(dpkg -S "$file" | head -1 | cut -d: -f1)
  [ -n "$package" ] && [[ "$DEPENDS" == *" $package "* ]] || fail "no dependency on $package for $file: $DEPENDS"
done

# lintian, where it is installed, runs meanwhile.
LINT=true
command -v lintian >/dev/null && { lintian --fail-on error "$DEB" >"$WORK/lintian.txt" 2>/dev/null & LINT=$!; }

starts_and_quits "$PROGRAM"
[ "$LINT" = true ] || wait "$LINT" || fail "lintian: $(cat "$WORK/lintian.txt")"
echo "PASS"
