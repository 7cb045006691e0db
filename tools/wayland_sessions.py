#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tempozap developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Wayland sessions for the end-to-end tests and for measuring by hand: GNOME's mutter and KWin's
virtual backend, each with its XWayland or (KWin) without, each in a runtime folder of its own, stopped with
everything it started; and where such a session has put a program's windows, as the compositor itself sees them:
of its X window manager's properties (mutter) or of a KWin script (KWin)."""

import glob
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

WIDTH, HEIGHT = 1280, 1024  # the virtual monitor; a headless session has no panel, so this is the work area


def poll(read, accept=bool, what="the expected state", timeout=15.0):
    """Reads until accept(value) holds and gives the value; fails with the last one seen."""
    deadline = time.time() + timeout
    while not accept(value := read()):
        if time.time() > deadline:
            raise AssertionError("waited %.0f s for %s; last seen %r" % (timeout, what, value))
        time.sleep(0.05)
    return value


def output(args, env):
    return subprocess.run(args, env=env, capture_output=True, text=True).stdout.strip()


class Window:
    """One of the program's windows as the compositor sees it: the frame (title bar included) and, where known,
    the client area as x, y, width, height; kept below; off the task bar; the place in the stack (0 lowest);
    active."""

    def __init__(self, title, frame, client, below, skip_taskbar, stacking, active):
        self.title, self.frame, self.client = title, tuple(frame), tuple(client or ())
        self.below, self.skip_taskbar, self.stacking, self.active = below, skip_taskbar, stacking, active

    def holds(self, size):
        """Whether this is a window of that client size: its own, or that of its frame less a title bar."""
        if self.client:
            return self.client[2:] == size
        return 0 <= self.frame[2] - size[0] <= 16 and 0 <= self.frame[3] - size[1] <= 48

    def __repr__(self):
        return "%s frame %s client %s below %s skip %s stack %d%s" % (
            self.title, self.frame, self.client, self.below, self.skip_taskbar, self.stacking,
            " active" if self.active else "")


class Session:
    """A headless compositor with a runtime folder of its own, stopped with everything it started."""

    name = "?"

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="tempozap-wayland-")
        os.chmod(self.folder, 0o700)
        self.log = os.path.join(self.folder, "compositor.log")
        # Settings and caches of its own too: neither read from the user's nor left behind.
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.folder, XDG_SESSION_TYPE="wayland",
                        WAYLAND_DISPLAY="tempozap-wayland", GSETTINGS_BACKEND="memory", HOME=self.folder,
                        XDG_CONFIG_HOME=self.folder + "/config", XDG_CACHE_HOME=self.folder + "/cache",
                        XDG_DATA_HOME=self.folder + "/data", XDG_STATE_HOME=self.folder + "/state")
        self.process = None

    def launch(self, args):
        with open(self.log, "w") as log:
            self.process = subprocess.Popen(args, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                            stdin=subprocess.DEVNULL, start_new_session=True)

    def read_log(self):
        with open(self.log, errors="replace") as text:
            return text.read()

    def stop(self):
        if self.process:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def program_env(self):
        """The program's surroundings: the session's displays, nothing that names a platform, and no sound server
        (whose sounds would only slow the game down here)."""
        names = ("XDG_RUNTIME_DIR", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY", "DISPLAY", "XAUTHORITY")
        return dict({name: self.env.get(name) for name in names}, QT_QPA_PLATFORM=None,
                    PULSE_SERVER="unix:/nonexistent")

    def x_windows(self, pid):
        """The windows of a process on the session's X server, as its window manager states them."""
        stack = re.findall(r"0x[0-9a-f]+", output(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], self.env))
        active = re.findall(r"0x[0-9a-f]+", output(["xprop", "-root", "_NET_ACTIVE_WINDOW"], self.env))
        found = []
        for place, wid in enumerate(stack):
            props = output(["xprop", "-id", wid, "_NET_WM_PID", "_NET_WM_NAME", "_NET_WM_STATE",
                            "_NET_FRAME_EXTENTS"], self.env)
            if not re.search(r"_NET_WM_PID\(CARDINAL\) = %d$" % pid, props, re.M):
                continue
            client = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                output(["xwininfo", "-id", wid], self.env))
            title = re.findall(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', props)
            if len(client) != 4 or not title:
                continue  # gone meanwhile
            margins = re.search(r"_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+)", props)
            left, right, top, bottom = map(int, margins.groups()) if margins else (0, 0, 0, 0)
            x, y, w, h = map(int, client)
            frame = (x - left, y - top, w + left + right, h + top + bottom)
            client, title = (x, y, w, h), title[0]
            found.append(Window(title, frame, client, "_NET_WM_STATE_BELOW" in props,
                                "_NET_WM_STATE_SKIP_TASKBAR" in props, place, [wid] == [a for a in active]))
        return found


class Mutter(Session):
    """GNOME's compositor, headless, with the XWayland it starts at once."""

    name = "GNOME's mutter"

    def start(self):
        self.launch(["mutter", "--headless", "--wayland", "--virtual-monitor", "%dx%d" % (WIDTH, HEIGHT),
                     "--wayland-display", self.env["WAYLAND_DISPLAY"]])
        display = poll(lambda: re.search(r"Using public X11 display (:\d+)", self.read_log()),
                       what="mutter's XWayland").group(1)
        auth = poll(lambda: glob.glob(os.path.join(self.folder, ".mutter-Xwaylandauth.*")), what="its key")[0]
        self.env.update(DISPLAY=display, XAUTHORITY=auth)
        poll(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                    capture_output=True).returncode == 0, what="mutter's X window manager")
        self.version = output(["mutter", "--version"], self.env).splitlines()[0]

    def windows(self, pid):
        return self.x_windows(pid)


