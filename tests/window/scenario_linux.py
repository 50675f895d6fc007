# SPDX-License-Identifier: MIT
"""The Qt build's window for run_scenarios.py: started as a user starts it, read through the
accessibility tree as a screen reader reads it, and heard through Orca's own log of what it
said."""
import os
import re
import subprocess
import time

import pyatspi

# Each control of the window description, as the accessibility tree shows it: its role and name.
CONTROLS = {
    "txtFrom": ("text", "Quantity"),
    "cmbFromUnit": ("combo box", "From prefix"),
    "cmbToUnit": ("combo box", "To prefix"),
    "lblTo": ("text", "Result"),
    "cmdCalculate": ("push button", "Convert"),
}
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'")


def nodes(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from nodes(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


class LinuxWindow:
    def __init__(self, program, orca_log):
        self.program = program
        self.orca_log = orca_log
        self.process = None
        self.application = None
        self.heard_up_to = 0

    def start(self):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([self.program], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                        str(self.process.pid), "--name", "^Orvid Tenvex$"],
                       check=True, capture_output=True, timeout=20)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            self.application = next(
                (app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.get_process_id() == self.process.pid), None)
            if self.application is not None and self.state()["result"] == "1":
                break
            time.sleep(0.1)
        self.heard_up_to = os.path.getsize(self.orca_log) if os.path.exists(self.orca_log) else 0
        time.sleep(0.3)

    def stop(self):
        self.process.kill()
        self.process.wait()

    def close(self):
        pass

    def find(self, role, name, within=None):
        for node in nodes(within or self.application):
            if node.getRoleName() == role and node.name == name:
                return node
        raise LookupError(f"no {role} named {name!r}")

    def control(self, control):
        return self.find(*CONTROLS[control])

    def state(self):
        found = {"dialog": "none"}
        for node in nodes(self.application):
            role = node.getRoleName()
            if role == "text" and node.name in ("Quantity", "Result"):
                found["input" if node.name == "Quantity" else "result"] = text_of(node)
            elif role == "combo box":
                edit = next(child for child in nodes(node) if child.getRoleName() == "text")
                found["from" if node.name == "From prefix" else "to"] = text_of(edit)
            elif role in ("alert", "dialog"):
                labels = [child.name for child in nodes(node) if child.getRoleName() == "label"]
                # The message as it reads; the dialog keeps quoted names whole with no-break
                # spaces.
                found["dialog"] = max(labels, key=len, default="").replace("\u00a0", " ")
        return found

    def rect(self, control):
        return extents(self.control(control))

    def entry_rect(self, control, entry):
        deadline = time.monotonic() + 5
        while True:
            try:
                item = self.find("list item", entry, self.control(control))
                if item.getState().contains(pyatspi.STATE_SHOWING):
                    return extents(item)
            except LookupError:
                if time.monotonic() > deadline:
                    raise
            time.sleep(0.1)

    def dialog_button(self, caption):
        for node in nodes(self.application):
            if node.getRoleName() in ("alert", "dialog"):
                return extents(self.find("push button", caption, node))
        raise LookupError("no dialog")

    def spoken(self):
        """What Orca has said since the start, or since what was said was last heard."""
        with open(self.orca_log, "rb") as log:
            log.seek(self.heard_up_to)
            said = log.read()
        return " | ".join(SPOKEN.findall(said.decode("utf-8", errors="replace")))

    def forget_spoken(self):
        self.heard_up_to = os.path.getsize(self.orca_log)
