#!/usr/bin/env python3
"""Reads the machine off a screenshot of the X screen (at scale 1), by the layout map (tests/assets/layout.json)
and the reference screens (tests/screens/).

  screen.py find SHOT SCREEN          prints X,Y where the shot shows the reference screen SCREEN exactly
  screen.py at X,Y PLACE              prints the screen position of a place's middle
  screen.py read SHOT X,Y PICTURES    prints the money counter and the lit credit lamps
  screen.py ini FILE [NAME]           the settings file holds every section and key (and NAME as the player's)
"""
import configparser
import json
import pathlib
import re
import subprocess
import sys

TESTS = pathlib.Path(__file__).resolve().parent.parent
MAP = json.loads((TESTS / "assets" / "layout.json").read_text())


def cell(part, name):
    key = "places" if part == "machine_picture" else "cells"
    c = next(c for c in MAP[part][key] if c["name"] == name)
    return c["x"], c["y"], c["w"], c["h"]


class Picture:
    def __init__(self, path):
        data = subprocess.run(["convert", str(path), "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height, self.pixels = int(header[1]), int(header[2]), data[header.end():]

    def row(self, x, y, w):
        a = 3 * (y * self.width + x)
        return self.pixels[a:a + 3 * w]

    def same(self, x, y, other, rect):
        ox, oy, w, h = rect
        return all(self.row(x, y + j, w) == other.row(ox, oy + j, w) for j in range(h))


def find(shot, screen):
    first = screen.row(0, 0, screen.width)
    for y in range(shot.height - screen.height + 1):
        for x in range(shot.width - screen.width + 1):
            if shot.row(x, y, screen.width) == first and \
               shot.same(x, y, screen, (0, 0, screen.width, screen.height)):
                return x, y
    return None


def state(shot, ox, oy, pictures):
    """The money counter and the number of lit credit lamps of the machine at ox, oy."""
    sprites = Picture(pictures / "sprites.png")

    def shows(place, name):
        x, y, _, _ = cell("machine_picture", place)
        return shot.same(ox + x, oy + y, sprites, cell("sprite_sheet", name))

    counter = "".join(next((d for d in "0123456789-" if shows(f"money counter cell {i}", f"digit {d}")), "?")
                      for i in range(4))
    return counter, sum(shows(f"credit lamp {n}", "credit lamp lit") for n in range(10))


def check_ini(path, name=None):
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    want = {"PrgInfo": 2, "GameCfg": 6, **{f"High-{n:02d}": 17 for n in range(1, 11)}}
    failures = [f"{s} has {len(ini[s]) if s in ini else 'no'} keys" for s, k in want.items()
                if s not in ini or len(ini[s]) != k]
    if set(ini.sections()) - {"Window"} != set(want):  # the view the player chose is kept beside them
        failures.append(f"sections {ini.sections()}")
    if name is not None and ini.get("GameCfg", "Name", fallback=None) != name:
        failures.append(f"the name is not {name}")
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


def main(argv):
    if argv[1:2] == ["find"]:
        where = find(Picture(argv[2]), Picture(TESTS / "screens" / f"{argv[3]}.png"))
        print(f"{where[0]},{where[1]}" if where else f"FAIL: the screen does not show {argv[3]}")
        return 0 if where else 1
    if argv[1:2] == ["at"]:
        ox, oy = map(int, argv[2].split(","))
        x, y, w, h = cell("machine_picture", argv[3])
        print(ox + x + w // 2, oy + y + h // 2)
        return 0
    if argv[1:2] == ["read"]:
        ox, oy = map(int, argv[3].split(","))
        print("counter=%s lamps=%d" % state(Picture(argv[2]), ox, oy, pathlib.Path(argv[4])))
        return 0
    if argv[1:2] == ["ini"]:
        return check_ini(argv[2], argv[3] if len(argv) > 3 else None)
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
