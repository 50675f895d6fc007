# SPDX-License-Identifier: MIT
"""Runs every scenario of a table of what people do (scenarios.txt) against the real program:
keys and mouse go through the X server as a user's do (xdotool), the clipboard is the X server's
(xclip), and what the window shows is read as a screen reader reads it.
  run_scenarios.py TABLE linux PROGRAM ORCA_LOG
      the Qt build, read through the accessibility tree; what Orca says is read from its log
  run_scenarios.py TABLE windows PROBE.exe PROGRAM.exe WINE
      the Windows build under Wine (run by the command WINE), read by a Windows program of ours
      (win32_probe.cpp)
Runs in an X session with a window manager that the caller began. Prints one line per scenario
and exits 1 if any failed. TENVEX_SCENARIOS, when set, names the only scenarios to run;
TENVEX_TIME_SCALE, how much slower than a release build the program runs."""
import os
import re
import subprocess
import sys
import time

DEFAULT_PATIENCE = 5.0  # seconds an expectation may take to be met
# How much slower than a release build the program under test runs: a build with the sanitizers
# takes several times as long, and the times a scenario asks for are scaled by this.
TIME_SCALE = float(os.environ.get("TENVEX_TIME_SCALE", "1"))


def parse_table(path):
    """The scenarios, in order: (name, [step, ...]), each step a line of the table."""
    scenarios = []
    for line in open(path, encoding="utf-8"):
        if not line.strip() or line.startswith("#"):
            continue
        if not line[0].isspace():
            scenarios.append((line.strip().rstrip(":"), []))
        else:
            scenarios[-1][1].append(line.strip())
    names = [name for name, _ in scenarios]
    duplicates = {name for name in names if names.count(name) > 1}
    if duplicates:
        sys.exit(f"scenario names not unique: {sorted(duplicates)}")
    return scenarios


def unescape(text):
    return re.sub(r"\\(n|t|u[0-9A-Fa-f]{4})",
                  lambda m: {"n": "\n", "t": "\t"}.get(m[1]) or chr(int(m[1][1:], 16)), text)


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout


class Clipboard:
    """The X server's selections, owned by xclip as another program would own them."""

    def __init__(self):
        self.owner = None

    def put(self, text):
        self.release()
        self.owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-i", "-quiet"],
                                      stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
        self.owner.stdin.write(text.encode())
        self.owner.stdin.close()
        time.sleep(0.3)

    def release(self):
        if self.owner:
            self.owner.kill()
            self.owner.wait()
            self.owner = None

    @staticmethod
    def read(selection):
        result = subprocess.run(["xclip", "-o", "-selection", selection], capture_output=True,
                                timeout=5)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else ""


class User:
    """Keys and mouse through the X server."""

    @staticmethod
    def move(x, y):
        run("xdotool", "mousemove", "--sync", str(x), str(y))

    def click(self, x, y, button=1):
        self.move(x, y)
        run("xdotool", "click", str(button))
        time.sleep(0.25)

    def press(self, x, y):
        self.move(x, y)
        run("xdotool", "mousedown", "1")
        time.sleep(0.4)

    @staticmethod
    def release():
        run("xdotool", "mouseup", "1")
        time.sleep(0.3)

    @staticmethod
    def keys(names):
        for name in names:
            run("xdotool", "key", name)
            time.sleep(0.15)

    @staticmethod
    def type(text):
        run("xdotool", "type", "--delay", "40", "--", text)
        time.sleep(0.2)


def middle(rect):
    x, y, width, height = rect
    return x + width // 2, y + height // 2


def arrow(rect):
    x, y, width, height = rect
    return x + width - 8, y + height // 2


