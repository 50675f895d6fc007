# SPDX-License-Identifier: MIT
"""Reads the running program's window through the accessibility tree.
  e2e_accessibility.py initial         the input "1", both prefixes "Unit" with their ten list
                                       entries, each box named for its role, the result "1"
  e2e_accessibility.py input TEXT      the input holds TEXT
  e2e_accessibility.py result TEXT     the result, a read-only text by its fixed name, holds
                                       the whole of TEXT
  e2e_accessibility.py announced TEXT  waits, for ten seconds at most, for the result to announce
                                       TEXT as inserted; prints "listening" once it listens"""
import sys
import time

import pyatspi
from gi.repository import GLib

LIST_ENTRIES = ["Tera (T)", "Giga (G)", "Mega (M)", "Kilo (K)", "Unit",
                "centi (c)", "milli (m)", "micro (u)", "nano (n)", "pico (p)"]


def find_application(name, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    sys.exit(f"FAIL: no application {name!r} in the accessibility tree")


def nodes(node):
    yield node
    for index in range(node.childCount):
        yield from nodes(node.getChildAtIndex(index))


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None  # no text interface


def window_state():
    found = {}
    for node in nodes(find_application("Tenvex")):
        role = node.getRoleName()
        if role == "text" and node.name == "Quantity":
            found["input"] = text_of(node)
        elif role == "combo box":
            edit = [child for child in nodes(node) if child.getRoleName() == "text"]
            entries = [child.name for child in nodes(node) if child.getRoleName() == "list item"]
            found.setdefault("prefixes", []).append((node.name, text_of(edit[0]), entries))
        elif role == "text" and node.name == "Result":
            found["result"] = text_of(node)
        elif role == "push button":
            found["button"] = node.name
    return found


def wait_for_announcement(expected):
    heard = []

    def listen(event):
        if event.source is not None and event.source.name == "Result":
            heard.append(event.any_data)
            if event.any_data == expected:
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(listen, "object:text-changed:insert")
    GLib.timeout_add_seconds(10, pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("listening", flush=True) and False)
    pyatspi.Registry.start()
    if expected not in heard:
        sys.exit(f"FAIL: the result announced {heard}, not {expected!r}")
    print("the result announced", expected)


def main():
    if sys.argv[1] == "announced":
        find_application("Tenvex")
        wait_for_announcement(sys.argv[2])
        return
    found = window_state()
    if sys.argv[1] == "initial":
        expected = {
            "input": "1",
            "prefixes": [("From prefix", "Unit", LIST_ENTRIES), ("To prefix", "Unit", LIST_ENTRIES)],
            "result": "1",
            "button": "Convert",
        }
        if found != expected:
            sys.exit(f"FAIL: the window shows {found}, expected {expected}")
        print("initial state through the accessibility tree:", found["input"],
              *(f"{name}={text}" for name, text, _ in found["prefixes"]), found["result"])
    elif sys.argv[1] == "input":
        if found.get("input") != sys.argv[2]:
            sys.exit(f"FAIL: the input holds {found.get('input')!r}, expected {sys.argv[2]!r}")
        print("input through the accessibility tree:", found["input"])
    elif found.get("result") != sys.argv[2]:
        sys.exit(f"FAIL: the result reads {found.get('result')!r}, expected {sys.argv[2]!r}")
    else:
        print("result through the accessibility tree:", found["result"])


main()
