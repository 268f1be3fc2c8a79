# SPDX-License-Identifier: MIT
"""A phone's browser for the end-to-end tests: headless Chromium driven through chromedriver,
taking one command a line on stdin and answering each with one line, "ok ..." or "fail ...".

  open URL             opens the address (as a phone does on scanning the QR code)
  state NAME MS        waits until the page says it is NAME (unpaired, connecting, live)
  lamps LOOK MS        waits until the light shows LOOK, e.g. "G--" (lit, current lamps)
  controls MS          waits until START and STOP are shown
  click ID             presses the element
  shot PATH            saves a screenshot of the page
  quit
"""
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

PHONE_WIDTH, PHONE_HEIGHT = 390, 844
POLL_S = 0.02

LOOK_SCRIPT = """
const light = document.getElementById('light');
if (document.body.dataset.state !== 'live' || light.classList.contains('stale')) return 'stale';
return ['green', 'yellow', 'red'].map((c, i) =>
    document.getElementById('lamp-' + c).classList.contains('lit') ? 'GYR'[i] : '-').join('');
"""


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # Root in a container has no sandbox to give.
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--no-first-run"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # A phone's screen, held in portrait, whatever the headless window's own size.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": PHONE_WIDTH, "height": PHONE_HEIGHT, "deviceScaleFactor": 1, "mobile": True})
    return driver


def wait(deadline_ms, probe):
    end = time.monotonic() + int(deadline_ms) / 1000
    seen = probe()
    while seen is not True and time.monotonic() < end:
        time.sleep(POLL_S)
        seen = probe()
    return seen


def main():
    driver = browser()
    try:
        for line in sys.stdin:
            words = line.split()
            if not words:
                continue
            command, args = words[0], words[1:]
            answer = "ok"
            if command == "open":
                driver.get(args[0])
            elif command == "state":
                state = lambda: driver.execute_script("return document.body.dataset.state")
                seen = wait(args[1], lambda: state() == args[0] or state())
                answer = "ok" if seen is True else "fail " + str(seen)
            elif command == "lamps":
                look = lambda: driver.execute_script(LOOK_SCRIPT)
                seen = wait(args[1], lambda: look() == args[0] or look())
                answer = "ok" if seen is True else "fail " + str(seen)
            elif command == "controls":
                shown = lambda: driver.find_element(By.ID, "controls").is_displayed()
                answer = "ok" if wait(args[0], shown) is True else "fail hidden"
            elif command == "click":
                driver.find_element(By.ID, args[0]).click()
            elif command == "shot":
                driver.save_screenshot(args[0])
            elif command == "quit":
                break
            else:
                answer = "fail unknown command " + command
            print(answer, flush=True)
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
