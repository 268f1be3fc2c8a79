# SPDX-License-Identifier: MIT
# A phone's browser for the end-to-end tests: headless Chromium through chromedriver, a phone's
# screen, one command a line on stdin, each answered by one line, "ok" or "fail WHAT-IT-SAW":
#   open URL | state NAME MS | lamps LOOK MS | controls shown|hidden MS | click ID | tick ID |
#   next MS TEXT | shot PATH | delay | quit
# "state" waits for the page's state (unpaired, connecting, live); "lamps" for a current light
# such as "G--"; "controls" for START, STOP and the rows all to be seen or none; "tick" ticks
# a box of the folded options; "next" waits for the next speaker shown to begin with TEXT;
# "delay" answers "ok MEDIAN MAX COUNT" of the page's lamp changes, from the window to the
# screen, in milliseconds.
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
    # What a person sees, whatever the page's attributes say.
    "controls": """const seen = ['start', 'stop', 'row'].filter((id) =>
                      document.getElementById(id).getClientRects().length > 0).length;
                  return seen === 3 ? 'shown' : seen === 0 ? 'hidden' : 'partly';""",
}
NEXT = """const next = document.getElementById('next');
          return next.getClientRects().length > 0 && next.textContent.startsWith(arguments[0])
              ? 'ok' : 'saw ' + (next.getClientRects().length > 0 ? next.textContent : 'nothing');"""


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


def wait_for(driver, probe, expected, deadline_ms, *probe_args):
    end = time.monotonic() + int(deadline_ms) / 1000
    seen = driver.execute_script(probe, *probe_args)
    while seen != expected and time.monotonic() < end:
        time.sleep(0.02)
        seen = driver.execute_script(probe, *probe_args)
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
                answer = wait_for(driver, PROBES[command], args[0], args[1])
            elif command == "next":
                answer = wait_for(driver, NEXT, "ok", args[0], "Next: " + " ".join(args[1:]))
            elif command == "open":
                driver.get(args[0])
            elif command == "click":
                driver.find_element(By.ID, args[0]).click()
            elif command == "tick":
                driver.execute_script("document.getElementById(arguments[0]).click()", args[0])
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
