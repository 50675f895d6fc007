# SPDX-License-Identifier: MIT
"""The browser build's three figures: the payload (the page with its script, and its program,
each compressed with gzip -9); the time until the page takes input, beside a bare page with the same
controls (bare_page.html), alternated from the same static server in headless Chromium; and the
time from a click on Convert to the result in the page. Fastest and median of many runs.
    /usr/bin/python3 bench/web.py SITE_DIR [RUNS]"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "window"))
from site_server import SiteServer  # noqa: E402

PAYLOAD = ["index.html", "index.wasm"]  # the page's script is inside it

# Ready: the moment the quantity's box is shown and focused, its page's script done; the
# observer's callback runs once the script that made the change has finished.
READY = """
window.benchReady = null;
new MutationObserver((changes, observer) => {
  const box = document.getElementById('txtFrom');
  if (box && document.activeElement === box && getComputedStyle(box).visibility === 'visible') {
    window.benchReady = performance.now();
    observer.disconnect();
  }
}).observe(document, {subtree: true, childList: true, attributes: true});
"""

# From the click's own time stamp to the end of its handling, the result in the page.
CLICKS = """
window.benchClicks = [];
let clicked = 0;
document.addEventListener('click', event => { clicked = event.timeStamp; }, true);
window.addEventListener('click', () => { window.benchClicks.push(performance.now() - clicked); });
"""


def payload(site):
    sizes = {name: len(gzip.compress(open(os.path.join(site, name), "rb").read(), 9))
             for name in PAYLOAD}
    print("payload, gzip -9: " + " + ".join(f"{name} {size}" for name, size in sizes.items())
          + f" = {sum(sizes.values())} bytes (target 60 KB)")


def browser():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=800,600"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # Every run fetches from the server, as a first visit does.
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    return driver


def ready_time(driver, url):
    driver.get(url)
    for _ in range(200):
        ready = driver.execute_script("return window.benchReady")
        if ready is not None:
            return ready
        time.sleep(0.005)
    raise RuntimeError(f"{url} never took input")


def summary(label, times):
    print(f"{label}: fastest {min(times):.2f} ms, median {statistics.median(times):.2f} ms "
          f"({len(times)} runs)")


def ready(driver, url, runs):
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": READY})
    tenvex, bare = [], []
    for _ in range(runs):
        tenvex.append(ready_time(driver, url))
        bare.append(ready_time(driver, url + "bare_page.html"))
    summary("ready, Tenvex", tenvex)
    summary("ready, bare page", bare)
    ratio = statistics.median(tenvex) / statistics.median(bare)
    print(f"ready, ratio of medians: {ratio:.2f} (target 1.25)")


def conversion(driver, url, runs):
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLICKS})
    driver.get(url)
    ActionChains(driver).send_keys("299792458").perform()
    to = driver.find_element(By.ID, "cmbToUnit-input")
    ActionChains(driver).double_click(to).send_keys("Kilo (K)").perform()
    button = driver.find_element(By.ID, "cmdCalculate")
    for _ in range(runs):
        ActionChains(driver).click(button).perform()
    result = driver.find_element(By.CSS_SELECTOR, "#lblTo .unseen").get_attribute("textContent")
    assert result == "299792.458", result
    summary("conversion, click to result", driver.execute_script("return window.benchClicks"))


def main():
    site, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 31
    payload(site)
    served = tempfile.mkdtemp()
    try:
        shutil.copytree(site, served, dirs_exist_ok=True)
        shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), "bare_page.html"),
                    served)
        server = SiteServer(served)
        driver = browser()
        try:
            ready(driver, server.url, runs)
            conversion(driver, server.url, 2 * runs)
        finally:
            driver.quit()
            server.stop()
    finally:
        shutil.rmtree(served)


if __name__ == "__main__":
    main()