class Runner:
    def __init__(self, window):
        self.window = window
        self.user = User()
        self.clipboard = Clipboard()
        self.patience = DEFAULT_PATIENCE

    def step(self, line):
        verb, _, rest = line.partition(" ")
        user, window = self.user, self.window
        if verb == "type":
            user.type(rest)
        elif verb == "key":
            # A key written as NAME*COUNT is pressed that many times.
            user.keys(name for word in rest.split()
                      for name in [word.partition("*")[0]] * int(word.partition("*")[2] or 1))
        elif verb in ("click", "rclick", "middle"):
            user.click(*middle(window.rect(rest)), button={"click": 1, "rclick": 3}.get(verb, 2))
        elif verb == "select":
            x, y, width, height = window.rect(rest)
            user.press(x + 3, y + height // 2)
            user.move(x + width - 3, y + height // 2)
            user.release()
        elif verb == "open":
            user.click(*arrow(window.rect(rest)))
        elif verb == "pick":
            control, entry = rest.split(" ", 1)
            user.click(*middle(window.entry_rect(control, entry)))
        elif verb == "drag":
            control, entry = rest.split(" ", 1)
            user.press(*arrow(window.rect(control)))
            user.move(*middle(window.entry_rect(control, entry)))
            user.release()
        elif verb == "button":
            user.click(*middle(window.dialog_button(rest)))
        elif verb == "clipboard":
            self.clipboard.put(unescape(rest))
        elif verb == "digits":
            self.clipboard.put("1." + "3" * (int(rest) - 2))
        elif verb == "within":
            self.patience = float(rest) * TIME_SCALE
        elif verb == "expect":
            self.expect(rest)
        else:
            raise ValueError(f"unknown step {line!r}")

    def seen(self, what):
        if what == "clipboard":
            return self.clipboard.read("clipboard")
        if what == "selection":
            return self.clipboard.read("primary")
        if what == "spoken":
            return self.window.spoken()
        if what == "input length":
            return str(len(self.window.state()["input"]))
        return self.window.state()[what]

    def expect(self, expectation):
        what, _, expected = expectation.partition("=")
        deadline = time.monotonic() + self.patience
        self.patience = DEFAULT_PATIENCE
        while True:
            seen = self.seen(what)
            matched = expected in seen if what == "spoken" else seen == expected
            if matched:
                if what == "spoken":
                    self.window.forget_spoken()
                return
            if time.monotonic() > deadline:
                shown = seen if len(seen) < 200 else seen[:200] + "..."
                raise AssertionError(f"{what} is {shown!r}, not {expected!r}")
            time.sleep(0.1)

    def scenario(self, steps):
        self.window.start()
        try:
            for line in steps:
                try:
                    self.step(line)
                except (AssertionError, LookupError, subprocess.SubprocessError) as failure:
                    raise AssertionError(f"at '{line}': {failure}") from None
        finally:
            self.window.stop()
            self.clipboard.release()


def main():
    table, platform = sys.argv[1], sys.argv[2]
    if platform == "linux":
        from scenario_linux import LinuxWindow
        window = LinuxWindow(sys.argv[3], sys.argv[4])
    elif platform == "web":
        from scenario_web import WebWindow
        window = WebWindow(sys.argv[3])
    else:
        from scenario_windows import WindowsWindow
        window = WindowsWindow(sys.argv[3], sys.argv[4], sys.argv[5])
    runner = Runner(window)
    # The browser takes keys and pointer from its driver; the desktop builds from the X server.
    runner.user = getattr(window, "user", runner.user)
    runner.clipboard = getattr(window, "clipboard", runner.clipboard)
    failed = 0
    only = set(os.environ.get("TENVEX_SCENARIOS", "").split())
    for name, steps in parse_table(table):
        if only and name not in only:
            continue
        excluded = [step for step in steps if step.startswith(f"not {platform}:")]
        if excluded:
            print(f"SKIP {name}: {excluded[0].partition(':')[2].strip()}", flush=True)
            continue
        steps = [step for step in steps if not step.startswith("not ")]
        try:
            runner.scenario(steps)
            print(f"PASS {name}", flush=True)
        except Exception as failure:  # every failure is the scenario's, and the next one runs
            failed += 1
            print(f"FAIL {name}: {failure}", flush=True)
    window.close()
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
