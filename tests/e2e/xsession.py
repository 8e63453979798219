# SPDX-License-Identifier: MIT
"""A private X server for driving the real program from outside: Xvfb, optionally openbox, and
what the X server knows about the program's windows, read with xdotool, xwininfo and xprop."""

import os
import re
import subprocess
import time

SCREEN = (1280, 1024)


def wait_for(what, condition, timeout=5.0, step=0.05):
    """Polls condition until it returns something true; fails naming what it waited for."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(step)


class XSession:
    def __init__(self, window_manager):
        self.window_manager = window_manager
        self.processes = []
        self.env = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        geometry = f"{SCREEN[0]}x{SCREEN[1]}x24"
        # Without -noreset the server starts over whenever its last client leaves, and a
        # program connecting at that moment is turned away.
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", geometry,
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            display = numbers.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        if self.window_manager:
            self._spawn(["openbox", "--sm-disable"], env=self.env)
            wait_for("openbox", lambda: "window id #" in self.tool(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.terminate()
            process.wait(timeout=10)

    def _spawn(self, command, **kwargs):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **kwargs)
        self.processes.append(process)
        return process

    def tool(self, *command, check=True):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True, check=False)
        if check and done.returncode != 0:
            raise RuntimeError(f"{' '.join(command)}: {done.stderr.strip()}")
        return done.stdout

    def start(self, program, log, extra=()):
        """Starts the program with its output in log; the caller waits for it."""
        return subprocess.Popen([*extra, program], env=self.env, stdout=log,
                                stderr=subprocess.STDOUT)

    def visible_windows(self, pid):
        out = self.tool("xdotool", "search", "--onlyvisible", "--pid", str(pid), check=False)
        return [int(word) for word in out.split()]

    def title(self, window):
        return self.tool("xdotool", "getwindowname", str(window), check=False).rstrip("\n")

    def net_wm_name(self, window):
        out = self.tool("xprop", "-id", str(window), "-notype", "_NET_WM_NAME", check=False)
        match = re.search(r'= "(.*)"', out)
        return match.group(1) if match else None

    def geometry(self, window):
        """(x, y, width, height) of the window's own area, in root coordinates."""
        out = self.tool("xwininfo", "-id", str(window))
        value = {key: int(number) for key, number in re.findall(
            r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)",
            out, re.M)}
        return (value["Absolute upper-left X"], value["Absolute upper-left Y"],
                value["Width"], value["Height"])

    def decorated(self, window):
        """Whether the window asks the window manager for a title bar and border."""
        out = self.tool("xprop", "-id", str(window), "-notype", "_MOTIF_WM_HINTS", check=False)
        match = re.search(r"=\s*(.*)", out)
        if not match:
            return True
        flags, _functions, decorations = (int(word, 0) for word in match.group(1).split(",")[:3])
        return not (flags & 2) or decorations != 0

    def focus(self, window):
        """Makes the window the one that gets the keys: asks the window manager where there is
        one, otherwise sets the X input focus directly. The program sees the focus change before
        any key sent afterwards, as both travel through the same X event queue."""
        if self.window_manager:
            self.tool("xdotool", "windowactivate", "--sync", str(window))
        else:
            self.tool("xdotool", "windowfocus", "--sync", str(window))

    def key(self, *keys):
        self.tool("xdotool", "key", "--clearmodifiers", *keys)
