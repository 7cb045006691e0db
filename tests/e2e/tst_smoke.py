#!/usr/bin/python3
"""The real program under X: it starts on the start screen over the backdrop,
and a real click on Play opens the game screen in its place."""

import os
import sys
import unittest

from tzdriver import Program

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
if not os.environ.get("DISPLAY"):
    print("no X server: skipped")
    sys.exit(77)


class SmokeTest(unittest.TestCase):
    def setUp(self):
        self.program = Program(BUILD).start()
        self.addCleanup(self.program.stop)

    def test_play_opens_the_game_screen(self):
        p = self.program
        start = p.wait_window("Tempozap")
        self.assertTrue(p.windows("Tempozap - backdrop"), "backdrop is shown")
        p.screenshot(start, "start-screen.png")
        p.click(start, 360, 2880, 1215, 495)  # Play
        game = p.wait_window("Tempozap - Multiplication")
        p.wait_gone("Tempozap")
        self.assertTrue(p.alive())
        p.screenshot(game, "game-screen-ready.png")

    def test_cancel_then_yes_ends_the_program(self):
        p = self.program
        start = p.wait_window("Tempozap")
        p.click(start, 1740, 2880, 1215, 495)  # Cancel
        box = p.wait_window("Quit the Game")
        p.key(box, "y")  # Yes
        p.proc.wait(10)
        self.assertEqual(p.proc.returncode, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
