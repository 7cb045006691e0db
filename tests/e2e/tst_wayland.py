#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tempozap developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A whole game in real Wayland sessions, one class a ctest test (tst_wayland.py BUILD Mutter): GNOME's mutter and
KWin, each headless with its XWayland, where the program picks its platform itself, and KWin with no XWayland at
all, where it runs natively. Every control is pressed through its accessible action (a Wayland compositor takes no
synthetic clicks); where each window sits, which is kept below, which is off the task bar and which is active is
asked of the compositor itself: of its X window manager's properties (mutter) or of a KWin script (KWin)."""

import glob
import os
import re
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import tzdriver  # noqa: E402
from tzdriver import ALERT, DIALOG, TestCase, extents, nodes, poll, pyatspi, unittest  # noqa: E402
from wayland_sessions import HEIGHT, WIDTH, KWin, Mutter  # noqa: E402

tzdriver.activate = lambda node: node.queryAction().doAction(0)
BACKDROP = "Tempozap - backdrop"


class WaylandGame(TestCase):
    """The same game in each session: the start screen's quit question, a game with the quit question answered
    CANCEL, the board cleared, the initials asked (once left empty) and the play-again dialog's QUIT GAME."""

    native = False  # runs with no X server at all

    @classmethod
    def setUpClass(cls):
        if os.environ.get("TEMPOZAP_WAYLAND_SESSIONS") != "1":
            raise unittest.SkipTest("the test command sets TEMPOZAP_WAYLAND_SESSIONS=1 to play in Wayland sessions")
        if not shutil.which(cls.binary):
            raise unittest.SkipTest(cls.binary + " is not installed")
        if cls.native and not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
            raise unittest.SkipTest("the toolkit's Wayland platform (qt6-wayland) is not installed")
        cls.session = cls.make()
        cls.addClassCleanup(cls.session.stop)  # also when the start fails
        cls.session.start()

    def look(self, p, expected):
        """The program's windows as the compositor has them once they are the expected ones, by title and client
        size (several share a title), each checked: on the screen; the backdrop just over the work area, lowest,
        kept below and off the task bar (native Wayland offers no such hints); every other window above it and, where
        X11 keeps it so, off the task bar and centred, title bar included; the expected window active."""
        names = {w: (w.name, extents(w)[2:]) for w in expected}
        active = expected[-1]

        def current():
            seen = self.session.windows(p.proc.pid)
            found = {w: [s for s in seen if s.title == names[w][0] and s.holds(names[w][1])] for w in expected}
            return seen, found
        seen, found = poll(current, lambda v: len(v[0]) == len(expected) and all(len(f) == 1 for f in v[1].values())
                           and v[1][active][0].active, what="the windows %s, %s active" % (
                               [names[w] for w in expected], names[active]), timeout=10)
        backdrop = found[expected[0]][0]
        self.assertEqual((backdrop.title, backdrop.frame), (BACKDROP, (0, 0, WIDTH, HEIGHT)), seen)
        for window in seen:
            x, y, w, h = window.frame
            if window is not backdrop:
                self.assertTrue(x >= 0 and y >= 0 and x + w <= WIDTH and y + h <= HEIGHT, "on the screen: %s" % seen)
                self.assertGreater(window.stacking, backdrop.stacking, "above the backdrop: %s" % seen)
                if not self.native:
                    self.assertLessEqual(abs(2 * x + w - WIDTH) + abs(2 * y + h - HEIGHT), 2, "centred: %s" % seen)
                    self.assertEqual(window.skip_taskbar, window.title != "Tempozap" or not window.holds((620, 245)),
                                     "only the start screen in the task bar: %s" % seen)
        if not self.native:
            self.assertTrue(backdrop.below and backdrop.skip_taskbar, seen)
        return seen

    def test_a_whole_game(self):
        p = self.start(env=self.session.program_env())
        with open("/proc/%d/maps" % p.proc.pid) as maps:
            libraries = maps.read()
        platform = "wayland" if "libqwayland" in libraries else "xcb" if "libqxcb" in libraries else "?"
        self.assertEqual(platform, "wayland" if self.native else "xcb", "the platform the program chose")
        backdrop = poll(lambda: nodes(p.app, tzdriver.FRAME, re.escape(BACKDROP)), what="the backdrop")[0]
        start = p.window("Tempozap", has="Play")
        self.look(p, [backdrop, start])
        p.press(start, "Cancel")
        box = p.window("Quit the Game", ALERT, has="Are you sure\\?")
        p.press(box, "No")
        self.look(p, [backdrop, start])  # the focus back

        game = p.play("3 minutes - Expert")
        self.look(p, [backdrop, game.window])
        game.press("Start")
        game.next_equation()
        p.press(game.window, "Quit")
        question = p.window("Tempozap", DIALOG, has="CANCEL")
        self.look(p, [backdrop, game.window, question])
        p.press(question, "CANCEL")
        self.look(p, [backdrop, game.window])

        game.clear_board()
        initials = p.window("CONGRATULATIONS !", DIALOG)
        self.look(p, [backdrop, game.window, initials])
        p.press(initials, "OK")
        box = p.window("Tempozap", ALERT, has="(?s)Initials must be entered!.*")
        p.press(box, "OK")
        self.look(p, [backdrop, game.window, initials])
        poll(lambda: nodes(initials, pyatspi.ROLE_TEXT), what="the initials' box")[0].queryEditableText() \
            .setTextContents("WLD")
        p.press(initials, "OK")
        again = p.window("Tempozap", DIALOG, has="PLAY AGAIN")
        self.look(p, [backdrop, game.window, again])
        p.press(again, "QUIT GAME")
        self.assertEqual(p.ended(), 0)

        what = ("natively (no XWayland): every window on the screen and above the backdrop" if self.native else
                "as an X client of its XWayland: the backdrop below and off the task bar, every screen and dialog "
                "centred (title bar included), only the start screen in the task bar")
        summary = os.environ.get("TEMPOZAP_SUMMARY")
        if summary:
            with open(summary, "a") as lines:
                lines.write("Wayland, %s headless: a whole game played %s, the focus back after every box\n"
                            % (self.session.version, what))


class MutterXwayland(WaylandGame):
    binary = "mutter"
    make = staticmethod(Mutter)


class KWinXwayland(WaylandGame):
    binary = "kwin_wayland"
    make = staticmethod(lambda: KWin(xwayland=True))


class KWinNative(WaylandGame):
    binary = "kwin_wayland"
    native = True
    make = staticmethod(lambda: KWin(xwayland=False))


if __name__ == "__main__":
    result = unittest.main(verbosity=2, exit=False, warnings="ignore").result
    sys.exit(1 if not result.wasSuccessful() else 77 if result.testsRun == 0 else 0)  # 77: skipped, for ctest
