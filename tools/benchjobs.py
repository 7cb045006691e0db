"""The measurements of tools/bench, each run in a process of its own. The places they click and look at are
read from the program's sources; every process they start is stopped by its id, with what it started."""
import contextlib
import os
import pathlib
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-bench")
MONO = time.monotonic
RATE, GAME_TICKS = 22050, 181  # the sounds' rate (and the null sink's); an Expert game's clock steps and its end
COPIED = {".wav", ".gif", ".png", ".bmp", ".dat", ".ico"}
RECT = r"\{(\d+), (\d+), (\d+), (\d+)\}"
KEY = r"key\(int k\)\s*\{\s*return \{(\d+) \+ (\d+) \* \(\(k - 1\) % (\d+)\), (\d+) \+ (\d+) \* [^,]*, (\d+), (\d+)\};"


class Failed(Exception):
    pass


def log(text):
    print(text, file=sys.stderr, flush=True)


def px(twips):
    return (twips * 2 + 15) // 30


def centre(rect):
    left, top, width, height = map(px, rect)
    return left + width // 2, top + height // 2


def sound_length_ms(path):
    with wave.open(path) as w:
        return 1000.0 * w.getnframes() / w.getframerate()


def wait_for(test, what, timeout, proc=None, interval=0.0005):
    """Polls test() until it holds; returns that instant."""
    deadline = MONO() + timeout
    while not test():
        if proc is not None and proc.poll() is not None or MONO() > deadline:
            raise Failed("no %s within %.0f s, or the program ended" % (what, timeout))
        time.sleep(interval)
    return MONO()


