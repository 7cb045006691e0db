#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tempozap developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program played with real clicks and keys and read over the accessibility bus, one class a ctest
test (tst_program.py BUILD Games): Games under openbox and Orca (its log is what a blind player hears), the beep
on the sound server's sink, a score on disk; Installed."""

import datetime
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tzdriver import ALERT, BUILD, BUTTON, DIALOG, TestCase, nodes, poll, pyatspi, run, unittest  # noqa: E402

OLD = ["05000 EVE 08/09/25", "00300 AMY 01/02/25", "26000 IVY 02/16/26", "00100 LOW 03/14/24", "09000 FAY 10/11/25",
       "01000 CAT 04/05/25", "24000 HAL 01/15/26", "00500 BOB 02/03/25", "21000 GUS 12/13/25", "02000 DAN 06/07/25"]
SKIP = {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}
# Orca's own start, its debug log written line by line, not put off by another Orca on the machine.
ORCA = """import builtins, sys
scope = {"__name__": "orca_under_test"}
exec(compile(open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), scope)
scope["open"] = lambda f, mode="r", *a, **k: builtins.open(f, mode, *a, **(dict(k, buffering=1) if "w" in mode else k))
scope["otherOrcas"] = lambda: []
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(scope["main"]())"""


def heard(action, done):
    """What the sound server's null sink plays from just before the action until done() holds, as bytes."""
    recorder = subprocess.Popen(["parec", "-d", "test_sink.monitor", "--rate=22050", "--channels=1", "--format=s16le",
                                 "--latency-msec=10"], stdout=subprocess.PIPE)
    time.sleep(0.3)
    action()
    poll(done, what="the action done")
    time.sleep(0.3)
    recorder.terminate()
    return recorder.communicate()[0]


def sound_client():  # the program's connections to the sound server, by number
    return [c.split()[0] for c in run("pactl", "list", "short", "clients").splitlines() if c.endswith("tempozap")]


def states(program, title):
    wid = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.proc.pid), "--name", "^%s$" % title)
    out = run("xprop", "-id", wid.split()[0], "_NET_WM_STATE")
    return {atom.strip() for atom in out.split("=")[1].split(",")} if "=" in out else set()


def whole(program, title):  # a window with its frame and title bar, as x, y, width and height
    wid = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.proc.pid), "--name", "^%s$" % title)
    info = run("xwininfo", "-id", wid)
    x, y, w, h = map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info))
    left, right, top, bottom = map(int, re.findall(r"\d+", run("xprop", "-id", wid, "_NET_FRAME_EXTENTS")))
    return x - left, y - top, w + left + right, h + top + bottom


