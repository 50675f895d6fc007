# SPDX-License-Identifier: MIT
"""The Windows build's window for run_scenarios.py, under Wine: started, and read as screen
readers read it, by win32_probe.exe, a Windows program of ours that answers one command a line;
what screen readers are told of a new result is what they hear."""
import json
import subprocess
import time


class WindowsWindow:
    def __init__(self, probe, program, wine="wine"):
        self.program = program
        self.probe = subprocess.Popen([wine, probe], stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, text=True, encoding="utf-8")

    def ask(self, command):
        self.probe.stdin.write(command + "\n")
        self.probe.stdin.flush()
        answer = json.loads(self.probe.stdout.readline())
        if isinstance(answer, dict) and "error" in answer:
            raise LookupError(f"{command}: {answer['error']}")
        return answer

    def start(self):
        self.ask(f"start {self.program}")
        deadline = time.monotonic() + 10
        while self.state()["result"] != "1" and time.monotonic() < deadline:
            time.sleep(0.1)
        time.sleep(0.5)

    def stop(self):
        self.ask("stop")

    def close(self):
        self.probe.stdin.close()
        self.probe.wait(timeout=10)

    def state(self):
        return self.ask("state")

    def rect(self, control):
        return self.ask(f"rect {control}")

    def entry_rect(self, control, entry):
        deadline = time.monotonic() + 5
        while True:
            try:
                return self.ask(f"entry {control} {entry}")
            except LookupError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.1)

    def dialog_button(self, caption):
        return self.ask(f"button {caption}")

    def spoken(self):
        return self.ask("heard")

    def forget_spoken(self):
        self.ask("forget")
