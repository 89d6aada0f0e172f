#!/usr/bin/env python3
"""The browser edition in headless Chromium, served on 127.0.0.1: each check_ plays one rule of the page on a
desktop's screen (main), on a phone (check_phone) or in a German browser (check_german).

  browser_test.py SITE_DIR PICTURES_DIR PROGRAM
"""
import base64
import contextlib
import functools
import http.server
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "e2e"))
import screen  # noqa: E402  the layout map and the reference screens

SITE, PICTURES, PROGRAM = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
WORK = pathlib.Path(tempfile.mkdtemp(prefix="fruitwhirl-web-"))
MOUSE, TOUCH = interaction.POINTER_MOUSE, interaction.POINTER_TOUCH
PAGE = []  # the browser, once started: fail() says where the page stood


def fail(why):
    print("FAIL:", why)
    try:
        print("the page:", PAGE[-1].execute_script(
            "const a = document.activeElement; return JSON.stringify({focus: a.id || a.textContent.slice(0, 40),"
            " menus: [...document.querySelectorAll('.menu.open')].map((m) => m.dataset.menu),"
            " windows: [...document.querySelectorAll('dialog[open]')].map((w) => w.id), idle: Module._fw_idle(),"
            " trace: Fruitwhirl.trace.slice(-12)})"))
    except Exception as e:  # noqa: BLE001  the page itself may be what failed
        print("the page cannot be read:", e)
    sys.exit(1)


def serve(german=None):
    """The site; its German catalogue answered with the file german, when given (the test's way to a catalogue)."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def translate_path(self, path):
            return str(german) if german and path.startswith("/l10n/de.json") else super().translate_path(path)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/?trace"


@contextlib.contextmanager
def own_browser(catalogue=None, german=False):
    """Headless Chromium, German or not, on a server of its own (catalogue: as serve takes it): d, url, server."""
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--no-first-run", "--window-size=1280,800"):
        options.add_argument(flag)
    if german:
        options.add_argument("--lang=de-DE")
        options.add_experimental_option("prefs", {"intl.accept_languages": "de-DE,de"})
    server, url = serve(catalogue)
    PAGE.append(webdriver.Chrome(options=options))
    try:
        yield PAGE[-1], url, server
    finally:
        PAGE[-1].quit()
        server.shutdown()


def program(option):
    """What the desktop's program prints for the option."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    return subprocess.run([PROGRAM, option], capture_output=True, text=True, env=env, check=True).stdout


def wait(what, check, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = check()
        if value:
            return value
        time.sleep(0.05)
    fail(f"waited {seconds} s for {what}")


def marks(d, name):
    return sum(1 for line in d.execute_script("return Fruitwhirl.trace") if line.split()[1:2] == [name])


def is_open(d, window):
    return d.execute_script("return document.getElementById(arguments[0]).open", window)


def wait_open(d, window):
    wait(f"the window #{window}", lambda: is_open(d, window))


def words(d, window):
    """The words of a window of the page (#message, #ask, #about), once it shows."""
    return wait(f"the words of #{window}", lambda: d.execute_script(
        "const w = document.getElementById(arguments[0]); return w.open && w.querySelector('p').innerText", window))


def start(d, url, load=True):
    if load:
        d.get(url)
    wait("the game to load", lambda: d.execute_script("return !!Fruitwhirl.loaded"))
    d.find_element("id", "card").click()
    wait("the start-up", lambda: marks(d, "ready") or is_open(d, "message"))


def start_past_recovery(d, url):
    """Starts the page, past the message of a recovered run, up to the machine at rest."""
    start(d, url)
    if is_open(d, "message"):
        d.find_element("css selector", "#message button").click()
    wait("the start-up after the message", lambda: marks(d, "ready"))


def restart(d, url, said):
    """Answers "Start Again" to the question that says said, and starts the reloaded page past its recovery."""
    if said not in words(d, "ask"):
        fail(f"the question does not say '{said}': {words(d, 'ask')}")
    d.find_element("css selector", "#ask [value=yes]").click()
    start_past_recovery(d, url)


def shot(d, name, canvas="#screen"):
    url = d.execute_script("return document.querySelector(arguments[0]).toDataURL('image/png')", canvas)
    path = WORK / name
    path.write_bytes(base64.b64decode(url.split(",", 1)[1]))
    return screen.Picture(path)


def state(d, name):
    """The money counter and the lit credit lamps, read off the canvas."""
    return screen.state(shot(d, name), 0, 0, PICTURES)


def on_canvas(d, place, at=None):
    """The viewport position of a place's middle (or of the machine pixel at) on the canvas, at its scale."""
    x, y, w, h = screen.cell("machine_picture", place)
    r = d.execute_script("const r = document.getElementById('screen').getBoundingClientRect();"
                         "return [r.left, r.top, r.width / 320];")
    x, y = at or (x + w / 2, y + h / 2)
    return int(r[0] + x * r[2]), int(r[1] + y * r[2])


def press_at(d, at, kind=MOUSE, hold=0.0, to=None, presses=1):
    """A mouse button or a finger put down at the point, held still for hold seconds, moved to a point, lifted."""
    actions = ActionBuilder(d, mouse=PointerInput(kind, kind))
    for _ in range(presses):
        actions.pointer_action.move_to_location(*at).pointer_down().pause(hold)
        if to:
            actions.pointer_action.move_to_location(*to).pause(0.2)
        actions.pointer_action.pointer_up()
    actions.perform()


def drag_coin(d, kind, hold=0.0):
    """A coin (a stack, when the finger is held still on the pile) dragged from the pile onto the slot."""
    press_at(d, on_canvas(d, "coin pile (press zone)"), kind, hold, on_canvas(d, "coin slot (drop zone)"))


def clicks(d):
    return sum(1 for s in d.execute_script("return Sound.log") if s[0] == "Click.wav")


def themes(d):
    return d.execute_script("return [...document.querySelectorAll('#themes button')]"
                            ".filter(b => !b.hidden).map(b => b.textContent)")


def menu_titles(d):
    return d.execute_script("return [...document.querySelectorAll('.menu > button')].map(b => b.textContent)")


def png_declaring(width, height):
    """A picture of a few bytes: the PNG signature, a header declaring width x height pixels, an empty data chunk."""
    chunk = lambda data: struct.pack(">I", len(data) - 4) + data + struct.pack(">I", zlib.crc32(data))  # noqa: E731
    header = chunk(b"IHDR" + struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    return b"\x89PNG\r\n\x1a\n" + header + chunk(b"IDAT")


def stored(d, key):
    """What is stored, or None while the page is going."""
    try:
        return d.execute_script("return localStorage.getItem(arguments[0])", key)
    except WebDriverException:
        return None


def press_key(d, key, shift=False, ctrl=False, alt=False, repeat=False):
    """A key as the browser gives it: its name ("C" with Shift or Caps Lock), the modifiers, a repeat."""
    codes = {"Backspace": 8, "Tab": 9, "Enter": 13, "Escape": 27, "F1": 112, "-": 189, "=": 187}
    code = codes.get(key, ord(key.upper()[0]))
    text = "\r" if key == "Enter" else key if len(key) == 1 and not ctrl and not alt else ""
    for kind in ("keyDown", "keyUp"):
        d.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "key": key, "windowsVirtualKeyCode": code, "autoRepeat": repeat and kind == "keyDown",
            "modifiers": (1 if alt else 0) | (8 if shift else 0) | (2 if ctrl else 0), "text": text})


