# SPDX-FileCopyrightText: 2026 Tempozap developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the real program in the test command's X server as a player does, with xdotool, and reads it over
AT-SPI as a screen reader does: controls by role and name, game labels by their places in the layout that the
build writes out (layout.json beside the program)."""

import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import warnings

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools"))
from wayland_sessions import poll  # noqa: E402  (one way to wait, for the sessions and the driver)

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
# The build's layout.json: beside the program, or where TEMPOZAP_LAYOUT says (for an installed program).
LAYOUT = json.loads(pathlib.Path(os.environ.get("TEMPOZAP_LAYOUT") or os.path.join(BUILD, "layout.json")).read_text())
LAYOUT = LAYOUT["windows"]
if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    print("needs the X server and the buses that the test command starts: skipped")
    sys.exit(77)
warnings.filterwarnings("ignore", category=DeprecationWarning)
import pyatspi  # noqa: E402
from gi.repository import Atspi  # noqa: E402

Atspi.set_timeout(10000, 15000)  # a sound blocks the program: the ring lasts 1.3 s
ALERT, DIALOG, FRAME, BUTTON = pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_PUSH_BUTTON


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout.strip()


def extents(node):
    return tuple(node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))


def nodes(node, role=None, name=".*"):
    """The shown descendants of a node with a role and a name (a pattern)."""
    found = []
    for child in node:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            found += [child] * ((role is None or child.getRole() == role) and bool(re.fullmatch(name, child.name)))
            found += nodes(child, role, name)
    return found


def activate(node):
    """A control pressed: by a click in the middle of it; where no clicks can be sent (a Wayland compositor) the
    caller sets this to the control's own action, as a screen reader presses it."""
    x, y, w, h = extents(node)
    run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1")


class Program:
    """The program and its files copied to a folder of the test's (the installed one run as it is)."""

    def __init__(self, scores=(), env=(), installed=None):
        self.folder = tempfile.mkdtemp(prefix="tempozap-e2e-")
        for name in [] if installed else os.listdir(BUILD):
            if name == "tempozap" or re.search(r"\.(WAV|gif|png|dat)$", name):
                shutil.copy2(os.path.join(BUILD, name), self.folder)
        for name, data in dict(scores).items():
            pathlib.Path(self.path(name)).write_bytes(data)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1") | dict(env)
        env = {name: value for name, value in env.items() if value is not None}  # None: left out
        self.proc = subprocess.Popen([installed or self.path("tempozap")], cwd=self.folder, env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = poll(lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == self.proc.pid],
                        what="the program on the accessibility bus")[0]

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        return pathlib.Path(self.path(name)).read_bytes()

    def stop(self):
        self.proc.kill()
        self.proc.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def window(self, name, role=FRAME, has=".*"):
        """The shown window of this name and role, with a control named has."""
        return poll(lambda: [w for w in nodes(self.app, role, re.escape(name)) if nodes(w, None, has)],
                    what="window %r" % name)[0]

    def press(self, window, name, role=BUTTON):
        activate(poll(lambda: nodes(window, role, re.escape(name)), what=name)[0])

    def keys(self, title, *keys):
        """Real key presses into the window that has this title."""
        wid = poll(lambda: run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid),
                               "--name", "^%s$" % re.escape(title)), what=title).split()[0]
        run("xdotool", "windowfocus", "--sync", wid)
        run("xdotool", "key", "--delay", "40", *keys)

    def play(self, *options, operation="Multiplication"):
        """The game of the options chosen on the start screen, as it opens."""
        start = self.window("Tempozap", has="Play")
        for option in options:
            self.press(start, option, pyatspi.ROLE_RADIO_BUTTON)
        self.press(start, "Play")
        return Game(self, operation)

    def ended(self):
        return poll(lambda: self.proc.poll() is not None, what="the program to end") and self.proc.returncode


class Game:
    """A game screen as the player sees it."""

    def __init__(self, program, operation):
        self.window = program.window("Tempozap - " + operation)
        x, y = extents(self.window)[:2]
        labels = {extents(n): n for n in nodes(self.window, pyatspi.ROLE_LABEL)}
        layout = next(w for w in LAYOUT.values() if w["title"] == "Tempozap - " + operation)
        names = dict(layout["roles"], score="lblScore", minutes="lblMin", seconds="lblSec")
        self.labels = {key: labels[(x + p[0], y + p[1]) + tuple(p[2:])] for key, p in
                       ((key, layout["controls"][name]["rect"]) for key, name in names.items())}
        self.buttons = {b.name: b for b in nodes(self.window, BUTTON)}

    def text(self, key):
        return self.labels[key].name

    def equation(self):
        return self.text("target"), self.text("factor"), self.text("answer")

    def clock(self):
        return self.text("minutes") + ":" + self.text("seconds")

    def press(self, name):
        activate(self.buttons[name])

    def list(self, name):
        return [item.name for item in nodes(self.window, pyatspi.ROLE_LIST, name)[0]]

    def next_equation(self, besides=None):
        """The equation shown with an empty answer slot, as numbers: (target, factor)."""
        target, factor, _ = poll(self.equation, lambda e: e[0].isdigit() and e[2] == "?" and e[0] != besides,
                                 what="an equation")
        return int(target), int(factor)

    def clear_board(self, pause=0.0):
        """Answers every equation right, a pause after each; the final score once the board is clear."""
        score, target = int(self.text("score")), None
        while (target := self.next_equation(str(target))[0] if self.equation()[0] != "?" else None) is not None:
            score += 200
            self.press(str(target // int(self.text("factor"))))
            poll(lambda: self.text("answer"), lambda a: a != "?", what="the key in the answer slot")
            self.press("GO")
            poll(lambda: int(self.text("score")) >= score or self.equation()[0] == "?", what="the score %d" % score)
            time.sleep(pause)
        return int(self.text("score"))


class TestCase(unittest.TestCase):
    def start(self, **kwargs):
        program = Program(**kwargs)
        self.addCleanup(program.stop)
        return program
