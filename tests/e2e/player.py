#!/usr/bin/env python3
"""Plays a launcher on an X display the way a player would, against the demo site or a test site.

Usage: player.py PROGRAM PRODUCT PORT SHOTS_DIR [SCENARIO]
  PROGRAM    the launcher executable, built with its start page at http://127.0.0.1:PORT/login.html
  PRODUCT    vantellis | tessmarkcorvane
  SHOTS_DIR  where the screenshots go
  SCENARIO   walk (the default): the demo walked from the login window to the program's end
             killed-web-process: the game page's web process is killed, the menu reloads it
             hostile-page: a test page floods the launcher with popups and "app:" addresses

Needs DISPLAY, xdotool, xwininfo and scrot. Serves the site itself, gives the launcher a fresh
home, cache folder and a stand-in web browser (the "shell recorder": every address the launcher
hands to the system lands in a file), clicks and types with real X input, checks what a player
would see and writes screenshots. Prints one line per step (ok / FAIL / skip). Exits 0 when
nothing failed; the launcher and the server it started are always stopped.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
DEMO = os.path.normpath(os.path.join(HERE, "..", "..", "demo"))
TEST_SITE = os.path.join(HERE, "site")

# What each product's skin puts where: the login window's caption and size, the game window's
# caption, and the login window's close button relative to the login window.
PRODUCTS = {
    "vantellis": {"login": "Vantellis", "login_size": (1164, 717), "main": "Vantellis",
                  "login_close": (786, 130)},
    "tessmarkcorvane": {"login": "Corvane-登录", "login_size": (1100, 760), "main": "Corvane",
                        "login_close": (1045, 160)},
}
# The game window's caption buttons, from its top-right corner.
MAIN_CLOSE_FROM_RIGHT = (20, 13)
MAIN_MENU_FROM_RIGHT = (145, 13)
WAIT = 20.0  # seconds a step may take on a loaded machine before it counts as failed
SETTLE = 1.0  # seconds given to something that must NOT happen before saying it did not

# Addresses the hostile page opens as popups that the launcher may hand to the system.
HOSTILE_WEB_POPUPS = ["/shop.html?n=%d" % n for n in range(0, 1000, 50)]
# Schemes the shell recorder answers for, so that an address of any of them reaching the system
# is seen; only http and https may ever arrive.
RECORDED_SCHEMES = ["http", "https", "app", "ftp", "mailto", "javascript", "data", "about",
                    "chrome", "spotify"]


class StepFailed(Exception):
    pass


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=False).stdout


class Window:
    def __init__(self, wid):
        self.wid = wid
        self.name = run("xdotool", "getwindowname", wid).strip()
        # xwininfo gives the position on the screen even inside a window manager's frame.
        info = {}
        for line in run("xwininfo", "-id", wid).splitlines():
            key, _, value = line.strip().partition(":")
            info[key] = value.strip()

        def number(key):
            try:
                return int(info.get(key, "0"))
            except ValueError:
                return 0
        self.x, self.y = number("Absolute upper-left X"), number("Absolute upper-left Y")
        self.w, self.h = number("Width"), number("Height")

    def area(self):
        return self.w * self.h

    def contains(self, other):
        return (other.wid != self.wid and self.x <= other.x and self.y <= other.y and
                other.x + other.w <= self.x + self.w and other.y + other.h <= self.y + self.h)


def visible_windows():
    ids = run("xdotool", "search", "--onlyvisible", "--name", ".").split()
    return [w for w in (Window(i) for i in ids) if w.w > 1 and w.h > 1]


def visible_ids():
    return {w.wid for w in visible_windows()}


def wait_for(what, probe, seconds=WAIT):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.25)
    raise StepFailed("gave up waiting for " + what)


def click(x, y):
    # Buttons of the skin react to a press over a control the pointer is already hovering.
    run("xdotool", "mousemove", str(x), str(y))
    time.sleep(0.3)
    run("xdotool", "click", "1")


def press_until(x, y, what, probe):
    # The first press on a window that has just come back, or just lost a dialog, may only
    # bring it forward; a player presses again.
    for _ in range(3):
        click(x, y)
        try:
            return wait_for(what, probe, 4.0)
        except StepFailed:
            continue
    raise StepFailed("gave up waiting for %s after three presses" % what)


def screen_size():
    words = run("xdotool", "getdisplaygeometry").split()
    return int(words[0]), int(words[1])


def read_pixels(path):
    """The RGB bytes of a binary PPM file, as scrot writes it for a .ppm name."""
    with open(path, "rb") as image:
        data = image.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at) + 1
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6":
        raise StepFailed("scrot wrote no binary PPM picture")
    return data[at + 1:]


def web_processes(parent):
    """WebKit's web processes started by the process |parent| and still running."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            with open("/proc/%s/comm" % entry) as comm:
                name = comm.read().strip()
        except OSError:
            continue
        if int(fields[1]) == parent and fields[0] != "Z" and name.startswith("WebKitWebProc"):
            found.append(int(entry))
    return found


