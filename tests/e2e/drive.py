# SPDX-License-Identifier: MIT
# End-to-end checks of the built program on a desktop of its own (session.py): keys go in as a
# keyboard user types them; everything else is read and done over AT-SPI, listening to its events
# as a screen reader does; the sound server's sink is recorded, and screenshots are held against
# the main window painted afresh (reference.cpp). Each check has a run of its own. Run through
# tests/e2e/run:  drive.py PROGRAM REFERENCE none|openbox|sway

import os
import re
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi
from PIL import Image, ImageChops

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import session  # noqa: E402

HAND_OVER = 2.0  # seconds from the splash to the main window
EXIT_LIMIT = 1.0  # seconds from Exit to the end of the process
ENGLISH_TITLE, FARSI_TITLE = "Vizaded Adede", "تايمر ويندوز"
APP_ID = "io.github.tickwell.tickwell"
# Under the sanitizers the program runs many times slower than a compositor waits for its frames.
PROMPT = "ASAN_OPTIONS" not in os.environ
FARSI_MENUS = ["فايل", "صفر کردن", "کمک"]
EVENTS = ("window:activate", "object:state-changed:focused")
READING = re.compile(r"(First|Second) timer (\d+):(\d+):(\d+)$")


def table(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as rows:
        return [line.rstrip("\n").split("\t") for line in rows if not line.startswith("#")]


MENU = table("menu.tsv")
SPOKEN = table("spoken.tsv")
WALK = {key: rest for key, *rest in table("walk.tsv")}


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def has(node, state):
    return node.getState().contains(state)


def act(node):  # the node's first action, Press, Toggle or Click, as a screen reader does
    node.queryAction().doAction(0)


def menu_entries(node, path=""):  # (path, shortcut, checked, node) of each entry, in order
    for child in node:
        role = child.getRole()
        if role == pyatspi.ROLE_POPUP_MENU:
            yield from menu_entries(child, path)
        elif role != pyatspi.ROLE_MENU_ITEM:  # a separator
            continue
        elif child.childCount:
            yield from menu_entries(child, f"{path}{child.name}/")
        else:
            yield (f"{path}{child.name}", child.queryAction().getKeyBinding(0),
                   has(child, pyatspi.STATE_CHECKED), child)


class Run:  # a run of the program from the splash on, seen from its desktop and by a screen reader

    def __init__(self, program, orca=None):  # and the screen reader that listens, if any
        self.log, self.orca = tempfile.TemporaryFile(), orca
        self.heard, self.window = [], None
        pyatspi.Registry.registerEventListener(self.hear, *EVENTS)
        self.process = x.start(program, self.log)

    def started(self):
        splash, shown = x.wait_for("the splash", self.windows), time.monotonic()
        self.main_x = x.wait_for("the main window", lambda: self.new_windows(splash))[0]
        delay = time.monotonic() - shown
        assert HAND_OVER - 0.5 <= delay <= HAND_OVER + 3, f"main window came {delay:.2f} s later"
        x.wait_for("the splash to go", lambda: self.windows() == [self.main_x])
        self.app = x.wait_for("the program over AT-SPI", lambda: next(
            a for a in pyatspi.Registry.getDesktop(0) if a.get_process_id() == self.process.pid))
        self.main = x.wait_for("the main window over AT-SPI", lambda: next(
            w for w in self.app if w.getRole() == pyatspi.ROLE_FRAME and self.menu_bar(w)))

    def hear(self, event):
        try:
            if event.type.startswith("window:activate"):
                self.window = event.source.name
            elif event.detail1:
                self.heard.append((self.window, event.source.name))
        except Exception:  # its source may be gone already
            pass

    def windows(self):
        return x.windows(self.process.pid)

    def new_windows(self, known):
        return [w for w in self.windows() if w not in known]

    def menu_bar(self, main=None):
        return next(n for n in main or self.main if n.getRole() == pyatspi.ROLE_MENU_BAR)

    def entry(self, wanted):  # by path or shortcut
        return next(n for p, k, _, n in menu_entries(self.menu_bar()) if wanted in (p, k))

    def reading(self, counter):  # (h, m, s), as the counter's seconds field reads it
        found = (READING.match(n.name) for n in descendants(self.main))
        return next(tuple(map(int, m.groups()[1:])) for m in found if m and m[1] == counter)

    def ticks(self, counter):  # within the first hour
        hours, minutes, seconds = self.reading(counter)
        return hours * 3600 + minutes * 60 + seconds

    def tick(self, what="the next tick", timeout=10.0):  # waits for the first counter's next tick
        counted = self.ticks("First")
        x.wait_for(what, lambda: self.ticks("First") > counted, timeout=timeout)

    def opens(self, key):
        # A key that opens a window, as a keyboard user presses it: a screen reader hears the
        # window's name, then a button take the focus, which is returned.
        window, button = WALK[key]
        self.heard.clear()
        x.key(key)
        x.wait_for(f"{key} to name {window} with the focus on {button}",
                   lambda: (window, button) in self.heard)
        return next(n for w in self.app if w.name == window for n in descendants(w)
                    if n.name == button and has(n, pyatspi.STATE_FOCUSED))

    def closes(self, button, key=None):
        # By a key, or else by the screen reader's action on its focused button.
        if key:
            x.key(key)
        else:
            act(button)
        x.wait_for("the window to close", lambda: len(self.app) == 1)

    def ends(self, how):
        how()
        status = self.process.wait(timeout=EXIT_LIMIT)
        assert status == 0, f"ended with status {status}"

    def printed(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def close(self):  # returns what the program printed
        pyatspi.Registry.deregisterEventListener(self.hear, *EVENTS)
        self.process.kill()
        self.process.wait()
        self.orca and self.orca.close()
        return self.printed()


def screen_shows_the_count(run, language, trail=0):
    # Taken between two readings of the first counter, the main window's pixels on the screen are
    # a fresh painting of one of the readings in between, or of one that a frame ago was the
    # last: trail ticks earlier.
    x.wait_for("the first counter to move on", lambda: run.ticks("First") >= trail + 2)
    with tempfile.TemporaryDirectory() as folder:
        for _attempt in range(3):
            first = run.ticks("First") - trail
            shot = x.screenshot(run.main_x).convert("RGB")
            readings = [f"{t // 3600}:{t // 60 % 60}:{t % 60}"
                        for t in range(first, run.ticks("First") + 1)]
            subprocess.run([REFERENCE, language, folder, *readings], check=True,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True)
            painted = (Image.open(f"{folder}/{r}.png").convert("RGB") for r in readings)
            if any(p.size == shot.size and not ImageChops.difference(p, shot).getbbox()
                   for p in painted):
                return
    shot.save(os.path.join(tempfile.gettempdir(), "tickwell-e2e-screen.png"))
    raise AssertionError(f"the screen does not show the count {readings} ({language})")


def check_menu_and_rule(run):
    found = [[p, k, "yes" if c else "no"] for p, k, c, _ in menu_entries(run.menu_bar())]
    assert found == MENU, f"menu entries differ: {found}"
    assert x.app_id(run.main_x) in (None, APP_ID), f"app id {x.app_id(run.main_x)}"
    frames = [n for n in descendants(run.main) if n.getRole() == pyatspi.ROLE_FRAME]
    assert not frames, "the rule between the rows is read as a frame"
    with open(f"/proc/{run.process.pid}/maps") as maps:  # nothing of sound before Beep
        assert not re.search("libcanberra|libpulse", maps.read()), "sound loaded without Beep"


def check_second_row_shows_only_in_sight(run):
    def showing():
        return sum(1 for n in descendants(run.main) if n.getRole() == pyatspi.ROLE_LABEL and
                   (has(n, pyatspi.STATE_SHOWING) or has(n, pyatspi.STATE_VISIBLE)))

    def height():
        return x.geometry(run.main_x)[3]

    stopped = height()
    # Each row is read as one label, its readable counter.
    assert showing() == 1, f"{showing()} labels read as showing, with only the first row in sight"
    x.key("F2")
    x.wait_for("a taller window showing both rows", lambda: height() > stopped and showing() == 2)
    x.wait_for("the second counter to run", lambda: run.reading("Second") > (0, 0, 0))
    x.key("F3")
    x.wait_for("the first height, showing one row", lambda: height() == stopped and showing() == 1)
    run.closes(run.opens("F7"), "Return")
    x.wait_for("a reset of the hidden row", lambda: run.reading("Second") == (0, 0, 0))


def check_options_chosen_by_screen_reader(run):
    ok = run.opens("F4")
    options = next(w for w in run.app if w.name == "Options")
    frames = [n.name for n in descendants(options) if n.getRole() == pyatspi.ROLE_PANEL]
    buttons = [n for n in descendants(options) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    assert len(frames) == 6 and all(frames), f"Options frames {frames}"
    assert len(buttons) == 31 and all(b.name for b in buttons), "unnamed option buttons"
    assert not any(has(b, pyatspi.STATE_CHECKED) for b in buttons), "an option is selected"
    option = {b.name: b for b in reversed(buttons)}  # the first of two captions: Digit Color
    act(option["Red"])
    x.wait_for("the mark on Red", lambda: has(option["Red"], pyatspi.STATE_CHECKED))
    act(option["10      (0.01 Sec)"])
    x.wait_for("the first counter at 10 ms a tick", lambda: run.reading("First") >= (0, 1, 0))
    act(option["Second"])
    copied = x.wait_for("the seconds field in the title",
                        lambda: run.main.name.isdigit() and run.main.name)
    x.wait_for("the seconds field to move on", lambda: str(run.reading("First")[2]) != copied)
    act(option["Second"])
    x.wait_for("choosing Second again to copy the field anew", lambda: run.main.name != copied)
    act(next(n for n in descendants(options) if n.name == "Default" and
             n.getRole() == pyatspi.ROLE_PUSH_BUTTON))
    x.wait_for("Default to set the title", lambda: run.main.name == ENGLISH_TITLE)
    act(option["10      (0.01 Sec)"])
    run.closes(ok)
    screen_shows_the_count(run, "english", trail=2)  # a frame is two ticks at 10 ms


def check_keyboard_walk_in_english(run):
    run.opens("F6")
    dialog = run.new_windows([run.main_x])[0]
    left, top, width, height = x.geometry(dialog)
    assert width < 300 and height < 150, f"confirmation is {width}x{height}"
    assert not x.decorated(dialog), "confirmation has a title bar"
    centre = (left + width / 2, top + height / 2)  # on the 1280x1024 screen of tests/e2e/run
    assert not x.places_windows or max(abs(centre[0] - 640), abs(centre[1] - 512)) <= 2, \
        f"centred at {centre}"
    run.closes(None, "space")
    for key in ("F8", "F1", "ctrl+a", "F5"):
        run.closes(run.opens(key), "Return")
    run.opens("F4")


def check_marks_and_language(run):
    def marked(shortcut):
        return has(run.entry(shortcut), pyatspi.STATE_CHECKED)

    x.key("ctrl+b")
    x.wait_for("the mark on Beep", lambda: marked("Ctrl+B") and not marked("Ctrl+N"))
    act(run.entry("File/No Beep"))
    x.wait_for("the mark back on No Beep", lambda: marked("Ctrl+N") and not marked("Ctrl+B"))
    screen_shows_the_count(run, "english")
    x.key("ctrl+f")
    x.wait_for("the Farsi title", lambda: x.title(run.main_x) == FARSI_TITLE)
    assert [m.name for m in run.menu_bar()] == FARSI_MENUS, "menu bar not in Farsi"
    assert marked("Ctrl+F") and not marked("Ctrl+E"), "the mark is not on Farsi"
    screen_shows_the_count(run, "farsi")
    act(run.entry("Ctrl+E"))
    x.wait_for("the English title", lambda: x.title(run.main_x) == ENGLISH_TITLE)
    assert run.menu_bar()[0].name == "File", "menu bar not in English"


def check_exit_with_every_window_open(run):
    for shortcut in ("F4", "F1", "Ctrl+A", "F6", "F7", "F8"):
        act(run.entry(shortcut))
    x.wait_for("every window", lambda: len(run.windows()) == 7)
    x.focus(run.main_x)
    x.key("F5")  # a modal message, which a screen reader's Exit from the menu does not wait for
    x.wait_for("the message", lambda: len(run.windows()) == 8)
    run.ends(lambda: act(run.entry("Ctrl+X")))


def check_beep_heard_through_a_hung_and_a_new_sound_server(run):
    def bell_lines():
        return [line for line in run.printed().splitlines() if "bell" in line]

    def heard(seconds):
        recording = x.record()
        count = recording.sounds(seconds)
        recording.close()
        return count

    x.key("ctrl+b")
    assert 4 <= (bells := heard(5)) <= 6, f"{bells} bells in 5 s of Beep at 1000 ms a tick"
    x.key("ctrl+n")
    time.sleep(0.5)  # the last bell dies away
    assert (bells := heard(2)) == 0, f"{bells} sounds in 2 s of No Beep"
    x.key("ctrl+b")
    x.pause_sound_server()
    act(run.entry("F2"))
    for _tick in range(3):  # each within two intervals of the one before
        run.tick(timeout=2.0)
    assert run.reading("Second") > (0, 0, 0), "the menu's Start did not start the second counter"
    assert len(bell_lines()) == 1, f"the program said {bell_lines()}"
    x.pause_sound_server(False)
    assert heard(3) >= 2, "no bell once the sound server answers again"
    x.restart_sound_server()
    assert heard(13) >= 2, "no bell from a sound server started again"
    x.pause_sound_server()
    run.tick("a ring to wait in the sound server")
    run.ends(lambda: x.key("ctrl+x"))
    assert len(set(bell_lines())) == len(bell_lines()), f"the program said {bell_lines()}"


def check_what_orca_says(run):
    # Each step of the table that was written against this Orca: keys typed, or "tick" for the
    # first counter's next tick, then a pattern of what Orca must have said by the tick after
    # the pattern was heard, and one of what it must not have said.
    steps = [(*row[1:], "", "")[:3] for row in SPOKEN if run.orca.version in row[0].split()]
    assert steps, f"no step was written against Orca {run.orca.version}"
    heard = 0
    for keys, wanted, unwanted in steps:
        for key in keys.split():
            run.tick() if key == "tick" else x.key(key)
        said = lambda: " / ".join(run.orca.said()[heard:])
        x.wait_for(lambda: f"/{wanted}/ after {keys!r}, not {said()!r}",
                   lambda: re.search(wanted, said()))
        run.tick()
        assert not (unwanted and re.search(unwanted, said())), f"after {keys!r}: {said()!r}"
        heard += len(run.orca.said()[heard:])


CHECKS = [
    check_menu_and_rule,
    check_second_row_shows_only_in_sight,
    check_options_chosen_by_screen_reader,
    check_keyboard_walk_in_english,
    check_marks_and_language,
    check_exit_with_every_window_open,
    check_beep_heard_through_a_hung_and_a_new_sound_server,
    check_what_orca_says,
]
# The sound is the same with or without a window manager: it is heard on X11 once, and on Wayland.
# Orca listens on X11 once, with the window manager that a desktop has.
SKIPPED = {"openbox": [check_beep_heard_through_a_hung_and_a_new_sound_server],
           "none": [check_what_orca_says], "sway": [check_what_orca_says]}


def main(program, setting):
    global x
    x = session.Sway() if setting == "sway" else session.X11(window_manager=setting == "openbox")
    failed = 0
    for check in (c for c in CHECKS if c not in SKIPPED.get(setting, [])):
        orca = check is check_what_orca_says and session.Orca(x.env)  # before the program
        began, run = time.monotonic(), Run(program, orca)
        try:
            run.started()
            check(run)
            assert not (x.shown_late() and PROMPT), "the compositor waited for windows' frames"
            verdict = "PASS"
        except Exception:
            verdict, failed = "FAIL", failed + 1
            traceback.print_exc(file=sys.stdout)
        output = run.close()
        print(f"The program printed:\n{output}" if verdict == "FAIL" else "", end="")
        print(f"{verdict} {check.__name__} ({setting}, {time.monotonic() - began:.1f} s)",
              flush=True)
    x.close()
    print(f"{failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    REFERENCE = os.path.abspath(sys.argv[2])
    sys.exit(main(os.path.abspath(sys.argv[1]), sys.argv[3]))