class KWin(Session):
    """KWin's virtual backend, with or without XWayland. Its installed program carries a file capability that
    some sandboxes refuse to start, so a plain copy of it runs. A script loaded over D-Bus prints each window
    as KWin sees it."""

    name = "KWin"
    REPORT = """for (const w of (workspace.windowList ? workspace.windowList() : workspace.clientList())) {
        const f = w.frameGeometry;
        print("%s " + JSON.stringify({pid: w.pid, title: w.caption, frame: [f.x, f.y, f.width, f.height],
            below: w.keepBelow, skip: w.skipTaskbar,
            stacking: w.stackingOrder, active: w.active}));
    }
    print("%s end");"""

    def __init__(self, xwayland):
        super().__init__()
        self.xwayland = xwayland
        self.reports = 0

    def start(self):
        xwayland = self.xwayland
        self.env.pop("DISPLAY", None)
        self.env.pop("XAUTHORITY", None)
        binary = os.path.join(self.folder, "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), binary)
        ready = os.path.join(self.folder, "session-env")
        tell = os.path.join(self.folder, "tell")
        with open(tell, "w") as script:  # started by KWin once its displays are up: tells them
            script.write("#!/bin/sh\nenv > %s.new && mv %s.new %s\n" % (ready, ready, ready))
        os.chmod(tell, 0o755)
        self.launch([binary, "--virtual", "--width", str(WIDTH), "--height", str(HEIGHT), "--no-lockscreen",
                     "--no-global-shortcuts", "--socket", self.env["WAYLAND_DISPLAY"]]
                    + ["--xwayland"] * xwayland + [tell])
        told = dict(line.split("=", 1) for line in poll(lambda: os.path.exists(ready) and open(ready).read(),
                                                        what="KWin's session", timeout=30).splitlines() if "=" in line)
        if xwayland:
            self.env.update(DISPLAY=told["DISPLAY"], XAUTHORITY=told.get("XAUTHORITY", ""))
        self.version = "KWin " + output([binary, "--version"], self.env).split()[-1]

    def kwin(self, method, *args):
        return output(["dbus-send", "--session", "--print-reply=literal", "--dest=org.kde.KWin", "/Scripting",
                       "org.kde.kwin.Scripting." + method] + list(args), self.env)

    def windows(self, pid):
        self.reports += 1
        mark = "TEMPOZAP-REPORT-%d" % self.reports
        path = os.path.join(self.folder, "report%d.js" % self.reports)
        with open(path, "w") as script:
            script.write(self.REPORT % (mark, mark))
        self.kwin("loadScript", "string:" + path, "string:" + mark)
        self.kwin("start")
        log = poll(self.read_log, lambda text: mark + " end" in text, what="KWin's report", timeout=5)
        lines = re.findall(r"%s (\{.*\})" % mark, log)
        self.kwin("unloadScript", "string:" + mark)
        return [Window(w["title"], w["frame"], None, w["below"], w["skip"], w["stacking"], w["active"])
                for w in map(json.loads, lines) if w["pid"] == pid]
