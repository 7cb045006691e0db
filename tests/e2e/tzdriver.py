"""Drives the real Tempozap program in a real X server, as a player would:
real mouse and key events through xdotool, and what is on screen read through
the accessibility tree, as a screen reader reads it."""

import os
import shutil
import subprocess
import sys
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

    def wait_window(self, title, timeout=15.0, besides=()):
        """The first shown window with this title, other than those in besides."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = [w for w in self.windows(title) if w not in besides]
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

    def click_at(self, wid, left, top):
        """A real click at one point given in twips (an option button's circle)."""
        run("xdotool", "mousemove", "--window", str(wid), str(px(left)), str(px(top)), "click", "1")
        time.sleep(0.05)

    def press(self, wid, *keys):
        """Real key presses (the X test extension) into the window, given the focus first."""
        run("xdotool", "windowfocus", "--sync", str(wid), check=False)
        run("xdotool", "key", "--delay", "30", *keys)
        time.sleep(0.05)

    def wait_exit(self, timeout=10.0):
        """The program's exit code, once it has ended by itself."""
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("program still running after %.0f s" % timeout)

    def write_file(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)

    def read_file(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

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
        import warnings
        warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
        import pyatspi  # noqa: imported late so tests without a bus can skip
        from gi.repository import Atspi
        # The program answers only between events, and a sound blocks it (the
        # ring lasts 1.3 s): wait longer for a reply than the 0.8 s default.
        Atspi.set_timeout(10000, 15000)
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

    def _children(self, window, role):
        """The shown direct children of a window with a role, each with its place
        (x, y, width, height) in the window's pixels."""
        wx, wy = window.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)[:2]
        found = []
        for i in range(window.childCount):
            child = window.getChildAtIndex(i)
            if child is None or child.getRole() != role:
                continue
            if not child.getState().contains(self.pyatspi.STATE_SHOWING):
                continue
            x, y, w, h = child.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
            found.append((child, (x - wx, y - wy, w, h)))
        return found

    def label_in(self, window, left, top, width, height):
        """The shown label filling exactly a rectangle given in twips (labels that
        share a corner differ in size), or None. Its name reads live."""
        place = (px(left), px(top), px(width), px(height))
        for child, at in self._children(window, self.pyatspi.ROLE_LABEL):
            if all(abs(a - b) <= 1 for a, b in zip(at, place)):
                return child
        return None

    def list_at(self, window, left, top):
        """The shown list box whose top-left corner is at a place given in twips."""
        for child, at in self._children(window, self.pyatspi.ROLE_LIST):
            if abs(at[0] - px(left)) <= 1 and abs(at[1] - px(top)) <= 1:
                return child
        return None

    def list_items(self, window, left, top):
        """The items of the shown list box at a place in twips, top to bottom."""
        box = self.list_at(window, left, top)
        if box is None:
            raise AssertionError("no list box shown at %d, %d twips" % (left, top))
        return [box.getChildAtIndex(i).name for i in range(box.childCount)]

    def text_fields(self, window):
        """The contents of every shown text box under a window."""
        found = []

        def walk(node):
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None:
                    continue
                if child.getRole() in (self.pyatspi.ROLE_TEXT, self.pyatspi.ROLE_ENTRY) and \
                        child.getState().contains(self.pyatspi.STATE_SHOWING):
                    found.append(child.queryText().getText(0, -1))
                walk(child)

        walk(window)
        return found


def poll(read, accept, timeout=10.0, what="the expected state"):
    """Reads until accept(value) holds; the last value read is returned.
    Fails with the last value seen when the time is up."""
    deadline = time.time() + timeout
    value = None
    while True:
        value = read()
        if accept(value):
            return value
        if time.time() >= deadline:
            raise AssertionError("waited %.0f s for %s; last seen %r" % (timeout, what, value))
        time.sleep(0.05)


def skip_unless_desktop():
    """Ends the test as skipped (exit code 77) without an X server or without
    the accessibility bus that reading the screen needs."""
    reason = None
    if not os.environ.get("DISPLAY"):
        reason = "no X server"
    elif not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        reason = "no session bus"
    else:
        try:
            import pyatspi  # noqa: F401
        except ImportError:
            reason = "no python3-pyatspi"
        if reason is None:
            try:
                probe = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                       capture_output=True, text=True, timeout=10)
                if probe.returncode != 0 or "unix:" not in probe.stdout:
                    reason = "no accessibility bus"
            except (OSError, subprocess.TimeoutExpired):
                reason = "no accessibility bus"
    if reason:
        print(reason + ": skipped")
        sys.exit(77)


# The game screens ----------------------------------------------------------

# The 59 numbers of the board in index order, and where each label sits (twips).
BOARD = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
         14, 15, 16, 18, 20, 21, 22, 24, 25, 27, 28, 30,
         32, 33, 35, 36, 40, 42, 44, 45, 48, 49, 50, 54,
         55, 56, 60, 63, 64, 66, 70, 72, 77, 80, 81, 84,
         88, 90, 96, 99, 100, 108, 110, 120, 121, 132, 144]
