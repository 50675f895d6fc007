# SPDX-License-Identifier: MIT
"""The browser build as a site, served over HTTP to headless Chromium: every control found by
its name in the accessibility tree, the favicon shown, installable as the browser itself judges
it, working offline once opened; and text put in the quantity by an input method and by drops,
which the browser delivers as it does a person's, each raising the change.
    web_site.py SITE_DIR"""
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

from site_server import SiteServer

NAMES = [("textbox", "Quantity"), ("combobox", "From prefix"), ("combobox", "To prefix"),
         ("textbox", "Result"), ("button", "Convert")]


def wait(driver, script, seconds=10):
    deadline = time.monotonic() + seconds
    while not driver.execute_script(script):
        if time.monotonic() > deadline:
            raise AssertionError(f"never true: {script}")
        time.sleep(0.1)


def convert(driver, text):
    """Types `text` over the quantity, which the page opens with selected, and presses Convert
    with the pointer; the whole result as screen readers get it."""
    ActionChains(driver).send_keys(text).perform()
    ActionChains(driver).click(driver.find_element(By.ID, "cmdCalculate")).perform()
    return driver.find_element(By.CSS_SELECTOR, "#lblTo .unseen").get_attribute("textContent")


def names(driver, server):
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    found = {(node.get("role", {}).get("value"), node.get("name", {}).get("value"))
             for node in nodes if not node.get("ignored")}
    missing = [name for name in NAMES if name not in found]
    return f"not in the accessibility tree: {missing}" if missing else None


def favicon(driver, server):
    size = driver.execute_async_script("""
        const done = arguments[0], image = new Image();
        image.onload = () => done([image.naturalWidth, image.naturalHeight]);
        image.onerror = () => done(null);
        image.src = document.querySelector('link[rel="icon"]').href;""")
    return None if size == [32, 32] else f"the favicon loads as {size}, not 32x32"


def installable(driver, server):
    manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
    if manifest.get("errors"):
        return f"manifest errors: {manifest['errors']}"
    wait(driver, "return navigator.serviceWorker.controller !== null")
    errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    return f"not installable: {errors}" if errors else None


def offline(driver, server):
    wait(driver, "return navigator.serviceWorker.controller !== null")
    server.stop()
    driver.refresh()
    wait(driver, "return document.getElementById('txtFrom') !== null")
    result = convert(driver, "2.5")
    return None if result == "2.5" else f"offline, Convert gave {result!r}, not '2.5'"


def result(driver):
    return driver.find_element(By.CSS_SELECTOR, "#lblTo .unseen").get_attribute("textContent")


def composed(driver, server):
    """Composes "2" over the selected quantity, then commits "2.5": the result is cleared as the
    composition starts, and the committed text converts."""
    convert(driver, "")
    driver.execute_cdp_cmd("Input.imeSetComposition",
                           {"text": "2", "selectionStart": 1, "selectionEnd": 1})
    cleared = result(driver)
    driver.execute_cdp_cmd("Input.insertText", {"text": "2.5"})
    converted = convert(driver, "")
    return None if (cleared, converted) == ("", "2.5") else \
        f"composing left {cleared!r}, then Convert gave {converted!r}, not '' and '2.5'"


def dropped(offset, expected):
    """Drops "5" on the quantity "1", `offset` pixels from its left edge (from its right, if
    negative): it goes in where it is let go, and the change clears the result."""
    def check(driver, server):
        convert(driver, "")
        box = driver.find_element(By.ID, "txtFrom").rect
        x = box["x"] + (offset if offset > 0 else box["width"] + offset)
        drag = {"x": x, "y": box["y"] + box["height"] / 2, "data": {
            "items": [{"mimeType": "text/plain", "data": "5"}], "dragOperationsMask": 1}}
        for kind in ("dragEnter", "dragOver", "drop"):
            driver.execute_cdp_cmd("Input.dispatchDragEvent", {"type": kind, **drag})
        value = driver.execute_script("return document.getElementById('txtFrom').value")
        return None if (value, result(driver)) == (expected, "") else \
            f"dropped, the quantity is {value!r} and the result {result(driver)!r}"
    return check


# Each row has a fresh browser and server; the last row stops its server.
ROWS = [("accessible_names", names), ("favicon", favicon), ("installable", installable),
        ("composition", composed), ("drop_at_the_start", dropped(3, "51")),
        ("drop_at_the_end", dropped(-3, "15")), ("offline_once_opened", offline)]


def main():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--force-renderer-accessibility"):
        options.add_argument(argument)
    failed = 0
    for name, check in ROWS:
        server = SiteServer(sys.argv[1])
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            driver.execute_cdp_cmd("Accessibility.enable", {})
            driver.get(server.url)
            wait(driver, "return document.getElementById('cmdCalculate') !== null")
            failure = check(driver, server)
        except Exception as error:  # a row's failure is its own; the next one runs
            failure = str(error)
        finally:
            driver.quit()
            server.stop()
        print(f"FAIL {name}: {failure}" if failure else f"PASS {name}", flush=True)
        failed += failure is not None
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
