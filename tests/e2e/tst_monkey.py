#!/usr/bin/python3
"""A monkey on the real program: for a few minutes, seeded random real clicks
and key presses on whatever screens are up -- start screen, game screens,
dialogs, rules, reset -- with now and then a right answer read off the screen,
so that games also end and scores get entered. After every burst the program
must be alive, must answer the accessibility bus within a second, and every
score file in its folder must be absent or ten well-formed records.

Quit paths are left out (QUIT GAME is never clicked, quit questions are
answered No); should the program end anyway with exit code 0, that is counted
and it is started again. TEMPOZAP_MONKEY_MINUTES (3) and TEMPOZAP_MONKEY_SEED
change the length and the seed."""

import collections
import os
import random
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import GamePage, Program, Accessibility, px, run, skip_unless_desktop  # noqa: E402

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
skip_unless_desktop()

MINUTES = float(os.environ.get("TEMPOZAP_MONKEY_MINUTES", "3"))
SEED = int(os.environ.get("TEMPOZAP_MONKEY_SEED", "20260704"))
CODES = ["MN", "MI", "ME", "DN", "DI", "DE"]


def size(width_twips, height_twips):
    return (px(width_twips), px(height_twips))


# The screens, told apart by title and client size (titles repeat).
START = size(9300, 3675)
PLAY_AGAIN = size(5430, 1395)
RESET = size(7020, 3615)
# Places in twips (left, top, width, height).
QUIT_GAME = (2888, 660, 2175, 495)
GAME_CONTROLS = [(480 + 750 * (i % 3), 2400 + 600 * (i // 3), 735, 495) for i in range(12)] + [
    (480, 4800, 2175, 495),                          # GO
    (7560, 4320, 975, 495), (3600, 4320, 975, 495),  # PASS on either screen
    (8790, 1680, 1935, 495),                          # Start / Quit
    (3480, 3120, 1215, 1095), (7800, 3000, 1215, 1095)]  # the answer slot
START_CONTROLS = [(360, 2880, 1215, 495), (3120, 2880, 1215, 495),  # Play, Rules (not Cancel: see keys)
                  (5280, 480, 2055, 375), (5280, 840, 2055, 375),   # the game options
                  (5280, 2160, 2655, 495), (5280, 2520, 2655, 495), (5280, 2880, 2655, 495)]
RESET_CONTROLS = [(4560, 480, 1815, 255), (4560, 900, 1815, 255), (4560, 1320, 1815, 255),
                  (4560, 2280, 1815, 255), (4560, 2700, 1815, 255), (4560, 3120, 1815, 255),
                  (480, 2640, 1215, 495), (1920, 2640, 1215, 495)]
INITIALS_CONTROLS = [(5040, 120, 1215, 375), (5040, 600, 1215, 375), (2280, 1320, 1215, 555)]
RULES_CONTROLS = [(4358, 195, 1215, 495), (360, 1200, 9495, 6615)]


def geometry(wid):
    """A window's place on the screen and its size: ((x, y), (width, height))."""
    out = run("xdotool", "getwindowgeometry", str(wid), check=False)
    place, dims = (0, 0), None
    for line in out.splitlines():
        if "Position:" in line:
            x, y = line.split(":")[1].split("(")[0].strip().split(",")
            place = (int(x), int(y))
        if "Geometry:" in line:
            w, h = line.split(":")[1].strip().split("x")
            dims = (int(w), int(h))
    return place, dims


def score_file_problem(path):
    """None when the score file is absent or ten well-formed records."""
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != 180:
        return "%s holds %d bytes" % (os.path.basename(path), len(data))
    for i in range(0, 180, 18):
        if not data[i:i + 5].isdigit():
            return "%s record %d: %r" % (os.path.basename(path), i // 18, data[i:i + 18])
    return None


class Monkey(unittest.TestCase):
    def setUp(self):
        self.dice = random.Random(SEED)
        self.program = Program(BUILD)
        self.addCleanup(self.program.stop)
        self.restarts = 0
        self.actions = 0
        self.bursts = 0
        self.seen = set()  # (title, wid) of the dialogs and boxes that came up
        self.history = collections.deque(maxlen=25)  # the last actions, told when something goes wrong
        self.pages = {}
        self.current = ""
        self.places = {}
        self.forbidden = []
        self.start_program()

    def start_program(self):
        if getattr(self.program, "log", None):
            self.program.log.close()
        self.program.start()
        self.a11y = Accessibility(self.program.proc.pid)
        self.program.wait_window("Tempozap")
        self.pages = {}

    # Looking -----------------------------------------------------------------

    def shown(self):
        """The program's shown windows as (wid, title, (width, height))."""
        p = self.program
        out = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(p.proc.pid), "--name", ".",
                  check=False)
        found = []
        self.places = {}
        for wid in (int(w) for w in out.split()) if out else []:
            title = run("xdotool", "getwindowname", str(wid), check=False)
            place, dims = geometry(wid)
            self.places[wid] = place
            found.append((wid, title, dims))
        # QUIT GAME, wherever it is on the screen: windows overlap, and a click
        # on a game screen may land on the dialog above it. The dialog opens
        # centred, so that place is kept clear even before it shows.
        width, height = (int(v) for v in run("xdotool", "getdisplaygeometry").split())
        dialogs = [((width - PLAY_AGAIN[0]) // 2, (height - PLAY_AGAIN[1]) // 2)]
        dialogs += [self.places[wid] for wid, title, dims in found if title == "Tempozap" and dims == PLAY_AGAIN]
        left, top, w, h = QUIT_GAME
        self.forbidden = [(x + px(left) - 3, y + px(top) - 3, x + px(left + w) + 3, y + px(top + h) + 3)
                          for x, y in dialogs]
        return found

    def answers_within_a_second(self):
        """The program answers the accessibility bus: its windows and their names."""
        began = time.time()
        app = self.a11y.app(timeout=5)
        windows = (app.getChildAtIndex(i) for i in range(app.childCount))
        names = [w.name for w in windows if w is not None]
        return time.time() - began, names

    def check(self):
        p = self.program
        code = p.proc.poll()
        if code is not None:
            self.assertEqual(code, 0, "the program crashed (exit %r); last actions:\n%s\nlog:\n%s"
                             % (code, "\n".join(self.history), self.log_tail()))
            self.restarts += 1
            print("the program ended by a quit path; started again. Last actions:\n  "
                  + "\n  ".join(self.history), flush=True)
            self.start_program()
            return
        # A sound plays to its end before the program handles anything else
        # (the ring lasts 1.3 s): a slow first answer gets one more try.
        took, _ = self.answers_within_a_second()
        if took > 1.0:
            took, _ = self.answers_within_a_second()
        self.assertLess(took, 1.0, "the program did not answer the accessibility bus within a second")
        for code in CODES:
            problem = score_file_problem(p.path(code + "Scores.dat"))
            self.assertIsNone(problem, problem)

    def log_tail(self):
        try:
            with open(self.program.path("program.log")) as f:
                return f.read()[-3000:]
        except OSError:
            return ""

    # Acting ------------------------------------------------------------------

    def click_in(self, wid, rect):
        left, top, width, height = rect
        x = self.dice.randrange(px(left), px(left) + max(1, px(width)))
        y = self.dice.randrange(px(top), px(top) + max(1, px(height)))
        self.click_at(wid, x, y)

    def click_at(self, wid, x, y):
        sx, sy = self.places.get(wid, (0, 0))
        if any(x0 <= sx + x < x1 and y0 <= sy + y < y1 for x0, y0, x1, y1 in self.forbidden):
            return
        self.history.append("click %d,%d on %s" % (x, y, self.current))
        run("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1", check=False)

    def anywhere(self, wid, size):
        self.click_at(wid, self.dice.randrange(size[0]), self.dice.randrange(size[1]))

    def keys(self, wid, choices):
        self.press(wid, self.dice.choice(choices))

    def press(self, wid, key):
        self.history.append("key %s on %s" % (key, self.current))
        self.program.press(wid, key)

    def answer_right(self, wid, title):
        """Reads the equation as a screen reader does and clicks its answer."""
        game = title.split(" - ")[1]
        page = self.pages.get(wid)
        if page is None:
            try:
                page = self.pages[wid] = GamePage(self.program, self.a11y, game, timeout=2)
            except AssertionError:
                return
        try:
            target, factor, _ = page.equation()
        except Exception:  # the screen went while it was being read
            self.pages.pop(wid, None)
            return
        if target.isdigit() and factor.isdigit() and int(factor) and int(target) % int(factor) == 0:
            self.history.append("answer %s / %s on %s" % (target, factor, title))
            page.click_key(int(target) // int(factor))
            page.click_go()

    def act(self):
        windows = self.shown()
        for w in windows:
            self.seen.add((w[1], w[0]))

        # A message box is modal: it is answered first, never with a Yes that quits.
        for wid, title, dims in windows:
            self.current = "%s %r" % (title, dims)
            if title == "Quit the Game":
                self.press(wid, self.dice.choice(["n", "Escape"]))
                return
            if title in ("Sorry", "Reset to Zero") or (title == "Tempozap" and dims not in (START, PLAY_AGAIN, RESET)):
                self.press(wid, self.dice.choice(["Return", "space", "n", "Escape"]))
                return

        choices = [w for w in windows if w[1] != "Tempozap - backdrop"] or windows
        if not choices:
            return
        weights = [6 if t.startswith("Tempozap - M") or t.startswith("Tempozap - D") else 3 for _, t, _ in choices]
        wid, title, dims = self.dice.choices(choices, weights)[0]
        dims = dims or (10, 10)
        self.current = "%s %r" % (title, dims)
        roll = self.dice.random()

        if title.startswith("Tempozap - Multiplication") or title.startswith("Tempozap - Division"):
            if roll < 0.45:
                self.answer_right(wid, title)
            elif roll < 0.85:
                self.click_in(wid, self.dice.choice(GAME_CONTROLS))
            elif roll < 0.95:
                self.anywhere(wid, dims)
            else:
                self.keys(wid, ["Escape", "Tab", "a", "5", "F2", "space", "Return"])
        elif title == "Tempozap" and dims == START:
            if roll < 0.6:
                self.click_in(wid, self.dice.choice(START_CONTROLS))
            elif roll < 0.8:
                self.anywhere(wid, dims)
            else:
                # Cancel (by a click or a key) asks to quit; the question is answered No.
                self.keys(wid, ["F2", "Tab", "Up", "Down", "Escape", "x"])
        elif title == "Tempozap" and dims == PLAY_AGAIN:
            # Only the first button (PLAY AGAIN / CANCEL) and the message: never QUIT GAME.
            self.anywhere(wid, dims)
        elif title == "Tempozap" and dims == RESET:
            if roll < 0.8:
                self.click_in(wid, self.dice.choice(RESET_CONTROLS))
            else:
                self.anywhere(wid, dims)
        elif title == "CONGRATULATIONS !":
            if roll < 0.4:
                text = "".join(self.dice.choice("abcxyz019 ") for _ in range(self.dice.randint(1, 4)))
                self.history.append("type %r on %s" % (text, self.current))
                self.program.type(wid, text)
            elif roll < 0.5:
                self.keys(wid, ["BackSpace", "Tab", "Delete"])
            else:
                self.click_in(wid, self.dice.choice(INITIALS_CONTROLS))
        elif title == "Tempozap - Rules":
            if roll < 0.3:
                self.click_in(wid, RULES_CONTROLS[0])
            elif roll < 0.7:
                self.click_in(wid, RULES_CONTROLS[1])
            else:
                self.history.append("type on %s" % self.current)
                self.program.type(wid, "monkey ")
        else:
            self.anywhere(wid, dims)
        self.actions += 1

    def test_random_play_neither_crashes_nor_hangs(self):
        ends = time.time() + MINUTES * 60
        while time.time() < ends:
            for _ in range(self.dice.randint(5, 20)):
                if self.program.proc.poll() is not None:
                    break
                self.act()
                time.sleep(self.dice.choice([0.0, 0.02, 0.05, 0.1]))
            self.bursts += 1
            self.check()
        self.check()
        count = lambda title: sum(1 for t, _ in self.seen if t == title)
        print("monkey: %.1f minutes, %d actions in %d bursts, %d restarts after a quit path, 0 crashes; "
              "%d initials dialogs, %d \"Sorry\" boxes, %d quit questions answered No"
              % (MINUTES, self.actions, self.bursts, self.restarts, count("CONGRATULATIONS !"), count("Sorry"),
                 count("Quit the Game")), flush=True)
        self.assertTrue(self.program.alive())


if __name__ == "__main__":
    unittest.main(verbosity=2)
