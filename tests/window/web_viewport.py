# SPDX-License-Identifier: MIT
"""The page in viewports larger and smaller than its panel: centred where it fits; where it does
not, placed at the page's edge, so that scrolling reaches every part, and Convert works there.
    web_viewport.py PAGE_URL"""
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

# name, viewport (CSS pixels), where the panel's top-left corner must be
ROWS = [
    ("desktop", (800, 600), "centred"),
    ("phone_portrait", (240, 320), "edge_left"),
    ("phone_landscape", (480, 200), "edge_top"),
]


def check(driver, page, viewport, placement):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": viewport[0], "height": viewport[1], "deviceScaleFactor": 1, "mobile": False})
    driver.get(page)
    panel = driver.find_element(By.ID, "frmTenvex").rect
    # The viewport less its scroll bars, which a panel wider or taller than it brings.
    width, height = driver.execute_script(
        "const root = document.documentElement; return [root.clientWidth, root.clientHeight]")
    left, top = round(panel["x"]), round(panel["y"])
    expected_left = max((width - round(panel["width"])) // 2, 0)
    expected_top = max((height - round(panel["height"])) // 2, 0)
    if abs(left - expected_left) > 1 or abs(top - expected_top) > 1:
        return f"panel at ({left}, {top}), not ({expected_left}, {expected_top}) ({placement})"
    button = driver.find_element(By.ID, "cmdCalculate")
    driver.execute_script("arguments[0].scrollIntoView({block: 'end', inline: 'end'})", button)
    ActionChains(driver).send_keys("2.5").move_to_element(button).click().perform()
    result = driver.find_element(By.CSS_SELECTOR, "#lblTo .unseen").get_attribute("textContent")
    return None if result == "2.5" else f"Convert gave {result!r}, not '2.5'"


def main():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    failed = 0
    try:
        for name, viewport, placement in ROWS:
            failure = check(driver, sys.argv[1], viewport, placement)
            print(f"FAIL {name}: {failure}" if failure else f"PASS {name}", flush=True)
            failed += failure is not None
    finally:
        driver.quit()
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
