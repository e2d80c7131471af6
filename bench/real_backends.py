#!/usr/bin/env python3
"""Measures the launcher on the real backends against a bare GTK window and a bare WebKitGTK
window, side by side on one X display (run it through real_backends.sh, which starts one).

Usage: real_backends.py BUILD-DIR [RUNS]

Each round starts every program in turn (so a change in the machine's load falls on all of
them alike) through first_frame_observer, which timestamps from outside, through the X server,
when each program's windows are mapped and first drawn; the engine's own trace adds the load
start and the page messages. Prints the median and spread of each figure and a verdict per goal.
"""
import os
import re
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

BENCH = os.path.dirname(os.path.abspath(__file__))
MARKER = "12a460"  # the login page's colour
CALLS = 200


class Failed(Exception):
    pass


def read_trace(path):
    events = []
    if os.path.exists(path):
        with open(path) as trace:
            for line in trace:
                parts = line.split()
                if len(parts) == 2 and parts[1].isdigit():
                    events.append((parts[0], int(parts[1])))
    return events


def first(events, name, after=0):
    for event, stamp in events:
        if event == name and stamp >= after:
            return stamp
    return None


def first_like(events, prefix, after=0):
    """The first event whose name starts with |prefix|, at or after |after|: (name, stamp)."""
    for event, stamp in events:
        if event.startswith(prefix) and stamp >= after:
            return event, stamp
    return None, None


def count(events, name):
    return sum(1 for event, _ in events if event == name)


def descendants(pid):
    found = []
    pending = [pid]
    while pending:
        parent = pending.pop()
        try:
            tasks = os.listdir("/proc/%d/task" % parent)
        except OSError:
            continue
        for task in tasks:
            try:
                with open("/proc/%d/task/%s/children" % (parent, task)) as children:
                    for child in children.read().split():
                        found.append(int(child))
                        pending.append(int(child))
            except OSError:
                pass
    return found


def memory_of(pid):
    """(name, RSS kB, PSS kB) of a process, from smaps_rollup."""
    values = {}
    try:
        with open("/proc/%d/comm" % pid) as comm:
            name = comm.read().strip()
        with open("/proc/%d/smaps_rollup" % pid) as rollup:
            for line in rollup:
                match = re.match(r"(Rss|Pss):\s+(\d+) kB", line)
                if match:
                    values[match.group(1)] = int(match.group(2))
    except OSError:
        return None
    return name, values.get("Rss", 0), values.get("Pss", 0)