def after(d, mark, what, act):
    """Does act, and waits for the page to pass the trace mark once more."""
    seen = marks(d, mark)
    act()
    wait(what, lambda: marks(d, mark) > seen)


def played(d, key, mark):
    """Presses a key of the machine's and waits for the game to have played it (and all before it)."""
    after(d, mark, f"the key {key}", lambda: press_key(d, key))


def choose(d, menu, item):
    d.find_element("css selector", f'.menu[data-menu="{menu}"] > button').click()
    d.find_element("css selector", item).click()


def configuration(d):
    choose(d, "game", '[data-command="configuration"]')
    wait_open(d, "config")


def take_configuration(d):
    d.find_element("css selector", "#config [value=ok]").click()
    wait("the configuration taken", lambda: d.execute_script("return Module._fw_idle()"))


def check_start_up(d, url):
    """The start card's logo is drawn whole device pixels a pixel; the start-up screen is the desktop's."""
    d.get(url)
    logo = wait("the start card's logo", lambda: d.execute_script(
        "const i = document.querySelector('#card img');"
        "return i.complete && i.width * devicePixelRatio / i.naturalWidth"))
    if logo % 1:
        fail(f"the start card's logo is drawn {logo} device pixels a pixel")
    start(d, url, load=False)
    if screen.find(shot(d, "startup.png"), screen.Picture(screen.TESTS / "screens" / "startup.png")) != (0, 0):
        fail("the start-up screen differs from tests/screens/startup.png")