class Player:
    def __init__(self, program, product, port, shots, scenario="walk"):
        self.program, self.product, self.port = program, PRODUCTS[product], port
        self.name = product if scenario == "walk" else "%s-%s" % (product, scenario)
        self.shots = shots
        self.site = TEST_SITE if scenario == "hostile-page" else DEMO
        self.game_page = "/hostile.html?client=1" if scenario == "hostile-page" else \
            "/game.html?client=1"
        self.page_ready = "/report?flood=done" if scenario == "hostile-page" else "/report?payurl="
        self.home = tempfile.mkdtemp(prefix="quellix-player-")
        self.requests = os.path.join(self.home, "requests.log")
        self.shell = os.path.join(self.home, "shell.log")
        self.failed = 0
        self.server = None
        self.launcher = None
        self.login_processes = []

    # -- set-up -----------------------------------------------------------------------------
    def install_shell_recorder(self):
        applications = os.path.join(self.home, "data", "applications")
        config = os.path.join(self.home, "config")
        os.makedirs(applications)
        os.makedirs(config)
        recorder = os.path.join(self.home, "record-address")
        with open(recorder, "w") as script:
            script.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % self.shell)
        os.chmod(recorder, 0o755)
        handlers = ["x-scheme-handler/" + scheme for scheme in RECORDED_SCHEMES]
        with open(os.path.join(applications, "quellix-recorder.desktop"), "w") as entry:
            entry.write("[Desktop Entry]\nType=Application\nName=Shell recorder\n"
                        "Exec=%s %%u\nMimeType=%s;\n" % (recorder, ";".join(handlers)))
        with open(os.path.join(config, "mimeapps.list"), "w") as defaults:
            defaults.write("[Default Applications]\n" + "".join(
                "%s=quellix-recorder.desktop\n" % handler for handler in handlers))

    def start(self):
        self.install_shell_recorder()
        self.server = subprocess.Popen(
            [sys.executable, os.path.join(DEMO, "serve.py"), str(self.port), self.requests,
             self.site])
        # Another server on the port would answer too, but would not write our log.
        wait_for("the site", lambda: self.server.poll() is not None or (
            self.site_answers() and self.requested("/report?ready")))
        if self.server.poll() is not None:
            raise StepFailed("the site could not serve on port %d (in use?)" % self.port)
        env = dict(os.environ,
                   QUELLIX_BACKEND="real", HOME=self.home, TMPDIR=self.home,
                   XDG_DATA_HOME=os.path.join(self.home, "data"),
                   XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1", LANG="C.UTF-8",
                   WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS="1")
        self.log = open(os.path.join(self.home, "launcher.log"), "w")
        self.launcher = subprocess.Popen([self.program], env=env, stdout=self.log,
                                         stderr=subprocess.STDOUT)

    def site_answers(self):
        direct = urllib.request.build_opener(urllib.request.ProxyHandler({}))
        try:
            with direct.open("http://127.0.0.1:%d/report?ready" % self.port, timeout=1):
                return True
        except OSError:
            return False

    def stop(self):
        for process in (self.launcher, self.server):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    # -- what the player sees ---------------------------------------------------------------
    def shot(self, name, window=None):
        path = os.path.join(self.shots, "%s-%s.png" % (self.name, name))
        if window:
            run("scrot", "-o", "-a", "%d,%d,%d,%d" % (window.x, window.y, window.w, window.h), path)
        else:
            run("scrot", "-o", path)
        return path

    def pixels(self, x, y, w, h):
        path = os.path.join(self.home, "look.ppm")
        run("scrot", "-o", "-a", "%d,%d,%d,%d" % (x, y, max(1, w), max(1, h)), path)
        return read_pixels(path)

    def pixels_of(self, window):
        return self.pixels(window.x, window.y, window.w, window.h)

    @staticmethod
    def colours(pixels):
        return len({pixels[at:at + 3] for at in range(0, len(pixels) - 2, 3 * 7)})

    def settled(self, window):
        # Two looks a moment apart that agree: the picture has stopped changing.
        first = self.pixels_of(window)
        time.sleep(0.3)
        return first == self.pixels_of(window)

    def requests_of(self, text):
        if not os.path.exists(self.requests):
            return []
        with open(self.requests, encoding="utf-8") as log:
            return [line.strip() for line in log if text in line]

    def requested(self, text):
        return bool(self.requests_of(text))

    def shell_addresses(self):
        if not os.path.exists(self.shell):
            return []
        with open(self.shell) as log:
            return log.read().split()

    def named(self, caption):
        return [w for w in visible_windows() if w.name == caption]

    def largest(self, caption):
        windows = self.named(caption)
        return max(windows, key=Window.area) if windows else None

    def view_in(self, window):
        inside = [w for w in visible_windows() if window.contains(w)]
        return max(inside, key=Window.area) if inside else None

    def cell(self, view, column, row):
        # The game page is a grid of three columns and two rows.
        click(view.x + view.w * (2 * column + 1) // 6, view.y + view.h * (2 * row + 1) // 4)

    def answer(self, box, yes):
        # GTK lays the box's two buttons side by side along its bottom edge: Yes, then No.
        click(box.x + box.w * (1 if yes else 3) // 4, box.y + box.h - 17)

    def main_shown(self):
        return self.main.wid in visible_ids()

    # -- the walks --------------------------------------------------------------------------
    def step(self, text, action):
        began = time.monotonic()
        try:
            outcome = action()
        except StepFailed as error:
            self.failed += 1
            print("FAIL %s: %s" % (text, error), flush=True)
            print("     screenshot: " + self.shot("failed-%d" % self.failed), flush=True)
            return False
        took = time.monotonic() - began
        if isinstance(outcome, str):
            print("skip %s: %s" % (text, outcome), flush=True)
        else:
            print("ok   %s (%.1f s)" % (text, took), flush=True)
        return True

    def steps(self, *steps):
        # A step that fails leaves nothing for the steps after it to stand on.
        for text, action in steps:
            if not self.step(text, action):
                return

    def play(self, scenario):
        try:
            self.steps(
                ("the site serves on the loopback address", self.start),
                ("the login window appears with its skin and the start page", self.see_login),
                ("entering the game opens the game window and hides the login window",
                 self.enter_game),
                ("the game window is maximised with its caption across the screen",
                 self.check_maximised))
            if not self.failed:
                getattr(self, "walk_" + scenario.replace("-", "_"))()
        finally:
            self.stop()

    def walk_walk(self):
        self.step("the game window's title follows the page", self.change_title)
        self.step("the page's PayUrl call is answered by the launcher", self.check_bridge)
        self.step("a popup goes to the system's web browser, not a window", self.open_popup)
        self.step("an app: link stays inside the launcher", self.follow_app_link)
        self.step("a download asks where to save and saves", self.download)
        self.step("an unreachable address shows the launcher's page", self.go_offline)
        self.step("Alt+Q hides and shows the game window", self.boss_key)
        self.step("the exit question answered no keeps the game", self.refuse_exit)
        self.end()

    def walk_killed_web_process(self):
        self.steps(
            ("killing the game page's web process leaves the launcher running",
             self.kill_game_web_process),
            ("the settings menu's reload loads the game page again", self.reload_from_menu),
            ("the reloaded page is shown and its title follows it", self.change_title),
            ("Alt+Q hides and shows the game window", self.boss_key))
        self.end()

    def walk_hostile_page(self):
        self.steps(
            ("a flood of popups hands only the web addresses among them to the system",
             self.check_flood),
            ("after the flood the title still follows the page", self.change_title),
            ("after the flood Alt+Q hides and shows the game window", self.boss_key))
        self.end()

    def end(self):
        if self.step("the exit question answered yes returns to the login window",
                     self.accept_exit):
            self.step("the returning login window shows its page again", self.see_login_again)
            self.step("closing the login window ends the program with 0", self.quit)

    # -- the steps --------------------------------------------------------------------------
    def see_login(self):
        self.login = wait_for("the login window", lambda: self.largest(self.product["login"]))
        size = (self.login.w, self.login.h)
        if size != self.product["login_size"]:
            raise StepFailed("the login window is %dx%d, its skin is %dx%d" % (
                size + self.product["login_size"]))
        wait_for("the start page", lambda: self.requested("/login.html"))
        self.login_view = wait_for("the login page's view", lambda: self.view_in(self.login))
        above = self.login_view.y - self.login.y
        if above < 8:
            raise StepFailed("the page's view covers the skin (%d px above it)" % above)
        wait_for("the skin to paint around the page", lambda: self.colours(self.pixels(
            self.login.x, self.login.y, self.login.w, above)) >= 16)
        wait_for("the login page to paint", lambda: self.colours(
            self.pixels_of(self.login_view)) >= 8 and self.settled(self.login_view))
        self.login_page = self.pixels_of(self.login_view)
        self.login_processes = web_processes(self.launcher.pid)
        print("     screenshot: " + self.shot("login", self.login), flush=True)

    def enter_game(self):
        click(self.login_view.x + self.login_view.w // 2, self.login_view.y + self.login_view.h // 2)
        wait_for("the game page", lambda: self.requested(self.game_page))

        def game_window():
            windows = [w for w in self.named(self.product["main"])
                       if w.wid not in (self.login.wid, self.login_view.wid) and w.w >= 800]
            return max(windows, key=Window.area) if windows else None
        self.main = wait_for("the game window", game_window)
        wait_for("the login window to hide", lambda: self.login.wid not in visible_ids())
        self.view = wait_for("the game page's view", lambda: self.view_in(self.main))
        # The hostile page's floods take the launcher several seconds to turn away, and many
        # more on a loaded machine.
        wait_for("the game page's script", lambda: self.requested(self.page_ready), 4 * WAIT)

    def check_maximised(self):
        width, height = screen_size()

        def maximised():
            self.main = Window(self.main.wid)
            return self.main.w >= width - 2 and self.main.h >= height - 60
        outcome = None
        try:
            wait_for("the game window to fill the screen", maximised, 5.0)
        except StepFailed:
            if os.environ.get("QUELLIX_WINDOW_MANAGER"):
                raise StepFailed("the game window is %dx%d on a %dx%d screen" % (
                    self.main.w, self.main.h, width, height))
            outcome = "no window manager on this display to maximise it (%dx%d)" % (
                self.main.w, self.main.h)
        self.view = wait_for("the game page's view", lambda: self.view_in(self.main))
        # The caption's right end holds its buttons once the skin is painted at the window's size.
        wait_for("the caption's buttons at the window's right end", lambda: self.colours(
            self.pixels(self.main.x + self.main.w - 200, self.main.y, 200, 27)) >= 8, 5.0)
        wait_for("the game page to paint", lambda: self.colours(
            self.pixels_of(self.view)) >= 8 and self.settled(self.view))
        self.game_windows = visible_ids()
        print("     screenshot: " + self.shot("main", self.main), flush=True)
        return outcome

    def title_strip(self):
        return self.pixels(self.main.x, self.main.y, min(self.main.w, 340), 27)

    def change_title(self):
        before = self.title_strip()
        reports = len(self.requests_of("/report?title="))
        self.cell(self.view, 0, 0)
        wait_for("the page's new title", lambda: len(self.requests_of("/report?title=")) > reports)
        wait_for("the title bar to change", lambda: self.title_strip() != before, 5.0)

    def check_bridge(self):
        # Neither product's skin has a pay button, so the page's answer is what a player sees.
        if self.requested("/report?payurl=ReceiveOk"):
            return None
        if self.requested("/report?payurl=no%20launcher"):
            return "the page found no JsCallWindowsClient (no renderer in the web process)"
        raise StepFailed("the page's call did not answer ReceiveOk")

    def open_popup(self):
        windows = visible_ids()
        self.cell(self.view, 1, 0)
        shop = "http://127.0.0.1:%d/shop.html" % self.port
        wait_for("the shop address in the shell recorder", lambda: shop in self.shell_addresses())
        time.sleep(SETTLE)
        extra = [w.name for w in visible_windows() if w.wid not in windows]
        if extra:
            raise StepFailed("new windows appeared: %s" % extra)

    def follow_app_link(self):
        windows = visible_ids()
        addresses = len(self.shell_addresses())
        self.cell(self.view, 2, 0)
        wait_for("the page to follow the link", lambda: self.requested("/report?followed=command"))
        time.sleep(SETTLE)
        if len(self.shell_addresses()) != addresses:
            raise StepFailed("the shell was asked to open %s" % self.shell_addresses()[-1])
        if visible_ids() != windows:
            raise StepFailed("the windows changed")

    def download(self):
        self.cell(self.view, 0, 1)
        save_as = wait_for("the Save As dialog", lambda: self.largest("Save As"))
        print("     screenshot: " + self.shot("save-as"), flush=True)
        run("xdotool", "windowfocus", "--sync", save_as.wid)
        run("xdotool", "key", "--window", save_as.wid, "Return")
        saved = os.path.join(self.home, "client-patch.dat")
        wait_for("the saved file", lambda: os.path.exists(saved) and os.path.getsize(saved) > 0)
        # The completion box offers to open the folder; the player declines.
        done = wait_for("the completion box", lambda: next(
            (w for w in visible_windows() if w.w < 600 and w.wid != save_as.wid and
             w.wid not in (self.main.wid, self.view.wid)), None))
        print("     screenshot: " + self.shot("download-done"), flush=True)
        self.answer(done, yes=False)
        wait_for("the completion box to go", lambda: done.wid not in visible_ids())

    def go_offline(self):
        before = self.pixels_of(self.view)
        column, row = 1, 1
        x = self.view.x + self.view.w * (2 * column + 1) // 6
        y = self.view.y + self.view.h * (2 * row + 1) // 4
        press_until(x, y, "the page to change", lambda: self.pixels_of(self.view) != before)
        wait_for("the launcher's page to settle", lambda: self.settled(self.view))
        print("     screenshot: " + self.shot("unreachable", self.main), flush=True)

    def boss_key(self):
        # The pointer rests on the caption so that no hover on the page outlives the hiding, and
        # a page still repainting (after a reload, a new title) is no picture to compare with.
        run("xdotool", "mousemove", str(self.main.x + self.main.w // 2), str(self.main.y + 8))
        wait_for("the game window to settle", lambda: self.settled(self.main))
        seen = self.pixels_of(self.main)
        run("xdotool", "key", "alt+q")
        wait_for("the game window to hide", lambda: not self.main_shown())
        run("xdotool", "key", "alt+q")
        wait_for("the game window to come back", self.main_shown)

        def as_it_was():
            now = Window(self.main.wid)
            return (now.x, now.y, now.w, now.h) == (self.main.x, self.main.y, self.main.w,
                                                    self.main.h)
        wait_for("the game window to come back where it was", as_it_was, 5.0)
        wait_for("the game window to show what it showed before",
                 lambda: self.pixels_of(self.main) == seen, 5.0)

    def close_main(self):
        known = visible_ids()
        main = Window(self.main.wid)
        return press_until(main.x + main.w - MAIN_CLOSE_FROM_RIGHT[0],
                           main.y + MAIN_CLOSE_FROM_RIGHT[1], "the exit question",
                           lambda: next((w for w in self.named(self.product["main"])
                                         if w.wid not in known and w.w < 600), None))

    def refuse_exit(self):
        box = self.close_main()
        print("     screenshot: " + self.shot("exit-question"), flush=True)
        self.answer(box, yes=False)
        wait_for("the question to go", lambda: box.wid not in visible_ids())
        if not self.main_shown():
            raise StepFailed("the game window went away")

    def accept_exit(self):
        box = self.close_main()
        self.answer(box, yes=True)
        wait_for("the game window to go", lambda: not self.main_shown())
        wait_for("the login window to come back", lambda: self.login.wid in visible_ids())

    def see_login_again(self):
        # The start page is loaded again and looks as it did at the start.
        wait_for("the login page as it was at the start",
                 lambda: self.pixels_of(self.login_view) == self.login_page, 10.0)

    def quit(self):
        known = visible_ids()
        x, y = (self.login.x + self.product["login_close"][0],
                self.login.y + self.product["login_close"][1])

        def asked():
            return next((w for w in visible_windows() if w.wid not in known and w.w < 600), None)
        box = press_until(x, y, "the exit question", asked)
        self.answer(box, yes=True)
        try:
            status = self.launcher.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise StepFailed("the program was still running")
        if status != 0:
            raise StepFailed("the program ended with %d" % status)

    def kill_game_web_process(self):
        game = [pid for pid in web_processes(self.launcher.pid) if pid not in self.login_processes]
        if not game:
            raise StepFailed("no web process was started for the game page (login page's: %s)"
                             % self.login_processes)
        for pid in game:
            os.kill(pid, signal.SIGKILL)
        wait_for("the killed web process to end", lambda: not any(
            pid in web_processes(self.launcher.pid) for pid in game))
        time.sleep(SETTLE)
        if self.launcher.poll() is not None:
            raise StepFailed("the program ended with %d" % self.launcher.returncode)
        if not self.main_shown():
            raise StepFailed("the game window went away")

    def reload_from_menu(self):
        loads = len(self.requests_of(self.page_ready))
        known = visible_ids()
        main = Window(self.main.wid)
        menu = press_until(main.x + main.w - MAIN_MENU_FROM_RIGHT[0],
                           main.y + MAIN_MENU_FROM_RIGHT[1], "the settings menu", lambda: next(
                               (w for w in visible_windows() if w.wid not in known and
                                20 < w.h < 300), None))
        # The first of its two items reloads the page.
        click(menu.x + menu.w // 2, menu.y + menu.h // 4 + 2)
        wait_for("the game page's script to run again",
                 lambda: len(self.requests_of(self.page_ready)) > loads)

    def check_flood(self):
        done = self.requests_of("/report?flood=done")[0]
        print("     the page reports " + done.split("&", 1)[1].replace("&", ", "), flush=True)
        expected = {"http://127.0.0.1:%d%s" % (self.port, path) for path in HOSTILE_WEB_POPUPS}
        wait_for("the %d shop addresses in the shell recorder" % len(expected),
                 lambda: expected <= set(self.shell_addresses()))
        time.sleep(SETTLE)
        others = [a for a in self.shell_addresses() if a not in expected]
        if others:
            raise StepFailed("the shell was also asked to open %d other addresses, such as %s"
                             % (len(others), others[:3]))
        extra = [w.name for w in visible_windows() if w.wid not in self.game_windows]
        if extra:
            raise StepFailed("new windows appeared: %s" % extra)


SCENARIOS = ("walk", "killed-web-process", "hostile-page")


def main():
    if len(sys.argv) not in (5, 6) or sys.argv[2] not in PRODUCTS or (
            len(sys.argv) == 6 and sys.argv[5] not in SCENARIOS):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program, product, port, shots = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    scenario = sys.argv[5] if len(sys.argv) == 6 else "walk"
    for tool in ("xdotool", "xwininfo", "scrot"):
        if not shutil.which(tool):
            print("skip: %s is not installed" % tool)
            return 2
    os.makedirs(shots, exist_ok=True)
    player = Player(program, product, port, shots, scenario)
    player.play(scenario)
    return 1 if player.failed else 0


if __name__ == "__main__":
    sys.exit(main())
