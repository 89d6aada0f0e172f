# The package in a clean Debian root made by debootstrap (where root, debootstrap and the archive are at hand,
# else CLEAN_ROOT_SKIPPED says why): apt installs it with what it depends on, the game starts there in the test's
# X server and quits with status 0, and purging it leaves no file behind but the player's records.
in_clean_root() {
  local deb=$1 root=$WORK/clean suite mirror
  CLEAN_ROOT_SKIPPED=
  suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
  if [ "$(id -u)" != 0 ] || ! command -v debootstrap >/dev/null; then
    CLEAN_ROOT_SKIPPED="no root or no debootstrap"
    return 0
  fi
  if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$WORK/debootstrap.log" 2>&1; then
    CLEAN_ROOT_SKIPPED="debootstrap failed: $(tail -2 "$WORK/debootstrap.log")"
    return 0
  fi
  mkdir -p "$root/tmp/.X11-unix"
  mount -t proc proc "$root/proc" && mount --bind /dev "$root/dev" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" ||
    fail "mounting into the clean root"
  trap 'umount -l "$WORK/clean/tmp/.X11-unix" "$WORK/clean/dev" "$WORK/clean/proc" 2>/dev/null || true; cleanup' EXIT
  inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
  files() { inside find / -xdev \( -path /proc -o -path /tmp -o -path /root -o -path /var/cache -o -path /var/log \
      -o -path /var/lib/apt -o -path /var/lib/dpkg \) -prune -o -print | sort; }
  inside apt-get update -q >"$WORK/apt.log" 2>&1 || fail "apt-get update in the clean root: $(tail -3 "$WORK/apt.log")"
  files >"$WORK/before.txt"
  cp "$deb" "$root/tmp/"
  inside apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >>"$WORK/apt.log" 2>&1 ||
    fail "apt-get install in the clean root: $(tail -5 "$WORK/apt.log")"

  cat >"$WORK/in-root" <<WRAP
#!/bin/sh
exec chroot "$root" env -i PATH=/usr/games:/usr/bin:/bin HOME=/root XDG_RUNTIME_DIR=/tmp DISPLAY="\$DISPLAY" \
  FRUITWHIRL_TRACE=\$FRUITWHIRL_TRACE SDL_AUDIODRIVER=dummy fruitwhirl "\$@"
WRAP
  chmod +x "$WORK/in-root"
  start_program "$WORK/in-root"
  find_machine clean-root.png startup
  quit_from_menu
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS in the clean root"
  [ -s "$root/root/.config/Fruitwhirl/Fruitwhirl.ini" ] || fail "no records in the clean root"

  inside apt-get purge -y -q --autoremove fruitwhirl >>"$WORK/apt.log" 2>&1 || fail "apt-get purge: $(tail -5 "$WORK/apt.log")"
  files >"$WORK/after.txt"
  local left
  left=$(comm -13 "$WORK/before.txt" "$WORK/after.txt")
  [ -z "$left" ] || fail "purging left behind: $(head -20 <<<"$left")"
}