def clear_of_machine(d, which):
    """The window beside the machine covers neither the lever nor the reels."""
    box = d.execute_script("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                           "return [r.left, r.top, r.right, r.bottom];", which)
    for place in ("lever", "display / reel window"):
        x, y, w, h = screen.cell("machine_picture", place)
        (left, top), (right, bottom) = on_canvas(d, place, (x, y)), on_canvas(d, place, (x + w, y + h))
        if box[0] < right and left < box[2] and box[1] < bottom and top < box[3]:
            fail(f"{which} at {box} covers the {place} at {[left, top, right, bottom]}")


def check_odds(d):
    """Help, Odds and Payouts on a fresh start shows each section as `fruitwhirl --odds` prints it: title, columns
    (the page adds the next game's), rows, each cell with its exact fraction, the first sentence of its note."""
    choose(d, "help", '[data-command="odds"]')
    wait_open(d, "odds")
    clear_of_machine(d, "#odds")
    printed = " ".join(re.sub("^-+$", "", program("--odds"), flags=re.M).split())  # without the rules under titles
    shown = d.execute_script("""return [...document.querySelectorAll('#odds section')].map((part) => {
        const joint = part.querySelector('table.figures') ? ': ' : ' ';
        const rows = [...part.querySelectorAll('tr')].map((row) => [...row.cells].slice(0, 3)
          .map((c) => c.textContent + (c.title ? ', exactly ' + c.title : '')).join(joint));
        return [part.querySelector('h3').textContent, ...rows, part.querySelector('p').textContent.split('. ')[0]]
          .join(' ');
      });""")
    shown = [" ".join(part.split()) for part in shown if part.split(" ")[0] in printed]
    if len(shown) < 3 or any(part not in printed for part in shown):
        fail(f"the page's odds are not what --odds prints: {[p for p in shown if p not in printed]}")
    d.find_element("css selector", "#odds button[value=ok]").click()


def check_about(d):
    """Help, About says what the desktop's says: the version, the licence, the way to the manual; no dead link."""
    version = program("--version").split()[-1]
    choose(d, "help", '[data-command="about"]')
    text = words(d, "about")
    links = d.execute_script("return document.querySelectorAll('#about a').length")
    if not text.startswith(f"Version {version}\n") or "MIT License" not in text or "Manual For" not in text or links:
        fail(f"About says, with {links} links (the build gives no address): {text}")
    d.find_element("css selector", "#about button[value=ok]").click()


def check_display_presses(d):
    """Every press on the display window is a press, as on the desktop: one a fraction of a pixel right of the reel
    window's last column lands on that column (the high-score list), and two quick taps are two (the list, then a
    line's page); Backspace goes back from each."""
    x, y, w, h = screen.cell("machine_picture", "display / reel window")
    # The column at x + w is the press zone's last; one CSS pixel into it (of two or more) is a fraction past it.
    edge = on_canvas(d, "display / reel window", (x + w, y + h / 2))
    edge = (edge[0] + 1, edge[1])
    for what, at, presses in [("the press at the edge", edge, 1),
                              ("two quick taps", on_canvas(d, "display / reel window"), 2)]:
        before = clicks(d)
        press_at(d, at, presses=presses)
        wait(f"a click for each of {what}", lambda: clicks(d) >= before + presses)
        for _ in range(presses):
            played(d, "Backspace", "key-back")


def check_first_game(d):
    """Coins dragged by mouse and by finger make credits; a tap on the lever knob plays a game that takes one; the
    caption line (on at first), its event and the live region tell it; the spin's sounds in order, then rest."""
    d.execute_script("window.told = []; document.addEventListener('fw-caption', (e) => told.push(e.detail));")
    drag_coin(d, MOUSE)
    wait("a credit for the coin dragged by the mouse", lambda: state(d, "one.png")[1] == 1)
    drag_coin(d, TOUCH)
    wait("a credit for the coin dragged by a finger", lambda: state(d, "two.png")[1] == 2)
    before = state(d, "before.png")[0]
    press_at(d, on_canvas(d, "lever knob (click zone)"), TOUCH)
    wait("the game's end", lambda: marks(d, "game-end") == 1)
    counter, lamps = state(d, "game.png")
    paid = int(counter.strip("-")) - int(before.strip("-"))
    if lamps != 1:
        fail(f"the game from {before} ended at {counter} with {lamps} lamps, not with one credit left")
    line, hidden, told = d.execute_script(
        "const c = document.querySelector('#caption');"
        "return [c.textContent, c.hidden || c.getAttribute('aria-hidden') !== 'true', told.at(-1)];")
    if hidden or told != {"sentence": line, "urgent": paid == 100} or not (
            line.startswith("No win: ") if not paid else f": {paid} coins." in line):
        fail(f"the caption line after a game paying {paid} says {line!r} (hidden: {hidden}, told: {told})")
    if said(d, "alert" if paid == 100 else "status") != line:
        fail(f"after the game the live region says {said(d, 'status')!r}, the caption line {line!r}")
    sounds = d.execute_script("return Sound.log")
    spin = [s for s in sounds if s[0] in ("Lever.wav", "WhlRun.wav") or s[0].startswith("klonk")]
    if spin != [["Lever.wav", "once"], ["WhlRun.wav", "loop"], ["klonk1.wav", "once"],
                ["klonk2.wav", "once"], ["klonk3.wav", "once"], ["WhlRun.wav", "stop"]]:
        fail(f"the sounds of the spin, in order: {sounds}")
    if d.execute_script("return Sound.buffers.filter(Boolean).length") != 22:
        fail("not every one of the 22 sounds was decoded by the browser")
    wait("the sound to rest after the game", lambda: d.execute_script("return Sound.context.state") == "suspended")


def check_keys(d):
    """C drops a coin, also with Caps Lock on; Shift+C a stack of five; a held key's repeats drop nothing.
    Each row ends with the list shown and left again (H, Backspace): the key before has been played."""
    rows = [("C", dict(key="c"), 1), ("Shift+C", dict(key="C", shift=True), 5),
            ("C with Caps Lock", dict(key="C"), 1), ("a held C's repeat", dict(key="c", repeat=True), 0)]
    for what, press, coins in rows:
        before = state(d, "keys.png")[1]
        press_key(d, **press)
        played(d, "h", "key-highscores")
        played(d, "Backspace", "key-back")
        if state(d, "keys.png")[1] != before + coins:
            fail(f"{what}: {before} credits became {state(d, 'keys.png')[1]}, not {before + coins}")


def check_play_time_clock(d):
    """This run's page (S) starts the play-time clock at a tick a second, the interval the desktop's has."""
    asked = d.execute_script("return window.intervals.length")
    played(d, "s", "key-statistics")
    interval = wait("the clock's timer", lambda: d.execute_script(
        "return window.intervals.length > arguments[0] && window.intervals.at(-1)", asked))
    played(d, "Backspace", "key-back")
    if interval != 1000:
        fail(f"the play-time clock ticks every {interval} ms")


def check_kept_when_hidden(d):
    """The run is kept when the tab is hidden (a phone may then discard it) and when the page goes."""
    for what, script in [("the tab is hidden", "Object.defineProperty(document, 'visibilityState', {value: 'hidden', "
                          "configurable: true}); document.dispatchEvent(new Event('visibilitychange'));"
                          "delete document.visibilityState;"),
                         ("the page goes", "window.dispatchEvent(new PageTransitionEvent('pagehide'));")]:
        after(d, "record-written", f"the records kept when {what}", lambda: d.execute_script(script))


def stored_speed(d, slider=None):
    """Game, Configuration, the speed slider moved to its "min" or "max" end (or left), OK: the speed kept."""
    configuration(d)
    if not d.execute_script("const n = document.querySelector('#config [name=name]'); return document.activeElement"
                            " === n && n.selectionEnd - n.selectionStart === n.value.length"):
        fail("Configuration does not open with the name selected, ready to be typed over")
    if slider:
        d.execute_script("const s = document.querySelector('#config [name=speed]'); s.value = s[arguments[0]];", slider)
    take_configuration(d)
    return int(re.search(r"\nSpeed=(\d+)", d.execute_script("return Fruitwhirl.taken(Module._fw_records_text())"))[1])


def check_menus(d):
    """Every item of the menus does what it says (About and the Odds: check_about, check_odds)."""
    slow, fast = stored_speed(d, "min"), stored_speed(d, "max")
    if not fast < slow or stored_speed(d) != fast:
        fail(f"the slider's Slow end keeps speed {slow}, its Fast end {fast}, and OK unchanged does not keep it")
    choose(d, "help", '[data-command="manual"]')
    manual = wait("the manual", lambda: is_open(d, "manual") and d.execute_script(
        "return document.querySelector('#manual pre').textContent"))
    if "Download Records" not in manual or "--scale" in manual or "\n@" in manual:
        fail("the manual is not the browser's")
    clear_of_machine(d, "#manual")
    d.find_element("css selector", "#manual [value=ok]").click()
    choose(d, "theme", "#themes button:nth-child(2)")
    wait("the second theme chosen", lambda: d.execute_script(
        "return document.querySelector('#themes button:nth-child(2)').classList.contains('checked')"))
    zooms = [("View, Actual Size", '[data-view="actual"]', 1), ("View, Zoom In", '[data-view="in"]', 2),
             ("Ctrl+- during a spin", "-", 1), ("Ctrl+=", "=", 2), ("View, Zoom Out", '[data-view="out"]', 1)]
    for what, how, scale in zooms:
        games = marks(d, "game-end")
        if "spin" in what:
            played(d, " ", "spin-start")
        if how.startswith("["):
            choose(d, "view", how)
        else:
            press_key(d, how, ctrl=True)
        wait(f"{what} to show the machine at {scale}", lambda: d.execute_script("return Display.scale") == scale)
        if "spin" in what:
            wait("the game's end", lambda: marks(d, "game-end") > games)


def check_keyboard_menus(d):
    """The keys are the machine's only while it has the focus: the menus and Configuration are walked with Alt+G,
    Enter and Escape back to the machine, where Space pulls the lever; Tab is the browser's."""
    focused = lambda: d.execute_script(  # noqa: E731
        "const a = document.activeElement; return a.id || a.dataset.command || a.name || a.textContent")
    spins = marks(d, "spin-start")
    for what, press, then in [("Alt+G", dict(key="g", alt=True), "configuration"),
                              ("Escape in the menu", dict(key="Escape"), "Game"),
                              ("Enter on the menu's name", dict(key="Enter"), "configuration"),
                              ("Enter on Configuration", dict(key="Enter"), "name"),
                              ("Escape in Configuration", dict(key="Escape"), "screen")]:
        press_key(d, **press)
        wait(f"{what} to leave the focus on {then}", lambda: focused() == then and not d.execute_script(
            "return !!document.querySelector('.menu.open') !== (arguments[0] === 'configuration')", then))
    if marks(d, "spin-start") != spins:
        fail("a key meant for the menus pulled the lever")
    after(d, "game-end", "the game's end", lambda: played(d, " ", "spin-start"))
    press_key(d, "Tab")
    wait("Tab to move the focus off the machine", lambda: focused() != "screen")
    # A press beside an open menu only closes it; the next press is the machine's.
    spins = marks(d, "spin-start")
    d.find_element("css selector", '.menu[data-menu="game"] > button').click()
    press_at(d, on_canvas(d, "lever knob (click zone)"))
    after(d, "press", "the press on the display window", lambda: press_at(d, on_canvas(d, "display / reel window")))
    played(d, "Backspace", "key-back")
    if marks(d, "spin-start") != spins or d.execute_script("return !!document.querySelector('.menu.open')"):
        fail("a press beside an open menu reached the machine, or left the menu open")


def check_volume(d):
    """The volume of Configuration sets the level of every sound and is kept; M mutes and gives it back.
    A name with a letter the machine's font has not shows as the machine will draw it."""
    configuration(d)
    preview = "const f = document.querySelector('#config form').elements; f.name.value = arguments[0];" \
              "f.name.dispatchEvent(new Event('input')); return !document.querySelector('#config .preview').hidden"
    if not d.execute_script(preview, "Đuro") or d.execute_script(preview, "Zoë-Ñúñez!"):
        fail("the preview of the name is not shown for Đuro alone")
    d.execute_script("document.querySelector('#config [name=volume]').value = 30")
    take_configuration(d)
    gain = lambda: round(d.execute_script("return Sound.output.gain.value"), 2)  # noqa: E731
    if gain() != 0.3 or "\nVolume=30" not in d.execute_script("return Fruitwhirl.taken(Module._fw_records_text())"):
        fail(f"the volume of 30 % plays at {gain()} and is not kept")
    for key, level in (("m", 0), ("M", 0.3)):
        press_key(d, key, shift=key == "M")
        wait(f"{key}: the sound at {level}", lambda: gain() == level)


def ax_nodes(d):
    """The nodes of Chromium's accessibility tree a screen reader reads: role, name, description, text held."""
    nodes = d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}
    value = lambda n, key: (n.get(key) or {}).get("value")  # noqa: E731

    def text(n):
        own = value(n, "name") if value(n, "role") == "StaticText" else ""
        return (own or "") + "".join(text(by_id[c]) for c in n.get("childIds", []) if c in by_id)
    return [{"role": value(n, "role"), "name": value(n, "name") or "", "description": value(n, "description") or "",
             "text": text(n)} for n in nodes if not n.get("ignored")]


