#!/usr/bin/python3
"""What the program's windows tell an X11 window manager: the start screen is
the program's one task bar entry; every other window asks to be left out of
the task bar and the pager; the backdrop asks to be kept below the others.

Without a window manager nothing acts on these hints, so the test reads them
from the windows themselves (xprop) rather than watching the stacking."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import Program, poll  # noqa: E402

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
if not os.environ.get("DISPLAY"):
    print("no X server: skipped")
    sys.exit(77)

SKIP = {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}
BELOW = "_NET_WM_STATE_BELOW"
ABOVE = "_NET_WM_STATE_ABOVE"

START_PLAY = (360, 2880, 1215, 495)
START_RULES = (3120, 2880, 1215, 495)
RULES_CLOSE = (4358, 195, 1215, 495)
RESET_CANCEL = (1920, 2640, 1215, 495)
GAME_START = (8790, 1680, 1935, 495)
PLAY_AGAIN_QUIT = (2888, 660, 2175, 495)


def net_wm_states(wid):
    """The window's _NET_WM_STATE atoms, as names."""
    out = subprocess.run(["xprop", "-id", str(wid), "_NET_WM_STATE"], capture_output=True,
                         text=True, check=True).stdout
    if "=" not in out:
        return set()
    return {atom.strip() for atom in out.split("=", 1)[1].split(",") if atom.strip()}


def all_shown(program):
    out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.proc.pid),
                          "--name", "."], capture_output=True, text=True).stdout
    return [int(w) for w in out.split()]


class WindowHintsTest(unittest.TestCase):
    def setUp(self):
        self.program = Program(BUILD).start()
        self.addCleanup(self.program.stop)

    def assertMain(self, wid, what):
        states = net_wm_states(wid)
        self.assertFalse(states & SKIP, "%s is in the task bar: %s" % (what, sorted(states)))
        self.assertNotIn(BELOW, states, what)

    def assertSecondary(self, wid, what):
        states = net_wm_states(wid)
        self.assertTrue(SKIP <= states, "%s stays out of the task bar and pager: %s" % (what, sorted(states)))
        self.assertNotIn(BELOW, states, "%s is not kept below" % what)

    def assertOnlyStartInTaskBar(self, start):
        """Every shown window of the program but the start screen skips the task bar."""
        for wid in all_shown(self.program):
            if wid != start:
                self.assertTrue(SKIP <= net_wm_states(wid), "window %d skips the task bar" % wid)

    def test_only_the_start_screen_is_in_the_task_bar_and_the_backdrop_stays_below(self):
        p = self.program
        start = p.wait_window("Tempozap")
        backdrop = p.wait_window("Tempozap - backdrop")
        self.assertMain(start, "the start screen")
        states = net_wm_states(backdrop)
        self.assertTrue({BELOW} | SKIP <= states, "the backdrop: %s" % sorted(states))
        self.assertNotIn(ABOVE, states)
        self.assertOnlyStartInTaskBar(start)

        # Rules, then back.
        p.click(start, *START_RULES)
        rules = p.wait_window("Tempozap - Rules")
        self.assertSecondary(rules, "the rules screen")
        self.assertOnlyStartInTaskBar(start)
        p.click(rules, *RULES_CLOSE)
        p.wait_gone("Tempozap - Rules")

        # F2: the reset screen in the start screen's place, then back.
        p.press(start, "F2")
        reset = p.wait_window("Tempozap", besides=[start])
        self.assertSecondary(reset, "the reset screen")
        p.click(reset, *RESET_CANCEL)
        poll(lambda: p.windows("Tempozap"), lambda shown: reset not in shown, what="the reset screen closed")
        start = p.wait_window("Tempozap")
        self.assertMain(start, "the start screen shown again")

        # A game, and its Quit question (the play-again dialog).
        p.click(start, *START_PLAY)
        game = p.wait_window("Tempozap - Multiplication")
        self.assertSecondary(game, "the game screen")
        p.click(game, *GAME_START)
        p.click(game, *GAME_START)  # now Quit
        question = p.wait_window("Tempozap", besides=[start])
        self.assertSecondary(question, "the play-again dialog")
        self.assertOnlyStartInTaskBar(start)
        self.assertTrue(SKIP | {BELOW} <= net_wm_states(backdrop), "the backdrop keeps its hints")
        p.screenshot(question, "windows-play-again.png")

        p.click(question, *PLAY_AGAIN_QUIT)
        self.assertEqual(p.proc.wait(15), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