class Games(TestCase):
    def setUp(self):
        self.home = tempfile.mkdtemp(prefix="tempozap-orca-")
        pathlib.Path(self.home, "speechd.conf").write_text('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                                                           'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
        env = dict(os.environ, HOME=self.home, GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1", LANGUAGE="en",
                   SPEECHD_ADDRESS="unix_socket:%s/speechd" % self.home, SPEECHD_CMD="/bin/false",
                   PULSE_SERVER="unix:/nonexistent")  # the sound server's sink is the program's alone
        for args in (["openbox", "--sm-disable"],
                     ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", self.home,
                      "--communication-method", "unix_socket", "--socket-path", self.home + "/speechd"],
                     ["/usr/bin/python3", "-c", ORCA, "--debug-file", self.home + "/orca.log",
                      "--disable", "braille,braille-monitor,sound,mouse-review,key-echo"]):
            process = subprocess.Popen(args, env=env, cwd=self.home, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
            self.addCleanup(process.wait)
            self.addCleanup(os.killpg, process.pid, signal.SIGKILL)  # Orca does not heed SIGTERM while idle
        self.said("^Screen reader on$")

    def said(self, pattern, since=0):  # what Orca has said from its since-th utterance on, once the pattern is in it
        def spoken():
            log = self.home + "/orca.log"
            with open(log if os.path.exists(log) else os.devnull, errors="replace") as text:
                return [s.rstrip(".") for s in re.findall(r"SPEECH OUTPUT: '(.*?)'(?: ?\{| voice=| ACSS|$)",
                                                          text.read(), re.M)][since:]
        return poll(spoken, lambda words: any(re.search(pattern, s) for s in words), what="Orca to say " + pattern)

    def focus(self, window, expected=None):  # the window's focused control (role, name), once it is the expected one
        return poll(lambda: [(n.getRoleName(), n.name) for n in nodes(window)
                             if n.getState().contains(pyatspi.STATE_FOCUSED)],
                    lambda f: f and f == (expected or f), what="the focus on %s" % (expected,))

    def active(self, title):
        poll(lambda: run("xdotool", "getwindowname", run("xdotool", "getactivewindow")) == title, what=title)

    def test_multiplication_heard_and_entered_in_the_top_ten(self):
        p = self.start(scores={"MEScores.dat": "".join(OLD).encode()})
        start = p.window("Tempozap", has="Play")
        self.assertTrue({"_NET_WM_STATE_BELOW"} | SKIP <= states(p, "Tempozap - backdrop"), "below, off the task bar")
        self.said("^Tempozap frame$")
        self.focus(start, [("radio button", "Multiplication")])  # the first of the tab order
        p.keys("Tempozap", "Tab")
        self.focus(start, [("radio button", "4 minutes - Intermediate")])  # into a frame on its chosen option
        game = p.play("3 minutes - Expert")
        self.said("^Tempozap - Multiplication frame$")
        self.focus(game.window, [("list", "Passed")])
        self.assertEqual((game.clock(), game.equation(), game.text("score")), ("3:00", ("?", "?", "?"), "00000"))
        self.assertEqual(game.list("Top Ten Scores"), sorted(OLD, key=str.lower, reverse=True))
        keys = {n.name: n.queryAction() for n in nodes(game.window, BUTTON, r"GO|PASS|\d+")}
        self.assertEqual((len(keys), keys["7"].getName(0)), (14, "Press"))

        mark = len(self.said(""))
        game.press("Start")
        target, factor = game.next_equation()
        self.said("^question mark times %d equals %d$" % (factor, target), mark)
        self.said("^3 minutes left$", mark)
        beep = wave.open(os.path.join(BUILD, "goodbeep.WAV")).readframes(1 << 20)
        mark = len(self.said(""))
        keys[str(target // factor)].doAction(0)  # pressed as a click does
        poll(lambda: game.text("answer") == str(target // factor), what="the key pressed into the slot")
        self.assertIn(beep, heard(lambda: keys["GO"].doAction(0), lambda: game.text("score") == "00200"), "the beep")
        client = sound_client()
        target, factor = game.next_equation(besides=str(target))
        self.said("^Score 200. question mark times %d equals %d$" % (factor, target), mark)
        game.press("PASS")
        poll(lambda: game.text("score") == "00175", what="00175 after a pass")
        self.assertEqual(game.list("Passed"), ["%03d" % target])
        focus = self.focus(game.window)
        p.keys("Tempozap - Multiplication", "Escape")
        self.said("^alert Quit the Game$")
        self.said("^Are you sure\\?$")
        p.keys("Quit the Game", "n")
        self.active("Tempozap - Multiplication")  # again, with its focus
        self.focus(game.window, focus)
        nodes(game.window, BUTTON, "Quit")[0].queryAction().doAction(0)  # as a screen reader presses it
        self.said("^Tempozap dialog QUIT, ARE YOU SURE\\?$")
        x, y, w, h = whole(p, "Tempozap")
        self.assertLessEqual(abs(2 * x + w - 1280) + abs(2 * y + h - 1024), 2, "centred, title bar included")
        self.assertTrue(SKIP <= states(p, "Tempozap - Multiplication") & states(p, "Tempozap"), "not in the task bar")
        p.press(p.window("Tempozap", DIALOG, has="CANCEL"), "CANCEL")
        self.active("Tempozap - Multiplication")
        clock = game.clock()
        poll(lambda: game.clock() < clock, what="the clock to run down from " + clock)

        final, ended = game.clear_board(pause=0.3), time.time()
        minutes, seconds = map(int, game.clock().split(":"))
        self.assertEqual(final, 11775 + 50 * (60 * minutes + seconds), "50 a second left")
        self.said("^Game over. Score %d$" % final)
        dialog = p.window("CONGRATULATIONS !", DIALOG)
        self.assertGreater(time.time() - ended, 3, "the initials asked for some seconds after the end")
        self.assertEqual((len(client), sound_client()), (1, client), "one connection for every sound, the ring too")
        self.said("^CONGRATULATIONS ! dialog You qualify for the Top Ten Scores list$")
        self.said('^Enter your initials below and click "OK" to add your score to the list ! text$')
        p.keys("CONGRATULATIONS !", "Return")  # nothing typed yet; keys, as a player who hears the screen
        p.window("Tempozap", ALERT, has="(?s)Initials must be entered!.*")
        p.keys("Tempozap", "Return")
        p.keys("CONGRATULATIONS !", "a", "b", "c")
        poll(lambda: [t.queryText().getText(0, -1) for t in nodes(dialog, pyatspi.ROLE_TEXT)] == ["ABC"], what="ABC")
        p.keys("CONGRATULATIONS !", "Return")
        again = p.window("Tempozap", DIALOG, has="PLAY AGAIN")
        self.said("^Tempozap dialog PLAY ANOTHER GAME\\?$")
        written = p.read("MEScores.dat").decode()
        new = [written[i:i + 18] for i in range(0, len(written), 18) if written[i + 6:i + 9] == "ABC"]
        days = [datetime.date.today() - datetime.timedelta(d) for d in (0, 1)]  # the game may cross midnight
        self.assertIn(new, [["%05d ABC %s" % (final, d.strftime("%m/%d/%y"))] for d in days])
        ten = sorted([line for line in OLD if line != "00100 LOW 03/14/24"] + new, key=str.lower)
        self.assertEqual(written, "".join(ten), "ten records, lowest first, the lowest old one gone")
        self.assertEqual(game.list("Top Ten Scores"), ten[::-1])
        print("\n".join("Orca said: " + s for s in self.said("")))
        p.keys("Tempozap", "Return")  # PLAY AGAIN has the focus; the start screen comes back with its choices
        game = p.play()
        self.assertEqual((game.clock(), game.list("Top Ten Scores")), ("3:00", ten[::-1]))
        p.keys("Tempozap - Multiplication", "Escape")
        p.keys("Quit the Game", "y")
        self.assertEqual(p.ended(), 0)


class Installed(TestCase):
    """Run by the package test on the installed program (tst_program.py /usr/bin Installed): a score lands
    in the player's own file, nothing is written beside the program."""

    def test_a_score_lands_in_the_players_own_file(self):
        data, path = "/usr/share/tempozap", os.environ["XDG_DATA_HOME"] + "/Tempozap/MIScores.dat"
        listing = lambda: sorted(os.path.join(d, n) for d, _, names in os.walk(data) for n in names)  # noqa: E731
        before, p = listing(), self.start(installed=os.path.join(BUILD, "tempozap"))
        game = p.play()
        game.press("Start")
        final = game.clear_board()
        p.window("CONGRATULATIONS !", DIALOG)
        p.keys("CONGRATULATIONS !", "p", "k", "g", "Return")
        again = p.window("Tempozap", DIALOG, has="PLAY AGAIN")
        written = poll(lambda: open(path, "rb").read() if os.path.exists(path) else b"", lambda b: len(b) == 180,
                       what="ten records in " + path).decode()
        days = [datetime.date.today() - datetime.timedelta(d) for d in (0, 1)]
        self.assertIn(written[162:], ["%05d PKG %s" % (final, d.strftime("%m/%d/%y")) for d in days])
        self.assertEqual((written[:162], listing()), ("00000             " * 9, before), "only the player's file")
        p.press(again, "QUIT GAME")
        self.assertEqual(p.ended(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