def said(d, role):
    """What a live region of the role says, as a screen reader finds it."""
    return next((n["text"] for n in ax_nodes(d) if n["role"] == role), None)


def check_screen_reader(d):
    """In Chromium's accessibility tree the canvas is the picture "Fruitwhirl machine", described with the purse and
    credits the screen shows, after a coin too; every item of each menu and control of a dialog has a name."""
    def as_shown(name):
        counter, lamps = state(d, name)
        said = f"Purse: {int(counter.strip('-'))} coins. Credits: {lamps}."
        wait(f"the description to say {said}", lambda: any(n["role"] == "image" and n["name"] == "Fruitwhirl machine"
                                                            and said in n["description"] for n in ax_nodes(d)))
        return lamps
    before = as_shown("reader.png")
    played(d, "c", "key-coin")
    if as_shown("reader-coin.png") != before + 1:
        fail("the coin made no credit")
    for menu in ("game", "theme", "view", "help"):
        d.find_element("css selector", f'.menu[data-menu="{menu}"] > button').click()
        items = [n for n in ax_nodes(d) if n["role"] in ("menuitem", "menuitemradio", "menuitemcheckbox")]
        if len(items) <= 4 or not all(n["name"].strip() for n in items):
            fail(f"the {menu} menu's items as a screen reader finds them: {[n['name'] for n in items]}")
        d.execute_script("Dialogs.closeMenus()")
    configuration(d)
    nodes = ax_nodes(d)
    controls = [n for n in nodes if n["role"] in ("textbox", "checkbox", "slider", "button")]
    if not any(n["role"] == "dialog" and n["name"] == "Configuration" for n in nodes) or len(controls) < 6 \
            or not all(n["name"].strip() for n in controls):
        fail(f"Configuration as a screen reader finds it: {[(n['role'], n['name']) for n in controls]}")
    d.find_element("css selector", "#config [value=cancel]").click()
    # The manual, beside the machine, takes the focus and gives it back (Configuration's: check_keyboard_menus).
    in_manual = "return document.querySelector('#manual').contains(document.activeElement) === arguments[0]"
    press_key(d, "F1")
    wait("the focus in the manual", lambda: is_open(d, "manual") and d.execute_script(in_manual, True))
    press_key(d, "Escape")
    wait("the focus back on the machine from the manual", lambda: not is_open(d, "manual") and d.execute_script(
        "return document.activeElement === document.getElementById('screen')"))


