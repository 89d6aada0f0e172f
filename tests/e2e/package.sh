#!/usr/bin/env bash
# The Debian package, built from a copy of the source as scripts/package builds it (nocheck: the suite has run):
# its version, its files' places, its dependencies and lintian; unpacked, the game starts and quits with status 0;
# installed with apt into a clean Debian root (clean_root.sh), it plays there and is purged without a trace.
#   package.sh SOURCE_DIR BUILD_DIR PICTURES_DIR
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/installed.sh"
SOURCE=$1
BUILD=$2
PICTURES=$3

mkdir -p "$WORK/src/fruitwhirl"
(cd "$SOURCE" && git ls-files -co --exclude-standard -z | xargs -0 cp --parents -t "$WORK/src/fruitwhirl" 2>/dev/null) ||
  (cd "$SOURCE" && tar -c --exclude='./build*' --exclude=./.git . | tar -x -C "$WORK/src/fruitwhirl")
DEBFULLNAME="Package Test" DEBEMAIL=package-test@fruitwhirl.test "$SOURCE/scripts/news" "$WORK/src/fruitwhirl" >/dev/null
(cd "$WORK/src/fruitwhirl" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b \
  >"$WORK/build.log" 2>&1) || fail "dpkg-buildpackage: $(tail -30 "$WORK/build.log")"

VERSION=$("$BUILD/bin/fruitwhirl" --version | cut -d' ' -f2)
REVISION=$(dpkg-parsechangelog -l "$WORK/src/fruitwhirl/debian/changelog" -S Version)
[[ "$REVISION" == "$VERSION"-* ]] || fail "debian/changelog's version $REVISION is not of $VERSION"
DEB="$WORK/src/fruitwhirl_${REVISION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$WORK/src")"
[ "$(dpkg-deb -f "$DEB" Package Version Section Maintainer)" = "$(printf 'Package: fruitwhirl\nVersion: %s\nSection: games\nMaintainer: Package Test <package-test@fruitwhirl.test>' "$REVISION")" ] ||
  fail "the control fields: $(dpkg-deb -f "$DEB")"
OUTSIDE=$(dpkg-deb -c "$DEB" | awk '{print $6}' | grep -v -e '^\./usr/games/' -e '^\./usr/share/' -e '^\./usr/$' -e '^\./$') &&
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

# lintian, pedantic, on the package and its .changes, runs meanwhile: no tag at all.
lintian --pedantic -I --fail-on error,warning,info,pedantic "$WORK"/src/fruitwhirl_*.changes >"$WORK/lintian.txt" 2>/dev/null &
LINT=$!

starts_and_quits "$PROGRAM"
source "$E2E_DIR/clean_root.sh"
in_clean_root "$DEB"
[ -z "$CLEAN_ROOT_SKIPPED" ] || echo "not tried in a clean root: $CLEAN_ROOT_SKIPPED"
wait "$LINT" && [ ! -s "$WORK/lintian.txt" ] || fail "lintian: $(cat "$WORK/lintian.txt")"
echo "PASS"