class Places:
    """Where the jobs click and look (pixels in window coordinates) and the colours, read from the program's
    sources: the game screen's layout header, the start screen's form and the colour table."""

    def __init__(self):
        game, start, widgets = (pathlib.Path(ROOT, p).read_text()
                                for p in ("game/GameLayout.h", "app/StartScreen.cpp", "platform/Widgets.cpp"))
        try:
            variant = re.search(r'Variant Multiplication\{\s*"\w+",\s*"([^"]+)"(.*?)\n\};', game, re.S)
            rect = {m[0]: tuple(map(int, m[1:])) for pattern, text in (
                (r"constexpr TwipsRect (\w+)" + RECT, game), (r'constexpr Label (\w+)\{\s*"\w+", ' + RECT, game),
                (r'\{"([^"]+)", ' + RECT, variant[2]), (r'form\.\w+\((?:\w+, )?"([^"]+)", ' + RECT, start))
                for m in re.findall(pattern, text)}
            size = {n: px(int(v)) for n, v in re.findall(r"constexpr int (\w+) = (\d+);", game)}
            last = [px(int(re.search(r"> %s\{[^}]*?(\d+)\}" % n, game)[1])) for n in ("BoardRow5", "BoardTops")]
            self.keypad = tuple(map(int, re.search(KEY, game).groups()))
            client = tuple(map(int, re.search(r"form\.setClient\((\d+), (\d+),", start).groups()))
            self.colour = {n: tuple(map(int, rgb))
                           for n, *rgb in re.findall(r"Paint::(\w+): return \{(\d+), (\d+), (\d+)\};", widgets)}
            self.game_title, self.play, self.start = variant[1], centre(rect["cmdPlay"]), centre(rect["Start"])
            frame, expert = rect["Frame2"], rect["optExpert(2)"]
            self.expert = centre((frame[0] + expert[0], frame[1] + expert[1]) + expert[2:])
            self.go, self.lamp = centre(rect["Go"]), centre(rect["PowerLamp"])
            self.product_at, self.factor_at = (tuple(map(px, rect[n][:2])) for n in ("lblProduct", "lblRight(61)"))
            self.floor_args = [str(v) for v in client + rect["cmdPlay"]]
            left, top, width, height = map(px, rect["ScoreBox"])
            self.score = (left + 2, top + 2, width - 4, height - 4)
            yellow, blue, teal = (self.colour[n] for n in ("Yellow", "Blue", "Teal"))
            # A window counts as painted when these pixels (x, y, equal or not, colour) show what its first
            # frame shows; until then it shows what lies under it.
            self.painted = {"backdrop": [(4, 4, True, blue)],
                            "start": [(px(client[0]) - 3, px(client[1]) - 3, True, yellow), self.play + (False, yellow)],
                            "game": [(size["Width"] - 3, size["Height"] - 3, True, teal),
                                     (left + 4, top + 4, True, yellow), (last[0] + 3, last[1] + 3, True, blue)]}
        except (TypeError, KeyError) as e:
            raise Failed("the program's layout is not where the bench reads it: %r" % e)

    def key(self, k):
        left, step_x, columns, top, step_y, width, height = self.keypad
        return centre((left + step_x * ((k - 1) % columns), top + step_y * ((k - 1) // columns), width, height))


class Screen:
    """A client of the X server that sees windows being mapped, reads their pixels and sends real input
    through XTEST (as xdotool does) from this process, so the instant of a click is known."""

    def __init__(self, display_name):
        from Xlib import X, display, error
        from Xlib.ext import xtest
        self.X, self.XError, self.xtest, self.mapped = X, error.XError, xtest, {}  # window id -> [window, title]
        self.d = display.Display(display_name)
        if not self.d.has_extension("XTEST"):
            raise Failed("the X server has no XTEST")
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()

    def find(self, title):
        while self.d.pending_events():
            ev = self.d.next_event()
            if ev.type == self.X.MapNotify:
                self.mapped[ev.window.id] = [ev.window, None]
            elif ev.type in (self.X.UnmapNotify, self.X.DestroyNotify):
                self.mapped.pop(ev.window.id, None)
        for entry in list(self.mapped.values()):
            with contextlib.suppress(self.XError):
                entry[1] = entry[1] or entry[0].get_wm_name()
            if entry[1] and (entry[1] == title or entry[1].startswith(title + " \u2014 ")):
                return entry[0]
        return None

    def region(self, window, x, y, w=1, h=1):
        with contextlib.suppress(self.XError):
            return window.get_image(x, y, w, h, self.X.ZPixmap, 0xFFFFFFFF).data
        return None

    def pixel(self, window, x, y):
        data = self.region(window, x, y)
        return data and (data[2], data[1], data[0])

    def wait_painted(self, wanted, proc, timeout=20.0):
        """wanted: name -> (title, checks). Returns name -> the instant the window was first seen painted."""
        painted, deadline = {}, MONO() + timeout
        while True:
            windows = {name: self.find(title) for name, (title, _) in wanted.items() if name not in painted}
            for name, window in windows.items():
                if window and all((self.pixel(window, x, y) == c) == eq for x, y, eq, c in wanted[name][1]):
                    painted[name] = MONO()
            if len(painted) == len(wanted):
                return painted
            if proc.poll() is not None or MONO() > deadline:
                raise Failed("%s not painted (program: %s)" % (sorted(set(wanted) - set(painted)), proc.returncode))
            if any(windows.values()):
                time.sleep(0.0005)
            else:
                select.select([self.d.fileno()], [], [], 0.005)

    def move(self, x, y):
        self.xtest.fake_input(self.d, self.X.MotionNotify, x=x, y=y)
        self.d.sync()

    def click(self, window, x, y):
        """A real click at window coordinates; returns the instant its release (which fires it) reached the server."""
        origin = self.root.translate_coords(window, 0, 0)
        self.move(origin.x + x, origin.y + y)
        time.sleep(0.02)
        self.xtest.fake_input(self.d, self.X.ButtonPress, 1)
        self.xtest.fake_input(self.d, self.X.ButtonRelease, 1)
        self.d.sync()
        return MONO()


class Run:
    """One job: its folder, servers and X client, the measurements (job_*), and every process it started."""

    def __init__(self, a):
        self.a, self.started, self.screen, self.recorder, self.at = a, [], None, None, Places()
        real, floor = ("Tempozap - backdrop", "Tempozap", self.at.game_title), ("benchfloor - backdrop", "benchfloor",
                                                                               "benchfloor - game")
        self.titles = {"real": real, "floor": floor, "floor-sound": floor}

    def start(self, args, **kwargs):
        """Starts a process in a group of its own, so what it starts is stopped with it."""
        for stream in ("stdin", "stdout", "stderr"):
            kwargs.setdefault(stream, subprocess.DEVNULL)
        self.started.append(subprocess.Popen(args, start_new_session=True, **kwargs))
        return self.started[-1]

    def stop(self, proc):
        if proc in self.started:
            self.started.remove(proc)
            for sig, grace in ((signal.SIGTERM, 3), (signal.SIGKILL, 2)):  # the second for what it left behind
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(proc.pid, sig)
                with contextlib.suppress(subprocess.TimeoutExpired):
                    proc.wait(grace)

    def close(self):
        with contextlib.suppress(Exception):
            self.screen.d.close()
        for proc in reversed(self.started[:]):
            self.stop(proc)

    def environment(self, x=True, sound=False, record=None, a11y=False):
        """A folder of its own, an X server (Xvfb), and either a sound server with a null sink at the sounds'
        rate or a sound-server address that leads nowhere; on request a session bus and the accessibility bus."""
        folder = tempfile.mkdtemp(prefix="env-", dir=self.a["dir"])
        pulse, xdg = os.path.join(folder, "pulse"), os.path.join(folder, "xdg")
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "PULSE_", "DBUS_", "XDG_", "AT_SPI"))
               and k not in ("DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY")}
        env.update(XDG_RUNTIME_DIR=xdg, PULSE_COOKIE=os.path.join(folder, "pulse-cookie"),
                   NO_AT_BRIDGE="0" if a11y else "1", PULSE_SERVER="unix:" + os.path.join(folder, "no-server"))
        os.mkdir(xdg, 0o700)
        if x:
            read_end, write_end = os.pipe()
            self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                        "-noreset"], pass_fds=(write_end,))
            os.close(write_end)
            with os.fdopen(read_end) as displayfd:
                env["DISPLAY"] = ":" + displayfd.readline().strip()
            self.screen = Screen(env["DISPLAY"])
        if sound:
            os.mkdir(pulse)
            self.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                        "--log-target=file:" + os.path.join(pulse, "log"),
                        "--load=module-null-sink sink_name=bench_sink rate=%d channels=1 norewinds=1" % RATE,
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + os.path.join(pulse, "native")],
                       env=dict(env, PULSE_RUNTIME_PATH=pulse, HOME=folder))
            env["PULSE_SERVER"] = "unix:" + os.path.join(pulse, "native")
            wait_for(lambda: subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0,
                     "sound server", 10, interval=0.05)
            with open(record or os.devnull, "wb") as target:  # something always listens, as a sound card plays
                self.recorder = self.start(["parec", "-d", "bench_sink.monitor", "--latency-msec=10", "--channels=1",
                                            "--rate=%d" % RATE, "--format=s16le"], env=env, stdout=target)
            time.sleep(0.2)
        if a11y:
            bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=env,
                             stdout=subprocess.PIPE)
            env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
            self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
            time.sleep(0.5)
        return env

    def folder(self):
        """The program with its files and the floors, copied into the job's folder (the program's score
        files stay there)."""
        folder = os.path.join(self.a["dir"], "programs")
        if not os.path.isdir(folder):
            os.mkdir(folder)
            names = [n for n in os.listdir(BUILD) if n == "tempozap" or os.path.splitext(n)[1].lower() in COPIED]
            for path in [os.path.join(BUILD, n) for n in names] + [os.path.join(BUILD, "floor", "bench" + n)
                                                                   for n in ("floor", "floor-sound", "sound")]:
                shutil.copy2(path, folder)
        return folder

    def launch(self, kind, env, a11y=False):
        """Starts the program ("real") or a floor; returns it, the instant of its exec, and the instants its
        backdrop and start screen were painted."""
        exe = os.path.join(self.folder(), "tempozap" if kind == "real" else "bench" + kind)
        env = dict(env, QT_QPA_PLATFORM="xcb")
        if a11y:
            env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        with open(exe + ".log", "ab") as out:
            t0 = MONO()
            proc = self.start([exe] + ([] if kind == "real" else self.at.floor_args), cwd=self.folder(), env=env,
                              stdout=out, stderr=subprocess.STDOUT)
        return proc, t0, self.wait_painted(kind, proc, "backdrop", "start")

    def wait_painted(self, kind, proc, *names):
        titles = dict(zip(("backdrop", "start", "game"), self.titles[kind]))
        return self.screen.wait_painted({n: (titles[n], self.at.painted[n]) for n in names}, proc)

    def play(self, kind, proc, expert=False):
        """Play on the start screen: the click, the instant the game screen was painted, and its window."""
        start = self.screen.find(self.titles[kind][1])
        if start is None:
            raise Failed("no start screen")
        if expert:
            self.screen.click(start, *self.at.expert)
            time.sleep(0.2)
        clicked = self.screen.click(start, *self.at.play)
        return clicked, self.wait_painted(kind, proc, "game")["game"], self.screen.find(self.titles[kind][2])

    def press_start(self, proc, game):
        return self.screen.click(game, *self.at.start), self.wait_lamp(proc, game, "Green", 10)

    def wait_lamp(self, proc, game, colour, timeout):
        return wait_for(lambda: self.screen.pixel(game, *self.at.lamp) == self.at.colour[colour],
                        "lamp turning " + colour, timeout, proc)

    def cpu_percent(self, pid):
        """The share of one core a process takes over the idle window: its CPU clock (every thread, living or
        ended) against the wall clock."""
        clock = ((~pid) << 3) | 2
        c0, t0 = time.clock_gettime_ns(clock), MONO()
        time.sleep(self.a["seconds"])
        return 100.0 * (time.clock_gettime_ns(clock) - c0) / 1e9 / (MONO() - t0)

    def job_sound(self):
        """The sound cue's time beyond each sound's length and its time to give up, beside the bare calls."""
        folder, values = self.folder(), {}
        for mode, sound in (("latency", True), ("giveup", False)):
            out = subprocess.run([os.path.join(folder, "benchsound"), mode, folder, str(self.a["runs"])], check=True,
                                 env=self.environment(x=False, sound=sound), capture_output=True, text=True).stdout
            for name, *_, value in map(str.split, out.splitlines()):
                values.setdefault(name, []).append(float(value))
        return values

    def job_startup(self):
        """Start-up and peak memory (VmHWM), the program and the floor taking turns."""
        env, results = self.environment(sound=True), {"real": [], "floor": []}
        for i in range(self.a["warmup"] + self.a["runs"]):
            for kind in ("real", "floor") if i % 2 == 0 else ("floor", "real"):
                self.screen.move(1, 1)
                time.sleep(0.3)
                proc, t0, painted = self.launch(kind, env)
                row = {"start": 1000 * (max(painted.values()) - t0), "start_screen_only": 1000 * (painted["start"] - t0)}
                time.sleep(1.6)  # past the start-up ring
                row["mem_start"] = self.vm_hwm_mib(proc.pid)
                clicked, game_painted, game = self.play(kind, proc)
                row["play"] = 1000 * (game_painted - clicked)
                if kind == "real":
                    self.press_start(proc, game)
                time.sleep(3.0)
                row["mem_game"] = self.vm_hwm_mib(proc.pid)
                self.stop(proc)
                if i >= self.a["warmup"]:
                    results[kind].append(row)
        return results

    def vm_hwm_mib(self, pid):
        with open("/proc/%d/status" % pid) as f:
            return next(int(line.split()[1]) / 1024.0 for line in f if line.startswith("VmHWM:"))

    def read_equation(self, pyatspi, pid):
        """The product and the shown factor, read as a screen reader reads them: the labels at their places."""
        deadline = MONO() + 10
        while MONO() < deadline:
            with contextlib.suppress(Exception):
                for window in (w for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == pid
                               for w in app if w and w.name.startswith(self.at.game_title)):
                    wx, wy = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[:2]
                    found = {}
                    for label in pyatspi.findAllDescendants(window, lambda n: n.getRole() == pyatspi.ROLE_LABEL):
                        x, y = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[:2]
                        found[(x - wx, y - wy)] = label.name
                    product, factor = found.get(self.at.product_at, ""), found.get(self.at.factor_at, "")
                    if product.isdigit() and factor.isdigit():
                        return int(product), int(factor)
            time.sleep(0.1)
        raise Failed("could not read the equation")

    def job_response(self):
        """A real click on GO (after the right answer's key) until the score box changes, less the beep."""
        env = self.environment(sound=True, a11y=True)
        os.environ.update(env)
        import pyatspi
        warmup, beep = self.a["warmup"], sound_length_ms(os.path.join(self.folder(), "goodbeep.WAV"))
        results = {"real": [], "floor": [], "beep_ms": beep}
        for kind in ("real", "floor-sound"):
            proc = self.launch(kind, env, a11y=True)[0]
            time.sleep(1.6 if kind == "real" else 0.5)
            game = self.play(kind, proc)[2]
            time.sleep(0.5)
            green = self.press_start(proc, game)[1] if kind == "real" else None
            for i in range(warmup + self.a["runs"]):
                if green:
                    product, factor = self.read_equation(pyatspi, proc.pid)
                    if not 1 <= product // factor <= 12:
                        raise Failed("odd equation %s / %s" % (product, factor))
                    # The clock ticks (and plays its tick) about every second after Start;
                    # GO is clicked a third of a second after a tick, between two ticks.
                    n = int(MONO() - green) + 1
                    while green + n + 0.35 - MONO() < 0.3:
                        n += 1
                    self.screen.click(game, *self.at.key(product // factor))
                    time.sleep(max(0.0, green + n + 0.35 - MONO()))
                before = self.screen.region(game, *self.at.score)
                clicked = self.screen.click(game, *self.at.go)
                shown = wait_for(lambda: self.screen.region(game, *self.at.score) not in (None, before),
                                 "score repainted", 3.0, interval=0.0003)
                if i >= warmup:
                    results["real" if green else "floor"].append(1000 * (shown - clicked) - beep)
                time.sleep(0.2 if green else 0.5)
            self.stop(proc)
        return results

    def job_idle(self):
        """CPU of a window left alone: a start screen (the program's clock animating), or a running game."""
        proc = self.launch(self.a["kind"], self.environment(sound=self.a["sound"]))[0]
        if self.a["game"]:
            time.sleep(0.5)
            game = self.play("real", proc)[2]
            time.sleep(0.5)
            self.press_start(proc, game)
        time.sleep(2.0)
        idle = self.cpu_percent(proc.pid)
        if self.a["game"] and self.screen.pixel(game, *self.at.lamp) != self.at.colour["Green"]:
            raise Failed("the game was not running all through the idle window")
        return {"idle": idle}

    def job_ticker(self):
        """CPU of the tick sounds alone: the program's sound cue once a second, on the second."""
        folder = self.folder()
        proc = self.start([os.path.join(folder, "benchsound"), "ticker", folder, str(int(self.a["seconds"]) + 6)],
                          env=self.environment(x=False, sound=self.a["sound"]))
        time.sleep(2.5)
        return {"idle": self.cpu_percent(proc.pid)}

    def job_clock(self):
        """An Expert game left to run out with the real tick sound: the wall time from Start to the end (the
        lamp turning green, then red) and the spacing of the ticks recorded from the sink."""
        recording = os.path.join(self.a["dir"], "sink.raw")
        proc, launched, _ = self.launch("real", self.environment(sound=True, record=recording))
        time.sleep(1.6)
        game = self.play("real", proc, expert=True)[2]
        time.sleep(0.5)
        clicked, green = self.press_start(proc, game)
        # A look at the lamp once a second until shortly before the end, then closely.
        while MONO() < green + GAME_TICKS - 0.4 and self.screen.pixel(game, *self.at.lamp) == self.at.colour["Green"]:
            time.sleep(min(1.0, max(0.0, green + GAME_TICKS - 0.4 - MONO())))
        red = self.wait_lamp(proc, game, "Red", 90)
        time.sleep(1.0)
        self.stop(self.recorder)
        self.stop(proc)
        out = subprocess.run([os.path.join(self.folder(), "benchsound"), "onsets", recording, str(RATE)],
                             capture_output=True, text=True, check=True).stdout
        os.remove(recording)
        onsets = [int(line.split()[1]) for line in out.splitlines() if line.startswith("onset ")]
        return dict(tick_figures(onsets, clicked - launched), clock=red - green, clock_from_click=red - clicked)


def tick_figures(onsets, click_after_launch):
    """The 181 ticks among the recorded sounds: the start-up ring comes first (100 ms after launch), the ticks
    follow Start about a second apart, the end-of-game ring follows the last tick. Each tick is the sound
    nearest to its place on a one-second grid from the first."""
    start = onsets[0] + (click_after_launch - 0.1) * RATE if onsets else 0  # by the ring: the recorder may be late

    def grid(first):
        near = [min(onsets, key=lambda o: abs(o - first - k * RATE)) for k in range(GAME_TICKS)]
        return [o if abs(o - first - k * RATE) <= 0.45 * RATE else None for k, o in enumerate(near)]

    candidates = [o for o in onsets if start - 1.5 * RATE <= o <= start + 3.0 * RATE]
    if not candidates:
        return {"ticks_recorded": 0}
    first = max(candidates, key=lambda o: (sum(t is not None for t in grid(o)), -o))
    ticks = grid(first)
    result = {"ticks_recorded": sum(t is not None for t in ticks)}
    if ticks[-1] is not None:  # offsets from the grid: a steady drift grows with k, jitter does not
        offsets = [(t - first) / RATE - k for k, t in enumerate(ticks) if t is not None]
        result.update(tick_span=(ticks[-1] - first) / RATE, tick_offset_mid=offsets[len(offsets) // 2],
                      tick_offset_max=max(offsets, key=abs))
    return result


def run_job(job, name, a):
    """One job, in a process of its own: its result, or None when it failed."""
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(1))  # what it started is stopped all the same
    run = None
    try:
        run = Run(a)
        return getattr(run, "job_" + job)()
    except Exception as e:
        log("  %s: %s" % (name, e))
        return None
    finally:
        if run:
            run.close()
