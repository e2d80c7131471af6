#!/usr/bin/env python3
"""Counts with callgrind the instructions one page message costs in each process, for the
launcher and for the bare web extension: in the web process from the page call entering native
code to its return to the page, in the UI process WebKit's user-message signal. Instruction counts
repeat from run to run where timings under load do not. Run it through message_instructions.sh.

Usage: message_instructions.py BUILD-DIR
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from real_backends import BENCH, CALLS, Failed, count, descendants, read_trace

# GLib calls signal handlers and the page function's native code through libffi, which callgrind
# cannot follow as calls: it books each source file's handlers as one node, named after that file.
# Its inclusive count, taken over the page calls alone, less the trace's writes, is the work per
# message (the bare window, started without "replies", sends no reply, as the launcher sends none);
# the trace's writes, one per message on each side, count the messages.
HANDLERS = {"web": ("jsc_value.cc", "bare_web_extension.cpp"), "ui": ("browser_view.cc", "bare_webkit_window.cpp")}
LEFT_OUT = {"web": ("BenchTrace",), "ui": ("BenchTrace",)}


def callgrind_control(option, pids, env):
    for pid in pids:
        subprocess.run(["callgrind_control", option, str(pid)], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)


def run_under_callgrind(command, env, out_dir, started, done, on_wait=None, seconds=600):
    """Runs |command| and its web processes under callgrind, counting from |started(events)| of
    the trace to |done(events)|."""
    trace = os.path.join(out_dir, "trace")
    env = dict(env, QUELLIX_BENCH_TRACE=trace)
    valgrind = ["valgrind", "--tool=callgrind", "--trace-children=yes", "--trace-children-skip=*NetworkProcess*",
                "--smc-check=all-non-file", "--callgrind-out-file=" + os.path.join(out_dir, "callgrind.%p")]
    process = subprocess.Popen(valgrind + command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        deadline = time.monotonic() + seconds
        counting = False
        while True:
            if time.monotonic() > deadline or process.poll() is not None:
                raise Failed("%s did not make its calls" % command[0])
            events = read_trace(trace)
            if not counting and started(events):
                callgrind_control("-z", [process.pid] + descendants(process.pid), env)
                counting = True
            elif counting and done(events):
                callgrind_control("-d", [process.pid] + descendants(process.pid), env)
                return
            elif on_wait:
                on_wait(events)
            time.sleep(0.2)
    finally:
        if process.poll() is None:
            os.killpg(process.pid, 15)
            try:
                process.wait(60)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, 9)


def handler_instructions(path, side):
    """(instructions, messages) of the message handlers' node in one callgrind dump: its inclusive
    count less what is left out, and the trace's writes, one per message."""
    tree = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--tree=calling", "--threshold=100", path],
                          capture_output=True, text=True).stdout
    total, messages = 0, 0
    inside = False
    for line in tree.splitlines():
        match = re.match(r"\s*([\d,]+)\s.*?([*>])\s+(\S+)", line)
        if not match:
            inside = False
            continue
        value, mark, name = int(match.group(1).replace(",", "")), match.group(2), match.group(3)
        if mark == "*":
            inside = any(re.search(r"(^|/)%s:0x" % re.escape(source), name) for source in HANDLERS[side])
            if inside:
                total += value
        elif inside and any(left in line for left in LEFT_OUT[side]):
            total -= value
            calls = re.search(r"\(([\d,]+)x\)", line)
            if "BenchTrace" in line and calls:
                messages += int(calls.group(1).replace(",", ""))
    return total, messages


def per_message(out_dir):
    """Instructions per message in the web process and in the UI process."""
    sides = {"web": [0, 0], "ui": [0, 0]}
    for path in glob.glob(os.path.join(out_dir, "callgrind.*.*")):
        with open(path) as dump:
            head = dump.read(4096)
        side = "web" if "WebKitWebProcess" in head else "ui"
        total, messages = handler_instructions(path, side)
        sides[side][0] += total
        sides[side][1] += messages
    return {side: total / max(1, messages) for side, (total, messages) in sides.items()}


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(BENCH, "..", "build"))
    port = None
    with open(os.path.join(build, "CMakeCache.txt")) as cache:
        for line in cache:
            match = re.match(r"QUELLIX_VANTELLIS_START_PAGE:\w+=http://127\.0\.0\.1:(\d+)/", line.strip())
            if match:
                port = int(match.group(1))
    if port is None:
        raise Failed("the build's start page is not on 127.0.0.1")
    home = tempfile.mkdtemp(prefix="bench-callgrind-")
    env = dict(os.environ, QUELLIX_BACKEND="real", HOME=home, TMPDIR=home,
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_CACHE_HOME=os.path.join(home, "cache"), GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1",
               LANG="C.UTF-8", WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS="1")
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "--directory",
                               os.path.join(BENCH, "pages"), str(port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        bare_dir = os.path.join(home, "bare")
        os.mkdir(bare_dir)
        run_under_callgrind(
            [os.path.join(build, "bench", "bare_webkit_window"), "http://127.0.0.1:%d/game.html" % port,
             os.path.join(build, "bench", "bare-web-extension")],
            env, bare_dir, lambda e: count(e, "page-call") >= 5, lambda e: count(e, "message-handled") >= CALLS - 5)

        launcher_dir = os.path.join(home, "launcher")
        os.mkdir(launcher_dir)
        clicked = [0.0]

        def log_in(events):
            # Once the login page has loaded, a click on it hands over to the game page.
            if count(events, "load-start") == 1 and time.monotonic() - clicked[0] > 5:
                clicked[0] = time.monotonic()
                subprocess.run(["xdotool", "mousemove", "640", "400", "click", "1"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        run_under_callgrind(
            [os.path.join(build, "products", "vantellis", "Vantellis")], env, launcher_dir,
            lambda e: count(e, "page-call") >= 5, lambda e: count(e, "message-handled") >= CALLS - 5, log_in)
        bare = per_message(bare_dir)
        launcher = per_message(launcher_dir)
        print("instructions per page message (the trace's own writes left out)")
        print("%-12s %12s %12s" % ("", "bare", "launcher"))
        for side, name in (("web", "web process"), ("ui", "UI process")):
            print("%-12s %12.0f %12.0f" % (name, bare[side], launcher[side]))
    finally:
        server.terminate()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except Failed as failure:
        print("failed: %s" % failure, file=sys.stderr)
        sys.exit(1)
