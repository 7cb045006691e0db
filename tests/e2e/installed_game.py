#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tempozap developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""One game on the installed program, as a player plays it, run by tools/test-package:
its score lands in the player's own file, nothing is written beside the program.
Usage: installed_game.py PROGRAM SCORE_FOLDER DATA_FOLDER"""

import datetime
import os
import sys

program, scores, data = sys.argv[1:4]
sys.argv[1:4] = [os.path.dirname(program)]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import DIALOG, Program, poll  # noqa: E402


def listing(folder):
    return sorted(os.path.join(base, name) for base, _, names in os.walk(folder) for name in names)


before, p = listing(data), Program(installed=program)
try:
    game = p.play()
    game.press("Start")
    final = game.clear_board()
    p.window("CONGRATULATIONS !", DIALOG)
    p.keys("CONGRATULATIONS !", "p", "k", "g", "Return")
    again = p.window("Tempozap", DIALOG, has="PLAY AGAIN")
    path = os.path.join(scores, "MIScores.dat")
    written = poll(lambda: open(path, "rb").read() if os.path.exists(path) else b"", lambda b: len(b) == 180,
                   what="ten records in " + path).decode()
    days = [datetime.date.today() - datetime.timedelta(d) for d in (0, 1)]
    assert written[162:] in ["%05d PKG %s" % (final, d.strftime("%m/%d/%y")) for d in days], written
    assert written[:162] == "00000             " * 9 and listing(data) == before, "only the player's file is written"
    print("installed game: found %r in %s" % (written[162:], path))
    p.press(again, "QUIT GAME")
    assert p.ended() == 0
finally:
    p.stop()
