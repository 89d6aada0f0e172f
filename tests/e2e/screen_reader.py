#!/usr/bin/python3
"""The real program as a screen reader meets it on the AT-SPI bus: the machine's description follows a coin and a
game played with the keys, and the purse and credits it names are what the screen shows.

  screen_reader.py WINDOW ORIGIN PICTURES LOG"""
import os
import pathlib
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen  # noqa: E402

WINDOW, ORIGIN, PICTURES, LOG = sys.argv[1:5]
PICTURES = pathlib.Path(PICTURES)


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


heard = []  # the types of the events the bus has told of
pyatspi.Registry.registerEventListener(lambda event: heard.append(event.type),
                                       "object:property-change:accessible-description")


def until(condition, what=None, seconds=30):
    """The condition's value once it holds (the bus read meanwhile); at the deadline, fails saying what, or is None."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    if what:
        fail(what)


app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Fruitwhirl"), None),
            'no application "Fruitwhirl" on the AT-SPI bus')
is_machine = lambda n: n.getRoleName() == "image" and n.name == "Fruitwhirl machine"  # noqa: E731
machine = until(lambda: pyatspi.findDescendant(app, is_machine),
                'no picture named "Fruitwhirl machine" in the application')


def marks(name):
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return sum(1 for line in log if line.startswith(f"trace {name} "))


def press(key, mark):
    """Presses a key until the machine has handled it (its trace mark), once more when X lost it."""
    before = marks(mark)
    for _ in range(2):
        subprocess.run(["xdotool", "windowfocus", "--sync", WINDOW], check=False, capture_output=True)
        subprocess.run(["xdotool", "key", "--window", WINDOW, key], check=False, capture_output=True)
        if until(lambda: marks(mark) > before, seconds=40 if mark == "key-go" else 5):
            return
    fail(f"the key {key} did not reach the machine (no trace mark {mark})")


def described(test, what):
    """Waits until the bus has told of a new description that passes the test; returns it."""
    def told():
        if not heard:
            return None
        heard.clear()
        text = machine.description
        return text if test(text) else None
    return until(told, f"{what}; the description: {machine.description!r}")


def as_shown():
    """Whether the purse and the credits said are the screen's money counter and lit credit lamps."""
    shot = os.path.join(os.path.dirname(LOG), "reader.png")
    subprocess.run(["import", "-window", "root", shot], check=True)
    x, y = map(int, ORIGIN.split(","))
    counter, lamps = screen.state(screen.Picture(shot), x, y, PICTURES)
    coins = counter.strip("-")
    return coins.isdigit() and f"Purse: {int(coins)} coins. Credits: {lamps}." in machine.description


until(lambda: "Credits: 0." in machine.description, "the machine was never described")
until(as_shown, f"the start-up's machine is not what it shows: {machine.description!r}")
press("c", "key-coin")
described(lambda t: "Purse: 19 coins. Credits: 1." in t, "a coin did not make a credit")
press("space", "key-go")
described(lambda t: "Credits: 0." in t, "the game did not take the credit")
# The payout is counted onto the screen after the game's end: the figures agree once it has.
until(as_shown, f"the purse said is not the screen's counter: {machine.description!r}")
print("PASS")
