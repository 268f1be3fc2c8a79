# SPDX-License-Identifier: MIT
# A phone's browser for the end-to-end tests: headless Chromium through chromedriver, a phone's
# screen, one command a line on stdin, each answered by one line, "ok" or "fail WHAT-IT-SAW":
#   open URL | state NAME MS | lamps LOOK MS | controls MS | click ID | shot PATH | delay | quit
# "state" waits for the page's state (unpaired, connecting, live); "lamps" for a current light
# such as "G--"; "controls" for START and STOP; "delay" answers "ok MEDIAN MAX COUNT" of the
# page's lamp changes, from the window to the screen, in milliseconds.
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

PROBES = {
    "state": "return document.body.dataset.state",
    "lamps": """if (document.body.dataset.state !== 'live' ||
                    document.getElementById('light').classList.contains('stale')) return 'stale';
                return ['green', 'yellow', 'red'].map((c, i) => document.getElementById('lamp-' + c)
                    .classList.contains('lit') ? 'GYR'[i] : '-').join('');""",
    "controls": "return document.getElementById('controls').hidden ? 'hidden' : 'shown'",
}


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # Root in a container has no sandbox to give.
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
    return driver


def wait_for(driver, probe, expected, deadline_ms):
    end = time.monotonic() + int(deadline_ms) / 1000
    seen = driver.execute_script(probe)
    while seen != expected and time.monotonic() < end:
        time.sleep(0.02)
        seen = driver.execute_script(probe)
    return "ok" if seen == expected else "fail " + str(seen)


def main():
    driver = browser()
    try:
        for line in sys.stdin:
            command, *args = line.split() or [""]
            answer = "ok"
            if command in ("state", "lamps"):
                answer = wait_for(driver, PROBES[command], args[0], args[1])
            elif command == "controls":
                answer = wait_for(driver, PROBES[command], "shown", args[0])
            elif command == "open":
                driver.get(args[0])
            elif command == "click":
                driver.find_element(By.ID, args[0]).click()
            elif command == "delay":
                delays = sorted(driver.execute_script("return window.lampDelaysMs"))
                answer = ("ok %d %d %d" % (delays[len(delays) // 2], delays[-1], len(delays))
                          if delays else "fail no lamp change timed")
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