def check_live_regions(d):
    """An urgent sentence (a panel's, here told by the page's own event) goes to the assertive live region and
    leaves the polite one, which holds the last caption (check_first_game), as it was."""
    polite = said(d, "status")
    urgent = "Out of coins: continue or quit."
    d.execute_script("document.dispatchEvent(new CustomEvent('fw-caption', {detail: "
                     "{sentence: arguments[0], urgent: true}}))", urgent)
    wait(f"the assertive live region to say {urgent}", lambda: said(d, "alert") == urgent)
    if said(d, "status") != polite:
        fail(f"an urgent sentence took the polite region's place: {said(d, 'status')}")


def check_second_tab(d, url):
    """A second tab of the site is refused while the first plays."""
    d.switch_to.new_window("tab")
    d.get(url)
    wait("the second tab's refusal", lambda: d.execute_script("return !!Fruitwhirl.refused"))
    d.close()
    d.switch_to.window(d.window_handles[0])


def check_resumed(d, url):
    """The page goes mid-run without a quit, reloaded or its tab closed: the next visit resumes the run as it
    stood, with no message, at the zoom chosen (1, from check_menus) and with View, Captions turned off."""
    captions = "return document.querySelector('[data-view-item=captions]').getAttribute('aria-checked')"
    if d.execute_script(captions) != "true":
        fail("View, Captions is on but a screen reader hears it as not checked")
    choose(d, "view", '[data-view-item="captions"]')
    wait("the caption line to go", lambda: d.execute_script("return document.querySelector('#caption').hidden"))
    for how in ("reload", "closed tab"):
        left = state(d, "left.png")  # the purse, and the coins the keys put into the machine
        if not left[1]:
            fail(f"no credit is lit before the {how}")
        if how == "reload":
            d.refresh()
        else:
            d.switch_to.new_window("tab")
            d.switch_to.window(d.window_handles[0])
            d.close()
            d.switch_to.window(d.window_handles[0])
        start(d, url)
        captions_off = d.execute_script(
            "const item = document.querySelector('[data-view-item=captions]');"
            "return document.querySelector('#caption').hidden && !item.matches('.checked')"
            " && item.getAttribute('aria-checked') === 'false'")
        resumed = state(d, "resumed.png"), d.execute_script("return Display.scale"), captions_off, is_open(d, "message")
        if resumed != (left, 1, True, False):
            fail(f"after the {how} the run left at {left} comes back as {resumed} (zoom, captions off, a message)")


