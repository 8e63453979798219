# SPDX-License-Identifier: MIT
# The X server that tests/e2e/run starts, seen from outside the program: real keys through
# xdotool, and what the server knows about the program's windows, read with xwininfo and xprop.

import os
import re
import subprocess
import time

from gi.repository import GLib

window_manager = False


def wait_for(what, condition, timeout=10.0):
    # Polls condition, delivering screen-reader events meanwhile, until it returns something
    # true; fails naming what it waited for.
    deadline = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            result = condition()
        except Exception:  # objects come and go while windows are built and closed
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.02)


def tool(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def start_window_manager():
    global window_manager
    # It ends with the X server, which xvfb-run stops when this driver ends.
    window_manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
    wait_for("openbox", lambda: "window id #" in tool("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))


def start(program, log):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)


def visible_windows(pid):
    return tool("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split()


def titles(window):
    # WM_NAME and _NET_WM_NAME, as window managers and task bars read the title.
    return re.findall(r'= "(.*)"', tool("xprop", "-id", window, "WM_NAME", "_NET_WM_NAME"))


def geometry(window):
    # (x, y, width, height) of the window's own area, in root coordinates.
    return tuple(int(n) for n in re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                            tool("xwininfo", "-id", window)))


def decorated(window):
    # Whether the window asks the window manager for a title bar and border.
    match = re.search(r"=\s*(.*)", tool("xprop", "-id", window, "_MOTIF_WM_HINTS"))
    if not match:
        return True
    flags, _functions, decorations = (int(word, 0) for word in match.group(1).split(",")[:3])
    return not (flags & 2) or decorations != 0


def focus(window):
    # Gives the window the keys: through the window manager where there is one.
    tool("xdotool", "windowactivate" if window_manager else "windowfocus", "--sync", window)


def key(*keys):
    tool("xdotool", "key", "--clearmodifiers", *keys)
