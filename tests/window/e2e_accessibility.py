# SPDX-License-Identifier: MIT
"""Reads the running program's window through the accessibility tree.
  e2e_accessibility.py initial         the input "1", both prefixes "Unit" with their ten list
                                       entries, each box named for its role, the result "1"
  e2e_accessibility.py result TEXT     the result, by its fixed name, is TEXT"""
import sys
import time

import pyatspi

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
    return node.queryText().getText(0, -1)


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
        elif role == "label" and node.name == "Result":
            found["result"] = node.description
        elif role == "push button":
            found["button"] = node.name
    return found


def main():
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
    elif found.get("result") != sys.argv[2]:
        sys.exit(f"FAIL: the result reads {found.get('result')!r}, expected {sys.argv[2]!r}")
    else:
        print("result through the accessibility tree:", found["result"])


main()
