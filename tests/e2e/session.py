# SPDX-License-Identifier: MIT
# The desktop that drive.py runs the program on, seen from outside the program: the X server that
# tests/e2e/run starts, bare or with openbox, or a headless sway started here. Keys go in as a
# keyboard user types them; windows, titles, sizes and screenshots come from the display server.
# Every desktop has a sound server of its own, with one sink whose sound can be recorded.

import array
import contextlib
import glob
import io
import json
import os
import pty
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

from gi.repository import GLib
from PIL import Image, ImageGrab

RATE = 8000  # samples a second of a recording, one channel


def wait_for(what, condition, timeout=10.0):
    # Polls condition, delivering screen-reader events meanwhile, until it returns something
    # true; fails naming what it waited for (what returns it, if it is a function).
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
            raise AssertionError(f"timed out after {timeout} s waiting for "
                                 f"{what() if callable(what) else what}")
        time.sleep(0.02)


def tool(*command, env=None):  # a tool that hangs (xdotool --sync on a window never mapped) fails
    return subprocess.run(command, capture_output=True, text=True, env=env, timeout=30).stdout


class Recording:  # the sound server's sink, from the moment its sound flows

    def __init__(self, env):
        # In small pieces: PipeWire's would otherwise hold back the first two seconds, in one go.
        self.parec = subprocess.Popen(["parec", "-d", "null.monitor", "--raw", "--format=s16le",
                                       f"--rate={RATE}", "--channels=1", "--latency-msec=20"],
                                      env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.parec.stdout.read(2)  # the first samples take a while to come

    def sounds(self, seconds, loud=1000, apart=0.05):  # separate sounds in the next seconds
        samples = array.array("h", self.parec.stdout.read(int(seconds * RATE) * 2))
        step, count, quiet = RATE // 100, 0, apart
        for start in range(0, len(samples), step):
            heard = max(map(abs, samples[start:start + step]), default=0) > loud
            count += heard and quiet >= apart
            quiet = 0 if heard else quiet + step / RATE
        return count

    def close(self):
        self.parec.kill()
        self.parec.wait()


class Orca:  # the screen reader, and everything it says

    def __init__(self, env):
        self.env, self.lines = dict(env, HOME=tempfile.mkdtemp()), []
        tool("gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true",
             env=self.env)
        self.version = re.search(r"\d+\.\d+", tool("orca", "--version"))[0]
        # Orca writes its log a line at a time only to a terminal, and otherwise in blocks.
        self.reader, self.writer = pty.openpty()
        self.process = subprocess.Popen(["orca", f"--debug-file={os.ttyname(self.writer)}"],
                                        env=self.env, stdout=subprocess.DEVNULL, stderr=self.writer)
        threading.Thread(target=self.listen, daemon=True).start()
        wait_for("the screen reader", lambda: "Screen reader on." in self.said())

    def listen(self):  # until the terminal closes
        with contextlib.suppress(OSError):
            while chunk := os.read(self.reader, 65536):
                self.lines.append(chunk)

    def said(self):  # each utterance, its lines joined; not the echo of keys, which ends in a blank
        log = b"".join(self.lines).decode(errors="replace")
        found = re.findall(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]", log, re.S)
        return [" ".join(utterance.split()) for utterance in found if not utterance.endswith(" ")]

    def close(self):
        self.process.kill()
        self.process.wait()
        for end in (self.writer, self.reader):
            os.close(end)
        shutil.rmtree(self.env["HOME"], ignore_errors=True)


class Desktop:  # what both display servers share: the program's environment, the sound server
    places_windows = True  # False where the compositor decides where windows open
    wait_for = staticmethod(wait_for)

    def __init__(self, platform):
        self.home = tempfile.mkdtemp()  # the program's runtime folder, where the sound server is
        conf = os.path.join(self.home, "client.conf")
        with open(conf, "w") as file:
            file.write("autospawn = no\n")  # a killed sound server stays away
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.home, PULSE_CLIENTCONFIG=conf,
                        QT_QPA_PLATFORM=platform, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.start_sound_server()

    # Debian 13's desktops serve the PulseAudio protocol from PipeWire, Debian 12's from the
    # PulseAudio daemon: whichever is installed answers here, with one null sink to record.
    def start_sound_server(self):  # also again, after stop_sound_server
        for stale in ("pipewire-0*", "pulse/native"):  # the sockets that a killed server leaves
            for socket in glob.glob(f"{self.home}/{stale}"):
                os.remove(socket)
        env = dict(self.env, HOME=self.home)
        server = lambda *command: subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
        if shutil.which("pipewire-pulse"):
            self.sound_helpers = [server("pipewire")]
            wait_for("PipeWire", lambda: os.path.exists(f"{self.home}/pipewire-0"))
            self.sound_helpers.append(server("wireplumber"))
            self.sound = server("pipewire-pulse")
        else:
            self.sound_helpers, self.sound = [], server(
                "pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                "-L", "module-native-protocol-unix auth-anonymous=1")
        pactl = lambda command: subprocess.run(["pactl", *command.split()], env=env,
                                               capture_output=True).returncode == 0
        wait_for("a sound server", lambda: pactl("load-module module-null-sink sink_name=null"))
        wait_for("its only sink", lambda: pactl("set-default-sink null"))

    def start(self, program, log):
        return subprocess.Popen([program], env=self.env, stdout=log, stderr=subprocess.STDOUT)

    def record(self):
        return Recording(dict(self.env, HOME=self.home))

    def stop_sound_server(self):
        for server in [self.sound, *self.sound_helpers]:
            server.kill()
            server.wait()

    def pause_sound_server(self, paused=True):  # as a hung or suspended server behaves
        self.sound.send_signal(signal.SIGSTOP if paused else signal.SIGCONT)

    def restart_sound_server(self):
        self.stop_sound_server()
        self.start_sound_server()

    def shown_late(self):  # windows that the display server showed only after waiting for them
        return 0

    def close(self):
        self.stop_sound_server()
        shutil.rmtree(self.home, ignore_errors=True)


class X11(Desktop):

    def __init__(self, window_manager):
        super().__init__("xcb")
        self.window_manager = window_manager
        if window_manager:  # it ends with the X server, which xvfb-run stops after the driver
            subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
            wait_for("openbox",
                     lambda: "window id #" in tool("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        tool("xdotool", "mousemove", "0", "0")  # no tool tip rises under a pointer left on a window

    def windows(self, pid):
        return tool("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split()

    def title(self, window):  # as window managers and task bars read it, when they agree
        names = re.findall(r'= "(.*)"', tool("xprop", "-id", window, "WM_NAME", "_NET_WM_NAME"))
        return names[0] if len(names) == 2 and len(set(names)) == 1 else names

    def app_id(self, window):  # X11 has none: window managers go by WM_CLASS and StartupWMClass
        return None

    def geometry(self, window):  # (x, y, width, height) of the window's own area on the screen
        found = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                           tool("xwininfo", "-id", window))
        return tuple(int(n) for n in found)

    def decorated(self, window):  # whether it asks the window manager for a title bar and border
        match = re.search(r"=\s*(.*)", tool("xprop", "-id", window, "_MOTIF_WM_HINTS"))
        if not match:
            return True
        flags, _functions, decorations = (int(word, 0) for word in match.group(1).split(",")[:3])
        return not (flags & 2) or decorations != 0

    def focus(self, window):  # through the window manager where there is one
        how = "windowactivate" if self.window_manager else "windowfocus"
        tool("xdotool", how, "--sync", window)

    def key(self, *keys):
        tool("xdotool", "key", "--clearmodifiers", *keys)

    def screenshot(self, window):
        left, top, width, height = self.geometry(window)
        return ImageGrab.grab((left, top, left + width, top + height), xdisplay=self.env["DISPLAY"])


class Sway(Desktop):
    places_windows = False

    def __init__(self):
        super().__init__("wayland")
        home = tempfile.mkdtemp()
        with open(os.path.join(home, "config"), "w") as file:
            file.write("output HEADLESS-1 resolution 1280x1024\n")
        as_user = []
        if os.getuid() == 0:  # sway refuses to run as root; root still reaches its sockets
            os.chown(home, 65534, 65534)
            as_user = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
        self.log = os.path.join(self.home, "sway.log")
        self.compositor = subprocess.Popen(
            as_user + ["sway", "--debug", "-c", os.path.join(home, "config")],
            env={"PATH": os.environ["PATH"], "HOME": home, "XDG_RUNTIME_DIR": home,
                 "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                 "WLR_RENDERER": "pixman"},
            stdout=subprocess.DEVNULL, stderr=open(self.log, "w"))
        ipc = wait_for("sway", lambda: glob.glob(f"{home}/sway-ipc.*.sock"))[0]
        display = wait_for("sway's display", lambda: glob.glob(f"{home}/wayland-[0-9]"))[0]
        self.env.update(WAYLAND_DISPLAY=display, SWAYSOCK=ipc)
        self.compositor_home, self.timeouts = home, 0
        # A seat whose last keyboard goes takes the keyboard focus from every window with it: one
        # keyboard stays while each key comes from a keyboard of its own.
        self.keyboard = subprocess.Popen(["wtype", "-s", "86400000"], env=self.env)

    def nodes(self, node=None):
        node = node or json.loads(tool("swaymsg", "-t", "get_tree", env=self.env))
        yield node
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            yield from self.nodes(child)

    def node(self, window):
        return next(n for n in self.nodes() if n["id"] == window)

    def windows(self, pid):
        return [n["id"] for n in self.nodes() if n.get("pid") == pid and n.get("visible")]

    # sway shows a window, and lays it out at its final size, once the window has drawn a frame
    # for the state sway gave it; it waits 200 ms for one, then gives up and says so.
    def shown_late(self):
        with open(self.log, errors="replace") as log:
            timeouts = log.read().count("timed out")
        late, self.timeouts = timeouts - self.timeouts, timeouts
        return late

    def title(self, window):
        return self.node(window)["name"]

    def app_id(self, window):  # the menu entry that the desktop finds for the window
        return self.node(window)["app_id"]

    def geometry(self, window):
        node = self.node(window)
        outer, inner = node["rect"], node["window_rect"]
        return (outer["x"] + inner["x"], outer["y"] + inner["y"], inner["width"], inner["height"])

    def decorated(self, window):
        return self.node(window)["border"] == "normal"

    def focus(self, window):
        tool("swaymsg", f"[con_id={window}]", "focus", env=self.env)

    def key(self, *keys):  # each wtype is a new keyboard, heard only once the program has bound it
        for key in keys:
            *held, name = key.split("+")
            press, release = sum((["-M", m] for m in held), []), sum((["-m", m] for m in held), [])
            tool("wtype", "-s", "300", *press, "-k", name, *release, env=self.env)

    def screenshot(self, window):
        left, top, width, height = self.geometry(window)
        grab = subprocess.run(["grim", "-g", f"{left},{top} {width}x{height}", "-t", "ppm", "-"],
                              capture_output=True, env=self.env).stdout
        return Image.open(io.BytesIO(grab))

    def close(self):
        self.keyboard.kill()
        self.compositor.kill()
        self.compositor.wait()
        shutil.rmtree(self.compositor_home, ignore_errors=True)
        super().close()