class Observed:
    """A program started by the observer, with its own trace file."""

    def __init__(self, observer, command, env):
        self.trace = tempfile.NamedTemporaryFile(prefix="bench-trace-", delete=False).name
        env = dict(env, QUELLIX_BENCH_TRACE=self.trace)
        self.process = subprocess.Popen([observer, MARKER] + command, env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
        line = self.process.stdout.readline().strip()
        if not line.isdigit():
            self.stop()
            raise Failed("the observer could not start %s" % command[0])
        self.pid = int(line)
        self.helpers = []

    def events(self):
        return read_trace(self.trace)

    def wait_for(self, what, condition, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise Failed("the program ended while waiting for %s" % what)
            events = self.events()
            result = condition(events)
            if result:
                return events
            self.helpers = list(set(self.helpers) | set(descendants(self.pid)))
            time.sleep(0.01)
        raise Failed("no %s within %d s" % (what, seconds))

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        # WebKit's helpers end with their parent; any that lingers is ended here.
        for helper in getattr(self, "helpers", []):
            try:
                os.kill(helper, signal.SIGKILL)
            except OSError:
                pass
        if os.path.exists(self.trace):
            os.unlink(self.trace)


def ms(later, earlier):
    return (later - earlier) / 1e6


class Bench:
    def __init__(self, build, runs):
        self.build = build
        self.runs = runs
        self.observer = os.path.join(build, "bench", "first_frame_observer")
        self.bare_gtk = os.path.join(build, "bench", "bare_gtk_window")
        self.bare_webkit = os.path.join(build, "bench", "bare_webkit_window")
        self.extension = os.path.join(build, "bench", "bare-web-extension")
        self.launcher = os.path.join(build, "products", "vantellis", "Vantellis")
        for program in (self.observer, self.bare_gtk, self.bare_webkit, self.launcher):
            if not os.access(program, os.X_OK):
                raise Failed("%s is not built (configure with -DQUELLIX_REAL_BACKENDS=ON)" % program)
        self.port = self.start_page_port()
        self.home = tempfile.mkdtemp(prefix="bench-home-")
        self.env = dict(os.environ, QUELLIX_BACKEND="real", HOME=self.home, TMPDIR=self.home,
                        XDG_DATA_HOME=os.path.join(self.home, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                        XDG_CACHE_HOME=os.path.join(self.home, "cache"),
                        GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1", LANG="C.UTF-8",
                        WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS="1")
        self.samples = {}
        self.memory = []
        self.lost = []

    def start_page_port(self):
        with open(os.path.join(self.build, "CMakeCache.txt")) as cache:
            for line in cache:
                match = re.match(r"QUELLIX_VANTELLIS_START_PAGE:\w+=http://127\.0\.0\.1:(\d+)/login\.html$",
                                 line.strip())
                if match:
                    return int(match.group(1))
        raise Failed("the build's start page is not http://127.0.0.1:PORT/login.html")

    def url(self, page):
        return "http://127.0.0.1:%d/%s" % (self.port, page)

    def add(self, name, value):
        self.samples.setdefault(name, []).append(value)

    def serve(self):
        probe = socket.socket()
        probe.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        try:
            probe.bind(("127.0.0.1", self.port))
        except OSError:
            raise Failed("port %d (the launcher's start page) is in use" % self.port)
        finally:
            probe.close()
        self.server = subprocess.Popen(
            [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "--directory",
             os.path.join(BENCH, "pages"), str(self.port)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                socket.create_connection(("127.0.0.1", self.port), 0.5).close()
                return
            except OSError:
                time.sleep(0.05)
        raise Failed("the page server did not start")

    def run_bare_gtk(self, record):
        program = Observed(self.observer, [self.bare_gtk], self.env)
        try:
            events = program.wait_for("painted window", lambda e: first(e, "paint-1"))
            if record:
                spawn = first(events, "spawn")
                self.add("a.gtk.map", ms(first(events, "map-1"), spawn))
                self.add("a.gtk.paint", ms(first(events, "paint-1"), spawn))
        finally:
            program.stop()

    def run_bare_webkit(self, record):
        program = Observed(self.observer, [self.bare_webkit, self.url("login.html")], self.env)
        try:
            events = program.wait_for("painted page", lambda e: first_like(e, "marker-")[1])
            if record:
                spawn = first(events, "spawn")
                self.add("a.webkit.map", ms(first(events, "map-1"), spawn))
                self.add("a.webkit.paint", ms(first(events, "paint-1"), spawn))
                self.add("a.webkit.page", ms(first_like(events, "marker-")[1], spawn))
        finally:
            program.stop()

    def run_bare_messages(self, record):
        """Without replies, as the launcher's messages go: a reply's wake-up of the web process
        from the UI process's thread draws WebKit's threads onto fewer cores, which shortens the
        next message's path by a fifth on a loaded machine, so only the run without replies
        compares with the launcher. The run with replies gives the round trip."""
        for replies in (False, True):
            command = [self.bare_webkit, self.url("game.html?calls=%d" % CALLS), self.extension]
            program = Observed(self.observer, command + (["replies"] if replies else []), self.env)
            try:
                if replies:
                    events = program.wait_for("replies", lambda e: count(e, "reply-received") >= CALLS)
                else:
                    events = program.wait_for("page calls", lambda e: count(e, "message-handled") >= CALLS)
                if record:
                    self.add_messages("c.bare-replied" if replies else "c.bare", events,
                                      "reply-received" if replies else None)
            finally:
                program.stop()

    def add_messages(self, name, events, reply=None):
        """Each page call to its message handled (and its reply received), in ms. Every call
        brings one message and one reply, in order."""
        def stamps(event_name):
            return sorted(stamp for event, stamp in events if event == event_name)
        calls = stamps("page-call")
        for call, handled in zip(calls, stamps("message-handled")):
            self.add(name + ".one-way", ms(handled, call))
        if reply:
            for call, back in zip(calls, stamps(reply)):
                self.add(name + ".round-trip", ms(back, call))

    def run_launcher(self, record):
        program = Observed(self.observer, [self.launcher], self.env)
        try:
            # The login window is the first one mapped; its page shows in a window of its own.
            events = program.wait_for("painted login page", lambda e: first_like(e, "marker-")[1])
            spawn = first(events, "spawn")
            if record:
                self.add("a.launcher.map", ms(first(events, "map-1"), spawn))
                self.add("a.launcher.paint", ms(first(events, "paint-1"), spawn))
                self.add("a.launcher.page", ms(first_like(events, "marker-")[1], spawn))
            # A click on the page logs in; the page lies under the screen's middle.
            starts = count(events, "load-start")
            for _ in range(10):
                subprocess.run(["xdotool", "mousemove", "640", "400", "click", "1"], env=self.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    events = program.wait_for("hand-over", lambda e: count(e, "load-start") > starts, 2)
                    break
                except Failed:
                    pass
            handover = [stamp for event, stamp in events if event == "load-start"][starts]
            game = program.wait_for("game window", lambda e: self.game_window(e, handover))
            ordinal, shown = self.game_window(game, handover)
            game = program.wait_for("game window drawn", lambda e: first(e, "paint-%d" % ordinal))
            if record:
                created = first_like(game, "create-", handover)[1]
                self.add("b.launcher.created", ms(created, handover))
                self.add("b.launcher.shown", ms(shown, handover))
                self.add("b.launcher.painted", ms(first(game, "paint-%d" % ordinal), handover))
            events = program.wait_for("page calls", lambda e: count(e, "message-handled") >= CALLS)
            if record:
                self.add_messages("c.launcher", events)
                time.sleep(2)  # the game page idles
                self.memory.append([memory_of(pid) for pid in [program.pid] + descendants(program.pid)])
        finally:
            program.stop()

    @staticmethod
    def game_window(events, handover):
        """(ordinal, map stamp) of the first large window mapped after the hand-over."""
        for event, stamp in events:
            match = re.match(r"map-(\d+)$", event)
            if not match or stamp < handover:
                continue
            size = first_like(events, "size-%s-" % match.group(1))[0]
            if size and int(size.split("-")[2].split("x")[0]) >= 800:
                return int(match.group(1)), stamp
        return None

    def run(self):
        self.serve()
        try:
            rounds = [self.run_bare_gtk, self.run_bare_webkit, self.run_launcher, self.run_bare_messages]
            # The first round fills the caches of the disk and of the fonts; it is not counted.
            for step in rounds:
                self.attempt(step, False)
            for index in range(self.runs):
                loads = os.getloadavg()
                for step in rounds:
                    self.attempt(step, True)
                print("round %d/%d done (load %.1f)" % (index + 1, self.runs, loads[0]), flush=True)
                self.add("load", loads[0])
        finally:
            self.server.terminate()
            self.server.wait()
            shutil.rmtree(self.home, ignore_errors=True)
        self.report()

    def attempt(self, step, record):
        """One measurement; a lost one (the observer can miss a window drawn before it watched
        it, on a machine loaded enough) is counted and told, and the rounds go on."""
        try:
            step(record)
        except Failed as failure:
            self.lost.append("%s: %s" % (step.__name__, failure))
            print("lost: %s" % self.lost[-1], flush=True)

    def stats(self, name):
        values = sorted(self.samples.get(name, []))
        if not values:
            return None
        quartiles = statistics.quantiles(values, n=4) if len(values) > 1 else [values[0]] * 3
        return statistics.median(values), quartiles[0], quartiles[2], values[0], values[-1], len(values)

    def line(self, label, name):
        found = self.stats(name)
        if not found:
            print("  %-52s (no samples)" % label)
            return None
        median, low, high, least, most, size = found
        print("  %-52s median %8.2f ms  IQR %.2f-%.2f  range %.2f-%.2f  (n=%d)" % (
            label, median, low, high, least, most, size))
        return median

    def verdict(self, goal, met):
        print("  => %s: %s" % (goal, "MET" if met else "MISSED"))

    def report(self):
        load = self.stats("load")
        print("\nMachine: %d cores, 1-minute load %.1f (median over rounds, range %.1f-%.1f); %d rounds" % (
            os.cpu_count(), load[0], load[3], load[4], self.runs))
        if self.lost:
            print("Lost measurements: %d (listed above)" % len(self.lost))
        print("\na. Process start to the first top-level window (from outside, through the X server)")
        for program in ("gtk", "webkit", "launcher"):
            self.line("%s: window mapped" % program, "a.%s.map" % program)
            self.line("%s: window content first drawn" % program, "a.%s.paint" % program)
            if program != "gtk":
                self.line("%s: page's first paint shown" % program, "a.%s.page" % program)
        webkit_page = self.stats("a.webkit.page")
        launcher_page = self.stats("a.launcher.page")
        if webkit_page and launcher_page:
            ratio = launcher_page[0] / webkit_page[0]
            print("  launcher / bare WebKitGTK, page first shown: %.3f" % ratio)
            self.verdict("the shell adds under 10%% to a bare WebKitGTK window's start (%.1f%%)" % (
                (ratio - 1) * 100), ratio < 1.10)
        print("\nb. The \"client=1\" load start to the game window")
        self.line("its first window created", "b.launcher.created")
        shown = self.line("mapped (shown)", "b.launcher.shown")
        self.line("its content first drawn", "b.launcher.painted")
        if shown is not None:
            self.verdict("shown within one frame (16 ms) of the load start", shown <= 16.0)
        print("\nc. Page call to the message handled in the UI process")
        launcher = self.line("launcher: JsCallWindowsClient to OnProcessMessageReceived done",
                             "c.launcher.one-way")
        bare = self.line("bare: page function to user-message-received done", "c.bare.one-way")
        self.line("bare, replies asked: the same", "c.bare-replied.one-way")
        self.line("bare, replies asked: page function to the reply back", "c.bare-replied.round-trip")
        if launcher is not None and bare is not None:
            ratio = launcher / bare
            print("  launcher / bare, same path: %.3f" % ratio)
            self.verdict("the launcher adds under 10%% to WebKit's own message path (%.1f%%)" % (
                (ratio - 1) * 100), ratio < 1.10)
        print("\nd. Memory once the game page is idle (median over rounds, kB)")
        by_name = {}
        for sample in self.memory:
            totals = {}
            for entry in sample:
                if entry:
                    name, rss, pss = entry
                    rss_total, pss_total, processes = totals.get(name, (0, 0, 0))
                    totals[name] = (rss_total + rss, pss_total + pss, processes + 1)
            for name, values in totals.items():
                by_name.setdefault(name, []).append(values)
        for name, values in sorted(by_name.items()):
            print("  %-24s RSS %8d  PSS %8d  (%d process%s)" % (
                name, statistics.median(v[0] for v in values), statistics.median(v[1] for v in values),
                values[0][2], "" if values[0][2] == 1 else "es"))


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    try:
        Bench(os.path.abspath(sys.argv[1]), runs).run()
    except Failed as failure:
        print("benchmark failed: %s" % failure, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
