"""Drives the real Tempozap program in a real X server, as a player would:
real mouse and key events through xdotool, and what is on screen read through
the accessibility tree, as a screen reader reads it."""

import os
import shutil
import subprocess
import tempfile
import time

ASSETS = ["goodbeep.WAV", "badbeep.WAV", "tick.WAV", "ring.WAV", "CLOCK.gif",
          "Title1.png", "Title2.png", "Title3.png", "StartTitle1.png", "StartTitle3.png",
          "GameOver.png", "DivSign.png", "ScoresClear.dat", "icon64.png"]


def px(twips):
    return (twips * 2 + 15) // 30


def run(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout.strip()


class Program:
    """The program copied with its files into a folder of its own, so its
    score files are the test's and never the player's."""

    def __init__(self, build_dir, keep=None):
        self.folder = tempfile.mkdtemp(prefix="tempozap-e2e-")
        shutil.copy2(os.path.join(build_dir, "tempozap"), self.folder)
        for name in ASSETS:
            src = os.path.join(build_dir, name)
            if os.path.exists(src):
                shutil.copy2(src, self.folder)
        self.proc = None
        self.keep = keep

    def path(self, name):
        return os.path.join(self.folder, name)

    def start(self):
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        self.log = open(self.path("program.log"), "w")
        self.proc = subprocess.Popen([self.path("tempozap")], cwd=self.folder, env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        return self

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        if getattr(self, "log", None):
            self.log.close()
        if self.keep is None:
            shutil.rmtree(self.folder, ignore_errors=True)

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    # Windows ---------------------------------------------------------------

    def windows(self, title, visible=True):
        args = ["xdotool", "search", "--all"]
        if visible:
            args.append("--onlyvisible")
        args += ["--pid", str(self.proc.pid), "--name", "^" + title + "$"]
        out = run(*args, check=False)
        return [int(w) for w in out.split()] if out else []

    def wait_window(self, title, timeout=15.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.windows(title)
            if found:
                time.sleep(0.3)  # let it paint
                return found[0]
            if not self.alive():
                raise AssertionError("program ended while waiting for " + title)
            time.sleep(0.05)
        raise AssertionError("no window '%s' within %.0f s" % (title, timeout))

    def wait_gone(self, title, timeout=10.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.windows(title):
                return
            time.sleep(0.05)
        raise AssertionError("window '%s' still shown" % title)

    # Input -----------------------------------------------------------------

    def click(self, wid, left, top, width, height):
        """A real click in the middle of a control given in twips."""
        x = px(left) + px(width) // 2
        y = px(top) + px(height) // 2
        run("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1")
        time.sleep(0.05)

    def key(self, wid, *keys):
        run("xdotool", "windowfocus", "--sync", str(wid), check=False)
        run("xdotool", "key", "--window", str(wid), *keys)
        time.sleep(0.05)

    def type(self, wid, text):
        run("xdotool", "windowfocus", "--sync", str(wid), check=False)
        run("xdotool", "type", "--delay", "30", text)

    def screenshot(self, wid, name):
        folder = os.environ.get("TEMPOZAP_TEST_ARTIFACTS")
        if not folder:
            return None
        os.makedirs(folder, exist_ok=True)
        out = os.path.join(folder, name)
        run("import", "-window", str(wid), out, check=False)
        return out


class Accessibility:
    """The program's accessibility tree, read over AT-SPI."""

    def __init__(self, pid):
        import pyatspi  # noqa: imported late so tests without a bus can skip
        self.pyatspi = pyatspi
        self.pid = pid

    def app(self, timeout=10.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            desktop = self.pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == self.pid:
                        return app
                except Exception:
                    continue
            time.sleep(0.1)
        raise AssertionError("program not on the accessibility bus")

    def window(self, name, timeout=10.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            app = self.app()
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None and w.name == name and w.getState().contains(self.pyatspi.STATE_SHOWING):
                    return w
            time.sleep(0.1)
        raise AssertionError("no accessible window " + name)

    def labels(self, window):
        """Every label under a window, as (text, x, y) in window coordinates."""
        found = []
        wx, wy = window.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)[:2]

        def walk(node):
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None:
                    continue
                if child.getRole() == self.pyatspi.ROLE_LABEL:
                    state = child.getState()
                    if state.contains(self.pyatspi.STATE_SHOWING):
                        x, y = child.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)[:2]
                        found.append((child.name, x - wx, y - wy))
                walk(child)

        walk(window)
        return found

    def label_at(self, window, left, top):
        """The text of the shown label whose top-left corner is at a place given in twips."""
        for text, x, y in self.labels(window):
            if abs(x - px(left)) <= 1 and abs(y - px(top)) <= 1:
                return text
        return None
