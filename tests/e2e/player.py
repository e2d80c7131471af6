#!/usr/bin/env python3
"""Plays a launcher on an X display the way a player would, against the demo site.

Usage: player.py PROGRAM PRODUCT PORT SHOTS_DIR
  PROGRAM    the launcher executable, built with its start page at http://127.0.0.1:PORT/login.html
  PRODUCT    vantellis | tessmarkcorvane
  SHOTS_DIR  where the screenshots go

Needs DISPLAY, xdotool, xwininfo and scrot. Serves the demo site itself, gives the launcher a fresh home,
cache folder and a stand-in web browser (the "shell recorder": every address the launcher hands
to the system lands in a file), clicks and types with real X input, checks what a player would
see and writes screenshots. Prints one line per step (ok / FAIL / skip). Exits 0 when nothing
failed; the launcher and the server it started are always stopped.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SITE = os.path.normpath(os.path.join(HERE, "..", "..", "demo"))

# What each product's skin puts where: the login window's caption, the game window's caption,
# and the login window's close button relative to the login window.
PRODUCTS = {
    "vantellis": {"login": "Vantellis", "main": "Vantellis", "login_close": (786, 130)},
    "tessmarkcorvane": {"login": "Corvane-登录", "main": "Corvane", "login_close": (1045, 160)},
}
MAIN_CLOSE_FROM_RIGHT = (20, 13)  # the game window's close button, from its top-right corner
WAIT = 20.0  # seconds a step may take on a loaded machine before it counts as failed


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


class Player:
    def __init__(self, program, product, port, shots):
        self.program, self.product, self.port = program, PRODUCTS[product], port
        self.name = product
        self.shots = shots
        self.home = tempfile.mkdtemp(prefix="quellix-player-")
        self.requests = os.path.join(self.home, "requests.log")
        self.shell = os.path.join(self.home, "shell.log")
        self.failed = 0
        self.server = None
        self.launcher = None

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
        with open(os.path.join(applications, "quellix-recorder.desktop"), "w") as entry:
            entry.write("[Desktop Entry]\nType=Application\nName=Shell recorder\n"
                        "Exec=%s %%u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n"
                        % recorder)
        with open(os.path.join(config, "mimeapps.list"), "w") as defaults:
            defaults.write("[Default Applications]\n"
                           "x-scheme-handler/http=quellix-recorder.desktop\n"
                           "x-scheme-handler/https=quellix-recorder.desktop\n")

    def start(self):
        self.install_shell_recorder()
        self.server = subprocess.Popen(
            [sys.executable, os.path.join(SITE, "serve.py"), str(self.port), self.requests])
        # Another server on the port would answer too, but would not write our log.
        wait_for("the demo site", lambda: self.server.poll() is not None or (
            self.site_answers() and self.requested("/report?ready")))
        if self.server.poll() is not None:
            raise StepFailed("the demo site could not serve on port %d (in use?)" % self.port)
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

    def requested(self, text):
        if not os.path.exists(self.requests):
            return False
        with open(self.requests, encoding="utf-8") as log:
            return any(text in line for line in log)

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

    # -- the walk ---------------------------------------------------------------------------
    def step(self, text, action):
        try:
            outcome = action()
        except StepFailed as error:
            self.failed += 1
            print("FAIL %s: %s" % (text, error), flush=True)
            print("     screenshot: " + self.shot("failed-%d" % self.failed), flush=True)
            return False
        if isinstance(outcome, str):
            print("skip %s: %s" % (text, outcome), flush=True)
        else:
            print("ok   %s" % text, flush=True)
        return True

    def walk(self):
        try:
            if not self.step("the demo site serves on the loopback address", self.start):
                return
            if not self.step("the login window appears with its skin and the start page",
                             self.see_login):
                return
            if not self.step("entering the game opens the game window and hides the login window",
                             self.enter_game):
                return
            self.step("the game window is maximised", self.check_maximised)
            self.step("the game window's title follows the page", self.change_title)
            self.step("the page's PayUrl call reaches the launcher", self.check_bridge)
            self.step("a popup goes to the system's web browser, not a window", self.open_popup)
            self.step("an app: link stays inside the launcher", self.follow_app_link)
            self.step("a download asks where to save and saves", self.download)
            self.step("an unreachable address shows the launcher's page", self.go_offline)
            self.step("Alt+Q hides and shows the game window", self.boss_key)
            self.step("the exit question answered no keeps the game", self.refuse_exit)
            if self.step("the exit question answered yes returns to the login window",
                         self.accept_exit):
                self.step("closing the login window ends the program with 0", self.quit)
        finally:
            self.stop()

    def see_login(self):
        self.login = wait_for("the login window", lambda: self.largest(self.product["login"]))
        wait_for("the start page", lambda: self.requested("/login.html"))
        self.login_view = wait_for("the login page's view", lambda: self.view_in(self.login))
        time.sleep(1.0)  # the page paints once it has loaded its style
        print("     screenshot: " + self.shot("login", self.login), flush=True)

    def enter_game(self):
        click(self.login_view.x + self.login_view.w // 2, self.login_view.y + self.login_view.h // 2)
        wait_for("the game page", lambda: self.requested("/game.html?client=1"))

        def game_window():
            windows = [w for w in self.named(self.product["main"])
                       if w.wid not in (self.login.wid, self.login_view.wid) and w.w >= 800]
            return max(windows, key=Window.area) if windows else None
        self.main = wait_for("the game window", game_window)
        wait_for("the login window to hide",
                 lambda: self.login.wid not in [w.wid for w in visible_windows()])
        self.view = wait_for("the game page's view", lambda: self.view_in(self.main))
        wait_for("the game page's script", lambda: self.requested("/report?payurl="))
        time.sleep(1.0)
        print("     screenshot: " + self.shot("main", self.main), flush=True)

    def check_maximised(self):
        width, height = screen_size()

        def maximised():
            self.main = Window(self.main.wid)
            return self.main.w >= width - 2 and self.main.h >= height - 60
        try:
            wait_for("the game window to fill the screen", maximised, 5.0)
        except StepFailed:
            if not os.environ.get("QUELLIX_WINDOW_MANAGER"):
                return "no window manager on this display to maximise it (%dx%d)" % (
                    self.main.w, self.main.h)
            raise StepFailed("the game window is %dx%d on a %dx%d screen" % (
                self.main.w, self.main.h, width, height))
        self.view = self.view_in(self.main)

    def title_strip(self, name):
        strip = Window(self.main.wid)
        strip.w, strip.h = min(strip.w, 340), 27
        return self.shot(name, strip)

    def change_title(self):
        before = open(self.title_strip("title-before"), "rb").read()
        self.cell(self.view, 0, 0)
        wait_for("the page's new title", lambda: self.requested("/report?title="))

        def changed():
            return open(self.title_strip("title-after"), "rb").read() != before
        wait_for("the title bar to change", changed, 5.0)
        for name in ("title-before", "title-after"):
            os.remove(os.path.join(self.shots, "%s-%s.png" % (self.name, name)))

    def check_bridge(self):
        if self.requested("/report?payurl=ReceiveOk"):
            return None
        if self.requested("/report?payurl=no%20launcher"):
            return "the page found no JsCallWindowsClient (no renderer in the web process)"
        raise StepFailed("the page's call did not answer ReceiveOk")

    def open_popup(self):
        windows = {w.wid for w in visible_windows()}
        self.cell(self.view, 1, 0)
        shop = "http://127.0.0.1:%d/shop.html" % self.port
        wait_for("the shop address in the shell recorder", lambda: shop in self.shell_addresses())
        time.sleep(0.5)
        extra = [w.name for w in visible_windows() if w.wid not in windows]
        if extra:
            raise StepFailed("new windows appeared: %s" % extra)

    def follow_app_link(self):
        windows = {w.wid for w in visible_windows()}
        addresses = len(self.shell_addresses())
        self.cell(self.view, 2, 0)
        time.sleep(1.0)
        if len(self.shell_addresses()) != addresses:
            raise StepFailed("the shell was asked to open %s" % self.shell_addresses()[-1])
        if {w.wid for w in visible_windows()} != windows:
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
        wait_for("the completion box to go",
                 lambda: done.wid not in [w.wid for w in visible_windows()])

    def go_offline(self):
        before = open(self.shot("page", self.view), "rb").read()
        column, row = 1, 1
        x = self.view.x + self.view.w * (2 * column + 1) // 6
        y = self.view.y + self.view.h * (2 * row + 1) // 4
        press_until(x, y, "the page to change",
                    lambda: open(self.shot("page", self.view), "rb").read() != before)
        time.sleep(1.0)  # refused at once on the loopback address; the page is text
        os.remove(os.path.join(self.shots, "%s-page.png" % self.name))
        print("     screenshot: " + self.shot("unreachable", self.main), flush=True)

    def boss_key(self):
        run("xdotool", "key", "alt+q")
        wait_for("the game window to hide",
                 lambda: self.main.wid not in [w.wid for w in visible_windows()])
        run("xdotool", "key", "alt+q")
        wait_for("the game window to come back",
                 lambda: self.main.wid in [w.wid for w in visible_windows()])

        def as_it_was():
            now = Window(self.main.wid)
            return (now.x, now.y, now.w, now.h) == (self.main.x, self.main.y, self.main.w,
                                                    self.main.h)
        wait_for("the game window to come back where it was", as_it_was, 5.0)

    def close_main(self):
        known = {w.wid for w in visible_windows()}
        main = Window(self.main.wid)
        return press_until(main.x + main.w - MAIN_CLOSE_FROM_RIGHT[0],
                           main.y + MAIN_CLOSE_FROM_RIGHT[1], "the exit question",
                           lambda: next((w for w in self.named(self.product["main"])
                                         if w.wid not in known and w.w < 600), None))

    def refuse_exit(self):
        box = self.close_main()
        print("     screenshot: " + self.shot("exit-question"), flush=True)
        self.answer(box, yes=False)
        wait_for("the question to go", lambda: box.wid not in [w.wid for w in visible_windows()])
        if self.main.wid not in [w.wid for w in visible_windows()]:
            raise StepFailed("the game window went away")

    def accept_exit(self):
        box = self.close_main()
        self.answer(box, yes=True)
        wait_for("the game window to go",
                 lambda: self.main.wid not in [w.wid for w in visible_windows()])
        wait_for("the login window to come back",
                 lambda: self.login.wid in [w.wid for w in visible_windows()])

    def quit(self):
        known = {w.wid for w in visible_windows()}
        time.sleep(1.0)  # the start page reloads behind the returning login window
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


def main():
    if len(sys.argv) != 5 or sys.argv[2] not in PRODUCTS:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program, product, port, shots = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    for tool in ("xdotool", "xwininfo", "scrot"):
        if not shutil.which(tool):
            print("skip: %s is not installed" % tool)
            return 2
    os.makedirs(shots, exist_ok=True)
    player = Player(program, product, port, shots)
    player.walk()
    return 1 if player.failed else 0


if __name__ == "__main__":
    sys.exit(main())