_BOARD_TOPS = [5820, 6420, 7020, 7620, 8220]
_BOARD_ROW1 = [840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7200, 7995, 8790, 9600]
_BOARD_ROWS2TO4 = [840, 1635, 2430, 3225, 4020, 4815, 5610, 6405, 7215, 8010, 8805, 9600]
_BOARD_ROW5 = [1155, 1950, 2745, 3540, 4335, 5130, 5925, 6735, 7530, 8325, 9120]


def board_place(number):
    """The rectangle (twips) of a number's label on the board."""
    i = BOARD.index(number)
    row, column = divmod(i, 12)
    lefts = _BOARD_ROW1 if row == 0 else _BOARD_ROW5 if row == 4 else _BOARD_ROWS2TO4
    return (lefts[column], _BOARD_TOPS[row], 735, 495)


# Start screen: Play, and the option buttons' circles (frame origin + option place).
START_PLAY = (360, 2880, 1215, 495)
START_OPTIONS = {"Multiplication": (5400, 667), "Division": (5400, 1027),
                 "Novice": (5400, 2407), "Intermediate": (5400, 2767), "Expert": (5400, 3127)}
# Initials dialog and play-again dialog buttons.
INITIALS_OK = (5040, 120, 1215, 375)
PLAY_AGAIN = (368, 660, 2175, 495)


class GamePage:
    """One game screen as the player sees it: its equation, score and clock read
    over the accessibility bus, its keys clicked with the mouse."""

    VARIANTS = {
        "Multiplication": {"target": (7200, 3120, 1815, 1095), "factor": (5460, 3120, 1215, 1095),
                           "answer": (3480, 3120, 1215, 1095), "pass": (7560, 4320, 975, 495)},
        "Division": {"target": (3240, 3000, 1815, 1095), "factor": (5880, 3000, 1215, 1095),
                     "answer": (7800, 3000, 1215, 1095), "pass": (3600, 4320, 975, 495)},
    }
    COMMON = {"minutes": (390, 120, 855, 1455), "seconds": (270, 120, 3015, 1455),
              "score": (7530, 120, 4455, 1455)}
    START = (8790, 1680, 1935, 495)
    GO = (480, 4800, 2175, 495)
    TOP_TEN = (9450, 3000)
    PASSED = (10800, 5880)

    def __init__(self, program, a11y, game, timeout=15.0):
        self.program = program
        self.a11y = a11y
        self.game = game
        self.title = "Tempozap - " + game
        self.wid = program.wait_window(self.title, timeout)
        self.window = a11y.window(self.title)
        self.places = dict(self.COMMON)
        self.places.update({k: v for k, v in self.VARIANTS[game].items() if k != "pass"})
        self.labels = {}
        for name, place in self.places.items():
            label = a11y.label_in(self.window, *place)
            if label is None:
                raise AssertionError("%s: no label %s at %r" % (self.title, name, place))
            self.labels[name] = label

    def text(self, name):
        return self.labels[name].name

    def equation(self):
        """(target, shown factor, answer slot) as the screen shows them."""
        return self.text("target"), self.text("factor"), self.text("answer")

    def clock(self):
        """The time shown, "m:ss". Minutes and seconds are two labels read one
        after the other, so a tick between the reads could pair 3 with 59: read
        until two readings in a row agree."""
        last = None
        while True:
            shown = "%s:%s" % (self.text("minutes"), self.text("seconds"))
            if shown == last:
                return shown
            last = shown

    def score(self):
        return self.text("score")

    def board_shows(self, number):
        """Whether the number's board label is shown (with its number on it)."""
        label = self.a11y.label_in(self.window, *board_place(number))
        return label is not None and label.name == str(number)

    def top_ten(self):
        return self.a11y.list_items(self.window, *self.TOP_TEN)

    def passed(self):
        return self.a11y.list_items(self.window, *self.PASSED)

    def click_start(self):
        self.program.click(self.wid, *self.START)

    def click_key(self, number):
        i = number - 1
        self.program.click(self.wid, 480 + 750 * (i % 3), 2400 + 600 * (i // 3), 735, 495)

    def click_go(self):
        self.program.click(self.wid, *self.GO)

    def click_pass(self):
        self.program.click(self.wid, *self.VARIANTS[self.game]["pass"])

    def clear_board(self, after_answer=None):
        """Starts the game and answers every equation right at the first try;
        returns the final score once the board is cleared and the game over.
        after_answer(count) runs after each answer."""
        self.click_start()
        previous = None
        for count in range(1, len(BOARD) + 1):
            target, factor = self.wait_equation(besides=previous)
            self.click_key(target // factor)
            self.click_go()
            if count < len(BOARD):
                poll(self.score, lambda s: s == "%05d" % (200 * count), what="score after answer %d" % count)
            previous = str(target)
            if after_answer:
                after_answer(count)
        poll(self.equation, lambda eq: eq == ("?", "?", "?"), what="the equation cleared at the end")
        return int(self.score())

    def wait_equation(self, besides=None, timeout=10.0):
        """The next equation shown with an empty answer slot, as numbers (target,
        factor); besides: a target that must have gone."""
        def ready(eq):
            target, factor, answer = eq
            return target.isdigit() and factor.isdigit() and answer == "?" and target != besides
        target, factor, _ = poll(self.equation, ready, timeout, "an equation on " + self.title)
        return int(target), int(factor)
