# Shared by the install and package tests: what an installed Fruitwhirl puts under share/, against the program
# itself and the build.
check_installed() {  # share program build-dir pictures-dir
  local share=$1 program=$2 build=$3 pictures=$4 desktop id size icon out
  desktop=$(ls "$share"/applications/*.desktop) || fail "no desktop entry"
  [ "$(echo "$desktop" | wc -l)" = 1 ] || fail "more than one desktop entry: $desktop"
  id=$(basename "$desktop" .desktop)
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
  grep -qx "Exec=$(basename "$program")" "$desktop" || fail "the desktop entry does not start $program"
  grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not named $id"

  local meta="$share/metainfo/$id.metainfo.xml"
  out=$(appstreamcli validate --no-net "$meta" 2>&1) || fail "appstreamcli: $out"
  grep -q "<id>$id</id>" "$meta" || fail "the metadata's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || fail "the metadata's launchable"
  grep -q "<release version=\"$("$program" --version | cut -d' ' -f2)\"" "$meta" ||
    fail "the metadata has no release of $("$program" --version)"

  for size in 16 24 32 48 64 128 256 512; do
    icon="$share/icons/hicolor/${size}x$size/apps/$id.png"
    cmp -s "$icon" "$pictures/icons/fruitwhirl-$size.png" || fail "$icon is not the $size px window icon"
  done

  out=$(zcat "$share/man/man6/fruitwhirl.6.gz" | groff -man -ww -z 2>&1) && [ -z "$out" ] ||
    fail "the manual page: $out"

  for data in Gfx Sfx manual.txt; do
    diff -r "$build/bin/$data" "$share/fruitwhirl/$data" >/dev/null || fail "share/fruitwhirl/$data"
  done
  grep -q "Permission is hereby granted" "$share/doc/fruitwhirl/copyright" || fail "no licence"
}

# The installed program, started in a private X server, shows exactly the start-up's screen and quits with 0.
starts_and_quits() {  # program
  cd "$WORK"
  start_xvfb
  start_program "$1"
  find_machine started.png startup
  quit_from_menu
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
}