def check_records_files(d, url):
    """The records downloaded are the desktop's settings file; a damaged file is not loaded; a clean one takes
    the records' place (the run under way not entered into it), once the question has named, with its line,
    a value that is not taken as it stands. Returns the damaged file's text."""
    choose(d, "game", '[data-records="download"]')
    download = d.execute_script("return Store.lastDownload")
    (WORK / download["name"]).write_text(download["text"])
    if screen.check_ini(WORK / "Fruitwhirl.ini") or download["text"] != stored(d, "Fruitwhirl.ini"):
        fail("the downloaded records are not the stored ones as the desktop's settings file")
    damaged = "# written by hand\n" + download["text"]
    (WORK / "mine.ini").write_text(damaged)
    d.find_element("id", "load").send_keys(str(WORK / "mine.ini"))
    text = words(d, "message")
    if "mine.ini" not in text or "line 1 is a comment" not in text or stored(d, "Fruitwhirl.ini") != download["text"]:
        fail(f"a damaged file was loaded: {text}")
    clean = re.sub(r"\nScore=\d+", "\nScore=40000", download["text"].replace("Name=Ardo", "Name=Nell"), 1)
    (WORK / "clean.ini").write_text(clean)
    d.find_element("id", "load").send_keys(str(WORK / "clean.ini"))
    line = clean[:clean.index("Score=40000")].count("\n") + 1
    if f"line {line}: Score=40000 in [High-01] is more than 32767" not in words(d, "ask"):
        fail(f"the question does not name the score of 40000: {words(d, 'ask')}")
    d.find_element("css selector", "#ask [value=yes]").click()
    wait("the records loaded", lambda: "Name=Nell" in (stored(d, "Fruitwhirl.ini") or ""))
    start(d, url)
    if is_open(d, "message") or "Name=Nell" not in stored(d, "Fruitwhirl.ini"):
        fail("the loaded records were not taken as they are, or the run was entered into them")
    return damaged


def check_damaged_store(d, url, damaged):
    """A damaged stored record is kept aside as it was, said and offered for download, and replaced by what
    could be read."""
    d.get(url)  # edited while no game runs, so that none saves over it
    d.execute_script("localStorage.setItem('Fruitwhirl.ini', arguments[0])", damaged)
    start(d, url)
    text = words(d, "message")
    aside = d.execute_script("return Object.keys(localStorage).filter(k => k.startsWith('Fruitwhirl-damaged-'))")
    d.find_element("css selector", "#message .offers button").click()
    if ("line 1 is a comment" not in text or len(aside) != 1 or stored(d, aside[0]) != damaged
            or d.execute_script("return Store.lastDownload") != {"name": aside[0], "text": damaged}):
        fail(f"the damaged record is not kept aside as it was and offered: {text} {aside}")
    if "#" in stored(d, "Fruitwhirl.ini"):
        fail("the damaged record was not replaced by what could be read")
    d.find_element("css selector", "#message [value=ok]").click()


def check_added_theme(d, url):
    """A picture declaring a huge size is refused by name before it is decoded; a picture of the player's own
    is kept as a theme, listed from the next start on, and removed again."""
    (WORK / "tiny.png").write_bytes(png_declaring(30000, 30000))
    d.find_element("id", "theme-file").send_keys(str(WORK / "tiny.png"))
    if '"tiny.png" cannot be loaded: it is too large' not in words(d, "message"):
        fail(f"a picture declaring 30000 x 30000 pixels is not refused by its name and size: {words(d, 'message')}")
    d.find_element("css selector", "#message [value=ok]").click()
    (WORK / "Garden.png").write_bytes((PICTURES / "Gfx" / "Jewels.Thm").read_bytes())
    d.find_element("id", "theme-file").send_keys(str(WORK / "Garden.png"))
    restart(d, url, "is kept in this browser")
    if "Garden" not in themes(d):
        fail(f"the added theme is not in the Theme menu: {themes(d)}")
    choose(d, "theme", "#remove-theme")
    wait("the theme to remove", lambda: is_open(d, "remove") and d.execute_script(
        "return document.querySelector('#remove select').value"))
    d.find_element("css selector", "#remove [value=remove]").click()
    restart(d, url, "is removed from this browser")
    if "Garden" in themes(d) or d.find_element("id", "remove-theme").is_enabled():
        fail(f"the removed theme is still offered: {themes(d)}")


