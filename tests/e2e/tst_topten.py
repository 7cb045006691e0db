#!/usr/bin/python3
"""The Top Ten list end to end on the real program: an Expert game cleared by
answering every equation right, the initials typed with real key events, the
score file checked byte for byte on disk, and the next game showing the new
line in its list."""

import datetime
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import (BOARD, GamePage, Program, Accessibility, INITIALS_OK, PLAY_AGAIN,  # noqa: E402
                      START_OPTIONS, START_PLAY, board_place, poll, px, skip_unless_desktop)

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "."
skip_unless_desktop()

# A known list, stored out of order; its lowest line scores 100. Any cleared
# board scores 59 x 200 = 11800 plus the time bonus (at most 3:00 x 3000 =
# 9000), so the new line lands between FAY and GUS.
OLD_LINES = [
    "05000 EVE 08/09/25",
    "00300 AMY 01/02/25",
    "26000 IVY 02/16/26",
    "00100 LOW 03/14/24",
    "09000 FAY 10/11/25",
    "01000 CAT 04/05/25",
    "24000 HAL 01/15/26",
    "00500 BOB 02/03/25",
    "21000 GUS 12/13/25",
    "02000 DAN 06/07/25",
]


def seconds_of(clock):
    minutes, seconds = clock.split(":")
    return int(minutes) * 60 + int(seconds)


def highest_first(lines):
    return sorted(lines, key=str.lower, reverse=True)


class TopTenEndToEnd(unittest.TestCase):
    def setUp(self):
        self.program = Program(BUILD)
        self.addCleanup(self.program.stop)
        self.program.write_file("MEScores.dat", "".join(OLD_LINES).encode("latin-1"))
        self.program.start()
        self.a11y = Accessibility(self.program.proc.pid)

    def test_cleared_board_enters_the_list_and_the_next_game_shows_it(self):
        p = self.program
        start = p.wait_window("Tempozap")
        p.click_at(start, *START_OPTIONS["Multiplication"])
        p.click_at(start, *START_OPTIONS["Expert"])
        p.click(start, *START_PLAY)
        page = GamePage(p, self.a11y, "Multiplication")
        self.assertEqual(page.top_ten(), highest_first(OLD_LINES), "the known list, highest first")
        self.assertEqual(page.clock(), "3:00")

        # Clear the board: every equation answered right at the first try;
        # the last answer ends the game with the time bonus, the clock frozen.
        final = page.clear_board()
        shown = page.clock()
        self.assertEqual(final, 59 * 200 + 50 * seconds_of(shown), "50 points per second left at " + shown)
        places = {(x, y) for _, x, y in self.a11y.labels(page.window)}
        self.assertFalse([n for n in BOARD if (px(board_place(n)[0]), px(board_place(n)[1])) in places],
                         "no number is left on the board")

        # The initials dialog opens a few seconds after the ring; a, b, c typed give ABC.
        dialog = p.wait_window("CONGRATULATIONS !", timeout=20)
        p.type(dialog, "abc")
        box = self.a11y.window("CONGRATULATIONS !")
        poll(lambda: self.a11y.text_fields(box), lambda t: t == ["ABC"], what="ABC in the initials box")
        day_before = datetime.date.today()
        p.click(dialog, *INITIALS_OK)
        again = p.wait_window("Tempozap")
        day_after = datetime.date.today()
        p.wait_gone("CONGRATULATIONS !")

        # On disk: ten 18-byte records, lowest first, the lowest old line gone
        # and the new one in its place.
        written = p.read_file("MEScores.dat")
        expected = None
        for day in {day_before, day_after}:
            new_line = "%05d ABC %s" % (final, day.strftime("%m/%d/%y"))
            lines = sorted([l for l in OLD_LINES if not l.startswith("00100")] + [new_line], key=str.lower)
            if written == "".join(lines).encode("latin-1"):
                expected = lines
        self.assertEqual(len(written), 180)
        self.assertIsNotNone(expected, "score file as written:\n%s" %
                             "\n".join(repr(written[i:i + 18]) for i in range(0, len(written), 18)))
        self.assertEqual(page.top_ten(), highest_first(expected), "the ended game's list shows the new line")

        # PLAY AGAIN, then Play with the same choices: the new game loads the new list.
        p.click(again, *PLAY_AGAIN)
        p.wait_gone(page.title)
        start = p.wait_window("Tempozap", besides=[again])
        p.click(start, *START_PLAY)
        page = GamePage(p, self.a11y, "Multiplication")
        self.assertEqual(page.clock(), "3:00", "the Expert level is still chosen")
        self.assertEqual(page.top_ten(), highest_first(expected))
        p.screenshot(page.wid, "topten-next-game.png")

        p.press(page.wid, "Escape")
        p.press(p.wait_window("Quit the Game"), "y")
        self.assertEqual(p.wait_exit(15), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
