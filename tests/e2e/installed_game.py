#!/usr/bin/python3
"""One game on the installed program, as a player plays it: real clicks clear
a Multiplication board at the default level (Intermediate), the initials go
into the Top Ten, and the new line must land in the player's own score file,
while nothing is written beside the installed program.

Usage: installed_game.py PROGRAM SCORE_FOLDER DATA_FOLDER
  PROGRAM       the installed executable (e.g. /usr/bin/tempozap)
  SCORE_FOLDER  the per-user folder the score files must land in
  DATA_FOLDER   the installed read-only folder, which must stay untouched

Run by tools/test-package under its X server, session bus and accessibility
bus, with HOME and XDG_DATA_HOME pointed at a temporary folder."""

import datetime
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import (INITIALS_OK, START_PLAY, Accessibility, GamePage, Program,  # noqa: E402
                      poll, skip_unless_desktop)

SKIP = {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}
INITIALS = "PKG"
QUIT_GAME = (2888, 660, 2175, 495)


class InstalledProgram(Program):
    """The installed executable, run as it is (no copy): its files are the
    installed ones and its scores go to the per-user folder."""

    def __init__(self, executable, log_folder):
        self.executable = executable
        self.folder = log_folder
        self.proc = None
        self.keep = True  # the caller removes its own folders

    def start(self):
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        self.log = open(os.path.join(self.folder, "program.log"), "w")
        self.proc = subprocess.Popen([self.executable], cwd=self.folder, env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        return self


def net_wm_states(wid):
    out = subprocess.run(["xprop", "-id", str(wid), "_NET_WM_STATE"], capture_output=True,
                         text=True).stdout
    return {a.strip() for a in out.split("=", 1)[1].split(",")} if "=" in out else set()


def listing(folder):
    found = []
    for base, _, files in os.walk(folder):
        found += [os.path.relpath(os.path.join(base, f), folder) for f in files]
    return sorted(found)


def main():
    executable, scores, data = sys.argv[1:4]
    skip_unless_desktop()
    data_before = listing(data)

    logs = os.environ.get("TEMPOZAP_TEST_ARTIFACTS") or scores
    os.makedirs(logs, exist_ok=True)
    program = InstalledProgram(executable, logs).start()
    try:
        a11y = Accessibility(program.proc.pid)
        start = program.wait_window("Tempozap")
        program.screenshot(start, "package-start-screen.png")
        if net_wm_states(start) & SKIP:
            raise AssertionError("the start screen must show in the task bar")
        program.click(start, *START_PLAY)
        page = GamePage(program, a11y, "Multiplication")
        if net_wm_states(page.wid) & SKIP != SKIP:
            raise AssertionError("the game screen must stay out of the task bar")

        final = page.clear_board()
        print("installed game: board cleared, score %d" % final)

        dialog = program.wait_window("CONGRATULATIONS !", timeout=20)
        if net_wm_states(dialog) & SKIP != SKIP:
            raise AssertionError("the initials dialog must stay out of the task bar")
        program.type(dialog, INITIALS.lower())
        day_before = datetime.date.today()
        program.click(dialog, *INITIALS_OK)
        again = program.wait_window("Tempozap")
        day_after = datetime.date.today()
        program.wait_gone("CONGRATULATIONS !")
        program.screenshot(again, "package-play-again.png")

        # The score line, in the player's own file, in the unchanged format.
        path = os.path.join(scores, "MIScores.dat")
        written = poll(lambda: open(path, "rb").read() if os.path.exists(path) else b"",
                       lambda b: len(b) == 180, what="ten records in " + path)
        lines = [written[i:i + 18].decode("latin-1") for i in range(0, 180, 18)]
        wanted = {"%05d %s %s" % (final, INITIALS, d.strftime("%m/%d/%y")) for d in {day_before, day_after}}
        if not wanted & set(lines):
            raise AssertionError("no line %s in %s:\n%s" % (sorted(wanted), path, "\n".join(lines)))
        if lines.count("00000             ") != 9:
            raise AssertionError("the other nine lines are the blank list's:\n" + "\n".join(lines))
        print("installed game: found %r in %s" % (sorted(wanted & set(lines))[0], path))

        # Nothing written beside the installed program.
        if listing(data) != data_before:
            raise AssertionError("the installed data folder changed: %s" % listing(data))
        beside = [f for f in os.listdir(os.path.dirname(executable)) if f.endswith("Scores.dat")]
        if beside:
            raise AssertionError("score files beside the program: %s" % beside)

        # QUIT GAME ends the program.
        program.click(again, *QUIT_GAME)
        if program.proc.wait(15) != 0:
            raise AssertionError("the program ended with %d" % program.proc.returncode)
    finally:
        program.stop()
        time.sleep(0.2)


if __name__ == "__main__":
    main()