def check_offline(d, url, server):
    """The site plays offline from its service worker; quit with the manual open (F1, then Ctrl+Q), the ended
    page shows no window over its words."""
    wait("the site in the service worker's cache", lambda: d.execute_script(
        "return !!navigator.serviceWorker.controller"))
    server.shutdown()
    server.server_close()
    start_past_recovery(d, url)
    press_key(d, "F1")
    wait_open(d, "manual")
    press_key(d, "q", ctrl=True)
    wait("the end", lambda: marks(d, "end"))
    if d.execute_script("return document.querySelectorAll('dialog[open]').length"):
        fail("a window stays open over the ended page")


def as_phone(d):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    return d


def control(d, name, mark):
    """A touch control tapped, and the key it stands for played."""
    at = d.execute_script("const r = document.querySelector(`[data-control=${arguments[0]}]`).getBoundingClientRect();"
                          "return [r.left + r.width / 2, r.top + r.height / 2];", name)
    after(d, mark, f"the {name} control's key", lambda: press_at(d, [int(v) for v in at], TOUCH))


def check_phone():
    """A phone in portrait: the machine's targets as large controls below it, which look as the machine's do and
    play; a finger held on the pile picks up a stack, a tap just beside the lever knob pulls it."""
    with own_browser() as (d, url, _):
        start(as_phone(d), url)
        sizes = d.execute_script("return [...document.querySelectorAll('.control')].map(b => b.getBoundingClientRect())"
                                 ".map(r => [r.width, r.height, r.right <= innerWidth && r.bottom <= innerHeight])")
        if len(sizes) != 8 or any(w < 44 or h < 44 or not inside for w, h, inside in sizes):
            fail(f"the touch controls are not eight targets of 44 x 44 CSS pixels on the screen: {sizes}")
        between = d.execute_script(
            "const r = (e) => e.getBoundingClientRect(), c = r(document.querySelector('#caption'));"
            "return !document.querySelector('#caption').hidden && c.top >= r(document.querySelector('#screen')).bottom"
            " && c.bottom <= Math.min(...[...document.querySelectorAll('.control')].map((b) => r(b).top))")
        if not between:
            fail("on a phone the caption line is not between the machine and its controls")
        # Each hold control shows the machine's hold button (GO dark: no credit is in) at twice its size.
        shot(d, "phone.png")
        for r in range(3):
            x, y, w, h = screen.cell("machine_picture", f"hold button {r}")
            subprocess.run(["convert", WORK / "phone.png", "-crop", f"{w}x{h}+{x}+{y}", "-scale", "200%",
                            WORK / "want.png"], check=True)
            drawn = shot(d, "hold.png", f"[data-control=hold{r + 1}] canvas")
            if not screen.find(drawn, screen.Picture(WORK / "want.png")):
                fail(f"the hold control of reel {r + 1} does not show the machine's hold button")
        control(d, "lever", "key-go")
        if d.execute_script("return Sound.log.at(-1)") != ["Wrong.wav", "once"]:
            fail("the lever control without a credit is not refused with the machine's sound")
        control(d, "stack", "key-stack")
        wait("five credits from the stack control", lambda: state(d, "phone.png")[1] == 5)
        control(d, "statistics", "key-statistics")
        control(d, "statistics", "key-back")
        drag_coin(d, TOUCH, hold=0.8)
        wait("a stack picked up by a finger held on the pile", lambda: state(d, "phone.png")[1] == 10)
        x, y, w, h = screen.cell("machine_picture", "lever knob (click zone)")
        press_at(d, on_canvas(d, "lever", (x - 4, y + h / 2)), TOUCH)  # 4 CSS pixels left of the knob
        wait("the game of a tap beside the lever knob", lambda: marks(d, "game-end") == 1)


OVERFLOWS = """const root = document.querySelector('.menu.open .items, dialog[open]');
  const scrolls = (e) => /auto|scroll/.test(getComputedStyle(e).overflowX);
  const inScroller = (e) => e !== root && (scrolls(e.parentElement) || inScroller(e.parentElement));
  const out = (e, box) => { const r = e.getBoundingClientRect();
    return r.right > box.right + 1 || r.left < box.left - 1 || r.bottom > box.bottom + 1; };
  const cut = (e) => e.clientWidth && !scrolls(e)
    && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1);
  const screen = {left: 0, right: innerWidth, bottom: innerHeight}, edge = root.getBoundingClientRect();
  return [root, ...root.querySelectorAll('*')].filter((e) => e.getClientRects().length)
    .filter((e) => cut(e) || (e === root ? out(e, screen) : !inScroller(e) && out(e, edge)))
    .map((e) => (e.id || e.tagName) + ': ' + e.textContent.slice(0, 40))
    .concat(document.documentElement.scrollWidth > innerWidth ? ['the page'] : []);"""


