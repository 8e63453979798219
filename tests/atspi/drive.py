# SPDX-License-Identifier: MIT
"""Starts Tickwell with Qt's AT-SPI bridge switched on and checks what a screen reader gets:
the menu entries with their shortcuts and check marks, the counters read as one value each,
the option buttons of the Options window, and the captions after switching to Farsi.

Run under a virtual X server and a private session bus (tests/atspi/run does both), with
Debian's /usr/bin/python3 and python3-pyatspi:  drive.py PROGRAM
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 20  # seconds for anything to appear or change

# Every menu entry as (path, shortcut, checked) in menu order.
MENU = [
    ("File/Second Timer/Start", "F2", False),
    ("File/Second Timer/Stop", "F3", False),
    ("File/Language/English", "Ctrl+E", True),
    ("File/Language/Farsi", "Ctrl+F", False),
    ("File/Beep", "Ctrl+B", False),
    ("File/No Beep", "Ctrl+N", True),
    ("File/Option/Timer 1", "F4", False),
    ("File/Option/Timer 2", "F5", False),
    ("File/Exit", "Ctrl+X", False),
    ("Reset/Timer 1", "F6", False),
    ("Reset/Timer 2", "F7", False),
    ("Reset/Both", "F8", False),
    ("Help/Help", "F1", False),
    ("Help/About", "Ctrl+A", False),
]

READING = re.compile(r"^(First|Second) timer (\d+):(\d+):(\d+)$")


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            result = condition()
        except Exception:  # objects come and go while windows are built
            result = None
        if result:
            return result
        time.sleep(0.05)
    sys.exit(f"FAIL: no {what} within {TIMEOUT} s")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def has_state(node, state):
    return node.getState().contains(state)


def application():
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "tickwell"), None)


def window(name, role=None):
    """The program's window of that name; with a role, the one holding a child of that role."""
    app = application()
    return app and next((w for w in app if w is not None and w.name == name and
                         (role is None or any(c.getRole() == role for c in w))), None)


def menu_bar(main):
    return next(n for n in main if n.getRole() == pyatspi.ROLE_MENU_BAR)


def menu_entries(node, path=""):
    """(path, shortcut, checked, node) of every menu entry under node, in menu order."""
    for child in node:
        role = child.getRole()
        if role == pyatspi.ROLE_POPUP_MENU:
            yield from menu_entries(child, path)
        elif role == pyatspi.ROLE_MENU_ITEM:
            name = f"{path}{child.name}"
            if child.childCount:
                yield from menu_entries(child, name + "/")
            else:
                action = child.queryAction()
                yield (name, action.getKeyBinding(0),
                       has_state(child, pyatspi.STATE_CHECKED), child)


def entry(main, path):
    return next(n for p, _, _, n in menu_entries(menu_bar(main)) if p == path)


def entry_by_key(main, shortcut):
    return next(n for _, k, _, n in menu_entries(menu_bar(main)) if k == shortcut)


def choose(main, path):
    entry(main, path).queryAction().doAction(0)


def reading(main, counter):
    """(h, m, s) of the counter as its seconds field reads it to a screen reader."""
    for node in descendants(main):
        match = READING.match(node.name or "")
        if match and match.group(1) == counter:
            return tuple(int(g) for g in match.groups()[1:])
    return None


def check_menu(main):
    found = [(p, k, c) for p, k, c, _ in menu_entries(menu_bar(main))]
    for path, shortcut, checked in found:
        print(f"  {path:28} {shortcut:7} {'checked' if checked else ''}")
    if found != MENU:
        sys.exit(f"FAIL: menu entries differ:\n  {found}")


def check_counters(main):
    first = wait_for("first counter reading 0:0:2 or more",
                     lambda: (r := reading(main, "First")) and r >= (0, 0, 2) and r)
    print(f"  first counter reads {first}")
    if reading(main, "Second") != (0, 0, 0):
        sys.exit("FAIL: the second counter runs before Start")
    choose(main, "File/Second Timer/Start")
    second = wait_for("second counter running",
                      lambda: (r := reading(main, "Second")) and r > (0, 0, 0) and r)
    print(f"  second counter reads {second} after Start")
    choose(main, "File/Second Timer/Stop")


def check_beep_marks(main):
    choose(main, "File/Beep")
    wait_for("check mark on Beep", lambda: has_state(entry(main, "File/Beep"),
                                                     pyatspi.STATE_CHECKED)
             and not has_state(entry(main, "File/No Beep"), pyatspi.STATE_CHECKED))
    choose(main, "File/No Beep")
    wait_for("check mark back on No Beep",
             lambda: has_state(entry(main, "File/No Beep"), pyatspi.STATE_CHECKED))
    print("  Beep / No Beep check marks follow the commands")


def check_options(main):
    choose(main, "File/Option/Timer 1")
    options = wait_for("Options window", lambda: window("Options"))
    frames = [n for n in descendants(options) if n.getRole() == pyatspi.ROLE_PANEL and n.name]
    buttons = [n for n in descendants(options) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    selected = [b.name for b in buttons if has_state(b, pyatspi.STATE_CHECKED)]
    print(f"  Options: frames {[f.name for f in frames]}")
    print(f"  Options: {len(buttons)} option buttons, selected {selected}")
    if not frames or not buttons or any(not b.name for b in buttons):
        sys.exit("FAIL: Options window frames or option buttons without names")
    red = next(b for b in buttons if b.name == "Red")
    red.queryAction().doAction(0)
    wait_for("selection of Red", lambda: has_state(red, pyatspi.STATE_CHECKED))
    print("  choosing Red over AT-SPI selects it")


def check_farsi(main):
    choose(main, "File/Language/Farsi")
    wait_for("Farsi captions", lambda: [m.name for m in menu_bar(main)][0] == "فايل")
    captions = [m.name for m in menu_bar(main)]
    print(f"  menu bar in Farsi: {captions}")
    if captions[-1] != "کمک":
        sys.exit(f"FAIL: Help menu reads {captions[-1]!r} in Farsi")
    if not has_state(entry_by_key(main, "Ctrl+F"), pyatspi.STATE_CHECKED):
        sys.exit("FAIL: no check mark on the Farsi entry")
    entry_by_key(main, "Ctrl+E").queryAction().doAction(0)
    wait_for("English captions back", lambda: [m.name for m in menu_bar(main)][0] == "File")
    print("  and back in English")


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        main_window = wait_for("main window over AT-SPI",
                               lambda: window("Tickwell", pyatspi.ROLE_MENU_BAR))
        print("menu entries:")
        check_menu(main_window)
        print("counters:")
        check_counters(main_window)
        check_beep_marks(main_window)
        check_options(main_window)
        check_farsi(main_window)
        choose(main_window, "File/Exit")
        program.wait(timeout=TIMEOUT)
        print("atspi: all checks passed")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    main()
