#!/usr/bin/python3
"""The real program as a screen reader meets it on the AT-SPI bus: the application "Fruitwhirl" and its machine,
played with the keys (xdotool), each step waiting with a deadline for the key's trace mark, then the bus's event.

  screen_reader.py WINDOW ORIGIN PICTURES LOG description
      the description follows the game over the bus: a coin makes a credit, the game takes it, and the purse and
      the pay line it names are what the screen shows (the words offered: the core's describe tests)
  screen_reader.py WINDOW ORIGIN PICTURES LOG announcements
      what the machine says (after a press it refuses, after a game) reaches the bus as a notification"""
import os
import pathlib
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen  # noqa: E402

WINDOW, ORIGIN, PICTURES, LOG, CASE = sys.argv[1:6]
PICTURES = pathlib.Path(PICTURES)
DEADLINE = 30  # seconds for anything the program does in answer to a key


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


heard = []  # (event type, role of its source, name of its source, what it carried)


def listen(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name, event.any_data))
    except Exception as e:  # an object gone meanwhile is nothing a screen reader could read
        heard.append((event.type, "", "", repr(e)))


pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description",
                                       "object:property-change:accessible-name",
                                       "object:text-changed:insert", "object:state-changed:showing")


def pump():
    while GLib.MainContext.default().iteration(False):
        pass


def until(condition, what, seconds=DEADLINE):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    fail(what)


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Fruitwhirl"), None)


app = until(application, 'no application "Fruitwhirl" on the AT-SPI bus')
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
        end = time.monotonic() + (40 if mark == "key-go" else 5)
        while time.monotonic() < end:
            pump()
            if marks(mark) > before:
                return
            time.sleep(0.05)
    fail(f"the key {key} did not reach the machine (no trace mark {mark})")


def described(test, what):
    """Waits until the bus has told of a new description that passes the test; returns it."""
    def told():
        if not any(e[0].startswith("object:property-change:accessible-description") for e in heard):
            return None
        heard.clear()
        text = machine.description
        return text if test(text) else None
    return until(told, f"{what}; the description: {machine.description!r}")


def reels(text):
    return re.findall(r"Reel \d shows (.+?)(?: and (?:can be|is) held)?\.", text)


def screen_now():
    shot = os.path.join(os.path.dirname(LOG), "reader.png")
    subprocess.run(["import", "-window", "root", shot], check=True)
    x, y = map(int, ORIGIN.split(","))
    picture = screen.Picture(shot)
    return (*screen.state(picture, x, y, PICTURES), screen.pay_line(picture, x, y, PICTURES))


if CASE == "description":
    start = until(lambda: machine.description if "Credits: 0." in machine.description else None,
                  "the machine was never described")
    if not start.startswith("Purse: 20 coins. Credits: 0. Reel 1 shows lemon. Reel 2 shows plum. "
                            "Reel 3 shows plum."):
        fail(f"the start-up's machine is not what it shows: {start!r}")
    _, _, shown = screen_now()
    named = dict(zip(shown, reels(start)))  # the start-up's symbols by the names said for them

    press("c", "key-coin")
    described(lambda t: "Purse: 19 coins. Credits: 1." in t, "a coin did not make a credit")

    press("space", "key-go")
    described(lambda t: "Credits: 0." in t, "the game did not take the credit")
    # The payout is counted onto the screen after the game's end: the figures agree once it has.
    def pay_line_when_purse_as_shown():
        counter, _, shown = screen_now()
        coins = counter.strip("-")
        return coins.isdigit() and f"Purse: {int(coins)} coins." in machine.description and shown
    shown = until(pay_line_when_purse_as_shown, f"the purse said is not the screen's counter: {machine.description!r}")
    said = reels(machine.description)
    if None in shown or len(said) != 3:
        fail(f"the pay line shows {shown}, the description says {said}")
    for symbol, name in zip(shown, said):
        if named.setdefault(symbol, name) != name or list(named.values()).count(name) > 1:
            fail(f"the pay line shows {shown}, the description says {said} (the start-up's: {start!r})")
elif CASE == "announcements":
    def announced(what):
        def told():
            said = [e for e in heard if e[0].startswith("object:state-changed:showing") and
                    e[1] == "notification" and e[2]]
            inserted = {e[3] for e in heard if e[0].startswith("object:text-changed:insert")}
            return said[-1][2] if said and said[-1][2] in inserted else None
        until(told, f"nothing was announced {what}: heard {heard}")
        heard.clear()

    heard.clear()
    press("space", "key-go")  # no credit: the machine refuses the lever
    announced("after the refused lever")
    press("c", "key-coin")
    heard.clear()
    press("space", "key-go")
    announced("after a game")
else:
    fail(f"no case {CASE}")
print("PASS")