def check_fits(d, width):
    """Each menu and window of the page, opened, fits: no text is cut off or overflows its element (but where the
    element scrolls by design), its window, or the screen; on a phone a tap beside the manual or the odds closes it."""
    opened = "return !!document.querySelector('dialog[open]')"
    windows = {"configuration": "", "about": "", "manual": "", "odds": "", "message": (
        "Dialogs.message(Contract.message.error, 'Fruitwhirl', fill(t('themes', 'The theme \"%1\" could not be "
        "kept: %2.'), 'Fruitwhirl-damaged-'.repeat(9) + '.Thm', 'QuotaExceededError'))"), "ask": (
        "Dialogs.ask('Fruitwhirl', fill(t('themes', 'The theme \"%1\" is removed from this browser; the Theme menu "
        "drops it when the game starts again. Start again now?'), 'Garden.Thm'), t('themes', 'Start Again'), "
        "t('themes', 'Later'))"), "remove": (
        "const d = document.getElementById('remove');"
        "d.querySelector('select').replaceChildren(new Option('Garden')); Dialogs.modal(d)")}
    for menu in ("game", "theme", "view", "help"):
        d.find_element("css selector", f'.menu[data-menu="{menu}"] > button').click()
        if d.execute_script(OVERFLOWS):
            fail(f"at {width} CSS pixels the {menu} menu's text overflows: {d.execute_script(OVERFLOWS)}")
        d.execute_script("Dialogs.closeMenus()")
    for which, script in windows.items():
        d.execute_script(script or "Module._fw_menu(Contract.command[arguments[0]], 0)", which)
        wait(f"the {which} window", lambda: d.execute_script(opened))
        if d.execute_script(OVERFLOWS):
            fail(f"at {width} CSS pixels the {which} window's text overflows: {d.execute_script(OVERFLOWS)}")
        if width < 600 and which in ("manual", "odds"):
            press_at(d, (width // 2, 120), TOUCH)
        else:
            d.execute_script("document.querySelector('dialog[open]').close()")
        wait(f"the {which} window closed", lambda: not d.execute_script(opened))


def check_pseudo_locale():
    """In the pseudo-locale (every sentence 40 % longer, with accents; the test's server gives it as the German
    catalogue), every menu and window fits on a desktop's screen and on a phone's in portrait."""
    l10n = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "l10n"
    pot, po, catalogue = WORK / "pseudo.pot", WORK / "pseudo.po", WORK / "pseudo.json"
    for args in (["--extract", pot], ["--pseudo", pot, po], ["--json", po, catalogue]):
        subprocess.run([sys.executable, str(l10n), *map(str, args)], check=True)
    with own_browser(catalogue, german=True) as (d, url, _):
        start_past_recovery(d, url)
        check_fits(d, 1280)
        check_fits(as_phone(d), 390)


def check_german():
    """A German browser: the page's menus in German from the start; English chosen in Configuration changes them at
    once, and is kept with the records for the next visit, from its start card on."""
    with own_browser(german=True) as (d, url, _):
        d.get(url)
        wait("the start card in German", lambda: d.execute_script(
            "return Fruitwhirl.loaded && document.querySelector('#card span').textContent") ==
            "Zum Spielen klicken oder tippen")
        start(d, url, load=False)
        if menu_titles(d) != ["Spiel", "Motiv", "Ansicht", "Hilfe"]:
            fail(f"a German browser's menus are {menu_titles(d)}")
        configuration(d)
        d.execute_script("document.querySelector('#config [name=language]').value = '1'")  # English
        d.find_element("css selector", "#config [value=ok]").click()
        wait("the menus in English", lambda: menu_titles(d) == ["Game", "Theme", "View", "Help"])
        press_key(d, "q", ctrl=True)
        wait("the end", lambda: marks(d, "end"))
        d.get(url)
        # The start card already speaks the choice, before the game reads its records.
        wait("the start card in English at the next visit", lambda: d.execute_script(
            "return Fruitwhirl.loaded && [Module.UTF8ToString(Module._fw_page_language()),"
            " document.querySelector('#card span').textContent]") == ["en", "Click or tap to play"])
        start(d, url, load=False)
        wait("the menus in English at the next visit", lambda: menu_titles(d) == ["Game", "Theme", "View", "Help"])


def main():
    with own_browser() as (d, url, server):
        # The intervals the page asks of the browser's timers, to compare with the desktop's.
        d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
            "window.intervals = []; const every = window.setInterval;"
            "window.setInterval = (f, ms, ...rest) => { window.intervals.push(ms); return every(f, ms, ...rest); };")})
        check_start_up(d, url)
        for check in (check_odds, check_about, check_display_presses, check_first_game, check_keys,
                      check_play_time_clock, check_kept_when_hidden, check_menus, check_keyboard_menus, check_volume,
                      check_screen_reader, check_live_regions):
            check(d)
        check_second_tab(d, url)
        check_resumed(d, url)
        check_damaged_store(d, url, check_records_files(d, url))
        check_added_theme(d, url)
        check_offline(d, url, server)
    check_phone()
    check_german()
    check_pseudo_locale()
    print("PASS")


if __name__ == "__main__":
    main()
