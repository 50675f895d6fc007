"""Reads the running program's window through the accessibility tree and checks its initial
state: the input "1", both prefixes "Unit" with their ten list entries, the result "1"."""
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


def main():
    application = find_application("Tenvex")
    found = {}
    for node in nodes(application):
        role = node.getRoleName()
        if role == "text" and node.name == "Quantity":
            found["input"] = text_of(node)
        elif role == "combo box":
            edit = [child for child in nodes(node) if child.getRoleName() == "text"]
            entries = [child.name for child in nodes(node) if child.getRoleName() == "list item"]
            found.setdefault("prefixes", []).append((text_of(edit[0]), entries))
        elif role == "label" and node.name == "Result":
            found["result"] = node.description
        elif role == "push button":
            found["button"] = node.name
    expected = {
        "input": "1",
        "prefixes": [("Unit", LIST_ENTRIES), ("Unit", LIST_ENTRIES)],
        "result": "1",
        "button": "Convert",
    }
    if found != expected:
        sys.exit(f"FAIL: the window shows {found}, expected {expected}")
    print("initial state through the accessibility tree:", found["input"],
          *(text for text, _ in found["prefixes"]), found["result"])


main()
