#!/usr/bin/env python3
"""Reads the machine off a screenshot of the X screen, and checks the settings file.

  screen.py startup SHOT PICTURES   reels at their first positions, counter at 20
  screen.py ini FILE                the settings file holds every section and key
  screen.py read SHOT PICTURES      prints what the machine shows: the money counter,
                                    the lit credit lamps, the pay line's symbols and
                                    what the pay table gives for that line
  screen.py name FILE NAME          the settings file holds NAME as the player's name
"""
import configparser
import subprocess
import sys

# Reel strips: symbol id at positions 0..19 of each reel.
STRIPS = [
    [9, 3, 7, 3, 8, 5, 3, 2, 4, 7, 2, 7, 5, 9, 3, 7, 5, 2, 3, 6],
    [10, 2, 7, 2, 0, 8, 7, 3, 4, 2, 9, 7, 0, 8, 3, 2, 8, 11, 8, 2],
    [12, 8, 7, 5, 13, 7, 8, 0, 8, 4, 3, 13, 7, 3, 12, 13, 7, 0, 8, 3],
]


class Picture:
    def __init__(self, path):
        data = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
        fields, pos = [], 0
        while len(fields) < 4:  # P6, width, height, maxval
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return self.pixels[i:i + 3]

    def same(self, x, y, w, h, other, ox, oy):
        for j in range(h):
            a = 3 * ((y + j) * self.width + x)
            b = 3 * ((oy + j) * other.width + ox)
            if self.pixels[a:a + 3 * w] != other.pixels[b:b + 3 * w]:
                return False
        return True


# The pay table: combination -> coins.
PAY = {
    "3-3-3": 10, "3-0-3": 10, "3-10-3": 10, "3-3-0": 10, "3-0-0": 10, "3-10-0": 10,
    "3-3-12": 10, "3-0-12": 10, "3-10-12": 10, "3-3-4": 10, "3-0-4": 10, "3-10-4": 10,
    "7-7-7": 15, "7-11-7": 15, "7-7-12": 15, "7-11-12": 15, "7-7-4": 15, "7-11-4": 15,
    "6-8-8": 25, "8-8-8": 25, "6-8-12": 25, "8-8-12": 25, "6-8-4": 25, "8-8-4": 25,
    "5-0-0": 50, "5-0-5": 50, "5-0-12": 50, "5-0-4": 50,
    "4-4-12": 75, "6-4-12": 75, "6-11-12": 75, "4-11-12": 75,
    "4-4-4": 75, "6-4-4": 75, "6-11-4": 75, "4-11-4": 75,
    "9-10-12": 100, "9-9-12": 100,
}


def line_pays(ids):
    """Coins a pay line wins outside the Mania period."""
    if ids[0] == 2 and ids[1] == 2:
        return 5
    if ids[0] == 2:
        return 2
    return PAY.get("-".join(str(i) for i in ids), 0)


def find_machine(shot, machine):
    """The top-left corner of the machine picture on the screen (scale 1)."""
    # The lever in its rest frame is drawn nowhere else: look for it.
    for oy in range(0, 120):
        for ox in range(0, 60):
            if shot.same(ox + 262, oy + 36, 23, 93, machine, 262, 36) and \
               shot.same(ox + 0, oy + 0, 40, 8, machine, 0, 0):
                return ox, oy
    raise SystemExit("FAIL: the machine picture is not on the screen")


def counter_text(shot, ox, oy, sprites):
    text = ""
    for i in range(4):
        char = "?"
        for k, c in enumerate("0123456789-"):
            if shot.same(ox + 225 + 6 * i, oy + 158, 5, 9, sprites, 274 + 5 * k, 229):
                char = c
        text += char
    return text


def check_startup(shot_path, pictures):
    shot = Picture(shot_path)
    machine = Picture(pictures + "/machine.png")
    sprites = Picture(pictures + "/sprites.png")
    theme = Picture(pictures + "/Gfx/Fruit.Thm")
    ox, oy = find_machine(shot, machine)
    failures = []
    for r in range(3):
        for w, position in enumerate((19, 18, 17)):
            s = STRIPS[r][position]
            if not shot.same(ox + 93 + 44 * r, oy + 75 + 30 * w, 29, 30, theme, 29 * s, 0):
                failures.append(f"reel {r} row {w} does not show symbol {s}")
    for k in range(12):
        if not shot.same(ox + 55 + 55 * (k // 6), oy + 10 + 8 * (k % 6), 33, 7, theme, 33 * k, 30):
            failures.append(f"pay-table cell {k} is not the theme's")
    shown = counter_text(shot, ox, oy, sprites)
    if shown != "--20":
        failures.append(f"the money counter shows {shown!r}, not '--20'")
    for f in failures:
        print("FAIL:", f)
    print(f"machine at {ox},{oy}; counter {shown}")
    return 1 if failures else 0


def read_machine(shot_path, pictures):
    shot = Picture(shot_path)
    machine = Picture(pictures + "/machine.png")
    sprites = Picture(pictures + "/sprites.png")
    theme = Picture(pictures + "/Gfx/Fruit.Thm")
    ox, oy = find_machine(shot, machine)
    lamps = sum(shot.same(ox + 214 - 6 * n, oy + 67, 4, 3, sprites, 274, 293) for n in range(10))
    ids = []
    for r in range(3):
        found = [s for s in range(15) if shot.same(ox + 93 + 44 * r, oy + 105, 29, 30, theme, 29 * s, 0)]
        ids.append(found[0] if found else -1)
    print(f"counter={counter_text(shot, ox, oy, sprites)} lamps={lamps} "
          f"line={'-'.join(str(i) for i in ids)} pays={line_pays(ids)} origin={ox},{oy}")
    return 0 if -1 not in ids else 1


def check_name(path, name):
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    stored = ini.get("GameCfg", "Name", fallback=None)
    if stored != name:
        print(f"FAIL: GameCfg Name is {stored!r}, not {name!r}")
        return 1
    return 0


def check_ini(path):
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    failures = []
    want = {"PrgInfo": 2, "GameCfg": 5}
    want.update({f"High-{n:02d}": 17 for n in range(1, 11)})
    if sorted(ini.sections()) != sorted(want):
        failures.append(f"sections {ini.sections()}")
    for section, keys in want.items():
        if section in ini and len(ini[section]) != keys:
            failures.append(f"{section} has {len(ini[section])} keys, not {keys}")
    if ini.get("PrgInfo", "Version", fallback=None) != "5.1":
        failures.append("PrgInfo Version is not 5.1")
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


def main(argv):
    if len(argv) >= 4 and argv[1] == "startup":
        return check_startup(argv[2], argv[3])
    if len(argv) >= 4 and argv[1] == "read":
        return read_machine(argv[2], argv[3])
    if len(argv) >= 4 and argv[1] == "name":
        return check_name(argv[2], argv[3])
    if len(argv) >= 3 and argv[1] == "ini":
        return check_ini(argv[2])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
