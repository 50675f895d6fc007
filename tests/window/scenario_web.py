# SPDX-License-Identifier: MIT
"""The browser build's page for run_scenarios.py: opened in headless Chromium, driven through
WebDriver with the browser's own key and pointer input, and read through its accessibility tree
(the DevTools protocol), as screen readers read it; what its live regions are told is what
screen readers hear."""
import os
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from site_server import SiteServer

KEYS = {"Return": Keys.ENTER, "KP_Enter": Keys.ENTER, "Escape": Keys.ESCAPE, "Tab": Keys.TAB,
        "space": Keys.SPACE, "F4": Keys.F4, "Down": Keys.ARROW_DOWN, "Up": Keys.ARROW_UP,
        "Left": Keys.ARROW_LEFT, "Right": Keys.ARROW_RIGHT, "Home": Keys.HOME, "End": Keys.END,
        "BackSpace": Keys.BACKSPACE, "Delete": Keys.DELETE, "Insert": Keys.INSERT}
MODIFIERS = {"ctrl": Keys.CONTROL, "alt": Keys.ALT, "shift": Keys.SHIFT}
BUTTONS = {1: MouseButton.LEFT, 2: MouseButton.MIDDLE, 3: MouseButton.RIGHT}

# Records what the page's live regions are told, from the moment the page is loaded.
LISTEN = """
window.tenvexSpoken = [];
new MutationObserver(changes => {
  for (const change of changes) {
    const region = change.target.nodeType === 3 ? change.target.parentNode : change.target;
    if (region.closest && region.closest('[aria-live]') && region.textContent)
      window.tenvexSpoken.push(region.textContent);
  }
}).observe(document.body, {subtree: true, childList: true, characterData: true});
"""


class WebUser:
    """Keys and pointer through WebDriver's input, which the browser takes as a person's."""

    def __init__(self, driver):
        self.driver = driver

    def pointer(self, x, y, *actions, button=1):
        builder = ActionBuilder(self.driver)
        builder.pointer_action.move_to_location(x, y)
        for action in actions:
            if action == "down":
                builder.pointer_action.pointer_down(BUTTONS[button])
            elif action == "up":
                builder.pointer_action.pointer_up(BUTTONS[button])
            else:
                builder.pointer_action.pause(action)
        builder.perform()

    def move(self, x, y):
        self.pointer(x, y)

    def click(self, x, y, button=1):
        self.pointer(x, y, "down", "up", button=button)
        time.sleep(0.1)

    def press(self, x, y):
        self.pointer(x, y, "down")
        time.sleep(0.2)

    def release(self):
        builder = ActionBuilder(self.driver)
        builder.pointer_action.pointer_up(MouseButton.LEFT)
        builder.perform()
        time.sleep(0.1)

    def keys(self, names):
        for name in names:
            *held, key = name.split("+")
            chain = ActionChains(self.driver)
            for modifier in held:
                chain.key_down(MODIFIERS[modifier])
            chain.send_keys(KEYS.get(key, key))
            for modifier in reversed(held):
                chain.key_up(MODIFIERS[modifier])
            chain.perform()
            time.sleep(0.05)

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()
        time.sleep(0.1)


class WebClipboard:
    """The browser's clipboard, written and read as another program would."""

    def __init__(self, driver):
        self.driver = driver

    def call(self, script, *arguments):
        answer = self.driver.execute_async_script(
            f"const done = arguments[arguments.length - 1];"
            f"{script}.then(done, failure => done('failed: ' + failure));", *arguments)
        if isinstance(answer, str) and answer.startswith("failed: "):
            raise LookupError(answer)
        return answer

    def put(self, text):
        self.call("navigator.clipboard.writeText(arguments[0])", text)

    def release(self):
        pass

    def read(self, selection):
        if selection != "clipboard":
            raise LookupError("a browser has no primary selection")
        return self.call("navigator.clipboard.readText()")


class WebWindow:
    """The page at a URL, or the site in a folder served over HTTP."""

    def __init__(self, page):
        self.server = SiteServer(page) if os.path.isdir(page) else None
        self.page = self.server.url if self.server else page
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--window-size=800,600", "--force-renderer-accessibility"):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Accessibility.enable", {})
        self.user = WebUser(self.driver)
        self.clipboard = WebClipboard(self.driver)

    def start(self):
        self.driver.get(self.page)
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        deadline = time.monotonic() + 10
        while self.state().get("result") != "1" and time.monotonic() < deadline:
            time.sleep(0.1)
        self.driver.execute_script(LISTEN)

    def stop(self):
        self.driver.get("about:blank")

    def close(self):
        self.driver.quit()
        if self.server:
            self.server.stop()

    def tree(self):
        return self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

    def state(self):
        found = {"dialog": "none"}
        nodes = {node["nodeId"]: node for node in self.tree()}
        value = lambda node: str(node.get("value", {}).get("value", ""))
        for node in nodes.values():
            if node.get("ignored"):
                continue
            role = node.get("role", {}).get("value")
            name = node.get("name", {}).get("value")
            if role == "textbox" and name == "Quantity":
                found["input"] = value(node)
            elif role == "textbox" and name == "Result":
                found["result"] = value(node) or text_of(nodes, node)
            elif role == "combobox":
                found["from" if name == "From prefix" else "to"] = value(node)
            elif role == "dialog":
                found["dialog"] = text_of(nodes, node, "StaticText").replace("\u00a0", " ")
        return found

    def element(self, control):
        element = self.driver.find_element(By.ID, control)
        return element

    def rect(self, control):
        rect = self.element(control).rect
        return [round(rect["x"]), round(rect["y"]), round(rect["width"]), round(rect["height"])]

    def entry_rect(self, control, entry):
        deadline = time.monotonic() + 5
        while True:
            for option in self.driver.find_elements(By.CSS_SELECTOR, f"#{control}-list li"):
                if option.text == entry and option.is_displayed():
                    rect = option.rect
                    return [round(rect["x"]), round(rect["y"]), round(rect["width"]),
                            round(rect["height"])]
            if time.monotonic() > deadline:
                raise LookupError(f"no entry {entry!r} shown in {control}")
            time.sleep(0.1)

    def dialog_button(self, caption):
        for button in self.driver.find_elements(By.CSS_SELECTOR, "dialog[open] button"):
            if button.text == caption:
                rect = button.rect
                return [round(rect["x"]), round(rect["y"]), round(rect["width"]),
                        round(rect["height"])]
        raise LookupError(f"no dialog button {caption!r}")

    def spoken(self):
        return " ".join(self.driver.execute_script("return window.tenvexSpoken || []"))

    def forget_spoken(self):
        self.driver.execute_script("window.tenvexSpoken = []")


def text_of(nodes, node, role=None):
    """The texts of a node's descendants in the accessibility tree (of one role, if given)."""
    texts = []
    for child in node.get("childIds", []):
        child = nodes.get(child)
        if child is None:
            continue
        if child.get("role", {}).get("value") == "button":
            continue
        if child.get("role", {}).get("value") in (role or "StaticText", "StaticText"):
            texts.append(child.get("name", {}).get("value", ""))
        else:
            texts.append(text_of(nodes, child, role))
    return "".join(texts)
