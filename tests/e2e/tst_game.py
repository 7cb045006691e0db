#!/usr/bin/python3
"""A game played through on the real program: the game and level chosen with
real clicks, Start, a right answer, a wrong one and a pass on the keypad, GO
and PASS, each checked by what the screen shows over the accessibility bus;
then Escape and Yes end the program cleanly."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import (GamePage, Program, Accessibility, START_OPTIONS, START_PLAY,  # noqa: E402
                      poll, skip_unless_desktop)

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
skip_unless_desktop()


def seconds_of(clock):
    minutes, seconds = clock.split(":")
    return int(minutes) * 60 + int(seconds)


class GamePlayedThrough(unittest.TestCase):
    def setUp(self):
        self.program = Program(BUILD).start()
        self.addCleanup(self.program.stop)
        self.a11y = Accessibility(self.program.proc.pid)

    def open_game(self, game, level):
        p = self.program
        start = p.wait_window("Tempozap")
        p.click_at(start, *START_OPTIONS[game])
        p.click_at(start, *START_OPTIONS[level])
        p.click(start, *START_PLAY)
        return GamePage(p, self.a11y, game)

    def play_through(self, game, level, minutes, screenshot):
        page = self.open_game(game, level)
        self.assertEqual(page.clock(), "%d:00" % minutes, "the chosen level's minutes before Start")
        self.assertEqual(page.equation(), ("?", "?", "?"), "no equation before Start")
        self.assertEqual(page.score(), "00000")

        page.click_start()
        target, factor = page.wait_equation()
        self.assertEqual(target % factor, 0, "the shown factor divides the target")
        answer = target // factor
        self.assertTrue(1 <= answer <= 12, "the right answer is a key of the keypad")
        self.assertTrue(page.board_shows(target), "the drawn number is on the board")

        # Right answer: +200, the number leaves the board, a new equation.
        page.click_key(answer)
        page.click_go()
        poll(page.score, lambda s: s == "00200", what="score 00200 after a right answer")
        target2, factor2 = page.wait_equation(besides=str(target))
        self.assertFalse(page.board_shows(target), "the answered number's board label is gone")
        self.assertTrue(page.board_shows(target2))

        # Wrong answer: -50, the same equation stays, the slot is empty again.
        wrong = target2 // factor2 % 12 + 1
        page.click_key(wrong)
        poll(lambda: page.text("answer"), lambda a: a == str(wrong), what="the clicked key in the answer slot")
        page.click_go()
        poll(page.score, lambda s: s == "00150", what="score 00150 after a wrong answer")
        self.assertEqual(page.equation(), (str(target2), str(factor2), "?"), "a wrong answer keeps the equation")
        self.assertTrue(page.board_shows(target2))

        # Pass: -25, the number leaves the board for the Passed list.
        page.click_pass()
        poll(page.score, lambda s: s == "00125", what="score 00125 after a pass")
        page.wait_equation(besides=str(target2))
        self.assertEqual(page.passed(), ["%03d" % target2])
        self.assertFalse(page.board_shows(target2), "a passed number leaves the board")

        # The clock runs down as time passes.
        before = page.clock()
        after = poll(page.clock, lambda c: c != before, timeout=5.0, what="the clock to move from " + before)
        self.assertLess(seconds_of(after), seconds_of(before))
        self.assertLess(seconds_of(after), minutes * 60)
        self.assertRegex(after, r"^\d:\d\d$")
        self.program.screenshot(page.wid, screenshot)

        # Escape, then Yes: every window goes and the program ends cleanly.
        self.program.press(page.wid, "Escape")
        box = self.program.wait_window("Quit the Game")
        self.program.press(box, "y")
        poll(lambda: self.program.windows(".*") if self.program.alive() else [], lambda w: w == [],
             what="every window of the program to close")
        self.assertEqual(self.program.wait_exit(15), 0)

    def test_multiplication_novice(self):
        self.play_through("Multiplication", "Novice", 5, "game-multiplication.png")

    def test_division_expert(self):
        self.play_through("Division", "Expert", 3, "game-division.png")


if __name__ == "__main__":
    unittest.main(verbosity=2)
