# SPDX-License-Identifier: MIT
"""End-to-end checks of the built program on a real X server: starts it under Xvfb, without and
with a window manager (openbox), presses real keys with xdotool and reads back what the X server
knows. Run through tests/e2e/run, which gives it a session bus of its own."""

import os
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import SCREEN, XSession, wait_for  # noqa: E402

MAIN_TITLE = "Tickwell"
FARSI_TITLE = "تايمر ويندوز"
ENGLISH_TITLE = "Vizaded Adede"
HAND_OVER = 2.0  # seconds from the splash to the main window
EXIT_LIMIT = 1.0  # seconds from Ctrl+X to the end of the process


class Run:
    """One run of the program in a session, ended by Ctrl+X or, failing that, killed."""

    last_output = ""  # what the last run printed, shown when its check fails

    def __init__(self, session, program):
        self.session = session
        self.log = tempfile.TemporaryFile()
        self.process = session.start(program, self.log)
        self.pid = self.process.pid

    def windows(self):
        return self.session.visible_windows(self.pid)

    def main_window(self):
        found = [w for w in self.windows() if self.session.title(w) == MAIN_TITLE]
        return found[0] if found else None

    def new_window(self, known):
        found = [w for w in self.windows() if w not in known]
        return found[0] if found else None

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.seek(0)
        Run.last_output = self.log.read().decode(errors="replace")
        self.log.close()


def started(session, program):
    """A run whose main window is up and whose splash has gone."""
    run = Run(session, program)
    main = wait_for("the main window", run.main_window, timeout=HAND_OVER + 10)
    wait_for("the splash to go", lambda: run.windows() == [main])
    return run, main


def check_splash_then_main_window(session, program):
    run = Run(session, program)
    try:
        first = wait_for("the first window", run.windows, timeout=10)
        mapped = time.monotonic()
        assert session.title(first[0]) != MAIN_TITLE, "the main window came up before any splash"
        wait_for("the main window", run.main_window, timeout=HAND_OVER + 8)
        delay = time.monotonic() - mapped
        assert HAND_OVER - 0.5 <= delay <= HAND_OVER + 3, f"main window came {delay:.2f} s later"
    finally:
        run.close()


def check_start_and_stop_resize_the_main_window(session, program):
    run, main = started(session, program)
    try:
        session.focus(main)
        height = session.geometry(main)[3]
        session.key("F2")
        wait_for("a taller main window", lambda: session.geometry(main)[3] > height)
        session.key("F3")
        wait_for("the first height again", lambda: session.geometry(main)[3] == height)
    finally:
        run.close()


def check_language_changes_the_title(session, program):
    run, main = started(session, program)
    try:
        session.focus(main)
        for key, title in (("ctrl+f", FARSI_TITLE), ("ctrl+e", ENGLISH_TITLE)):
            session.key(key)
            wait_for(f"the title {title}", lambda t=title: session.net_wm_name(main) == t)
            assert session.title(main) == title, f"WM_NAME reads {session.title(main)!r}"
    finally:
        run.close()


def check_reset_confirmation_is_small_frameless_centred(session, program):
    run, main = started(session, program)
    try:
        for press in ("space", "Return"):
            session.focus(main)
            session.key("F6")
            dialog = wait_for("the confirmation", lambda: run.new_window([main]))
            x, y, width, height = session.geometry(dialog)
            assert width < 300 and height < 150, f"confirmation is {width}x{height}"
            assert not session.decorated(dialog), "confirmation has a title bar"
            centre = (x + width / 2, y + height / 2)
            assert abs(centre[0] - SCREEN[0] / 2) <= 2 and abs(centre[1] - SCREEN[1] / 2) <= 2, \
                f"confirmation centred at {centre}"
            session.focus(dialog)
            session.key(press)
            wait_for(f"{press} to close the confirmation", lambda: run.windows() == [main])
    finally:
        run.close()


def ends_with_ctrl_x(session, run, main):
    session.focus(main)
    session.key("ctrl+x")
    pressed = time.monotonic()
    try:
        status = run.process.wait(timeout=EXIT_LIMIT)
    except Exception:
        raise AssertionError(f"still running {EXIT_LIMIT} s after Ctrl+X") from None
    assert status == 0, f"ended with status {status} after {time.monotonic() - pressed:.2f} s"


def check_exit(session, program):
    run, main = started(session, program)
    try:
        ends_with_ctrl_x(session, run, main)
    finally:
        run.close()


def check_exit_with_every_window_open(session, program):
    run, main = started(session, program)
    try:
        # Options, help, About and the three confirmations.
        keys = ("F4", "F1", "ctrl+a", "F6", "F7", "F8")
        for key in keys:
            session.focus(main)
            session.key(key)
        wait_for("every window", lambda: len(run.windows()) == 1 + len(keys))
        ends_with_ctrl_x(session, run, main)
    finally:
        run.close()


CHECKS = [
    check_splash_then_main_window,
    check_start_and_stop_resize_the_main_window,
    check_language_changes_the_title,
    check_reset_confirmation_is_small_frameless_centred,
    check_exit,
    check_exit_with_every_window_open,
]


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/tickwell")
    failed = 0
    for window_manager in (False, True):
        setting = "openbox" if window_manager else "no window manager"
        with XSession(window_manager) as session:
            for check in CHECKS:
                began = time.monotonic()
                try:
                    check(session, program)
                    verdict = "PASS"
                except Exception:
                    verdict = "FAIL"
                    failed += 1
                    traceback.print_exc()
                    print(f"The program printed:\n{Run.last_output}")
                print(f"{verdict} {check.__name__} ({setting}, {time.monotonic() - began:.1f} s)",
                      flush=True)
    print(f"{failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
