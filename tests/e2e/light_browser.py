# SPDX-License-Identifier: MIT
# A phone's browser for the end-to-end tests: headless Chromium through chromedriver, a phone's
# screen, one command a line on stdin, each answered by one line, "ok" or "fail WHAT-IT-SAW":
#   open URL | state NAME MS | lamps LOOK MS | controls shown|hidden MS | click ID | tick ID |
#   next MS TEXT | shot PATH | delay | size W H | frame LAYOUT COLOUR MS [PERCENT] | quit
# "state" waits for the page's state (unpaired, connecting, live); "lamps" for a current light
# such as "G--"; "controls" for START, STOP and the rows all to be seen or none; "tick" ticks
# a box of the folded options; "next" waits for the next speaker shown to begin with TEXT;
# "delay" answers "ok MEDIAN MAX COUNT" of the page's lamp changes, from the window to the
# screen, in milliseconds.
# With --video, a video program's browser source: a transparent picture of "size" W x H, whose
# screenshot "frame" reads: the background's every pixel the COLOUR (dark, grey, green, yellow,
# red, or "lit": as the page says); the badge's or border's colour, every pixel around clear;
# after MS, a border's width in percent of the shorter side.
import subprocess
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


COLOURS = {"dark": "2b2b2b", "grey": "555555", "green": "00ff00", "yellow": "ffff00",
           "red": "ff0000"}
BOX = """const light = document.getElementById('light'), box = light.getBoundingClientRect();
         return [document.documentElement.dataset.video || '', light.dataset.lit || 'dark',
                 light.classList.contains('stale'), Math.floor(box.left), Math.floor(box.top),
                 Math.ceil(box.right), Math.ceil(box.bottom),
                 parseFloat(getComputedStyle(light).borderTopWidth)];"""


def browser(video):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # Root in a container has no sandbox to give.
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    if video:
        # As --default-background-color=00000000 would, which chromedriver's window does not
        # survive.
        driver.execute_cdp_cmd("Emulation.setDefaultBackgroundColorOverride",
                               {"color": {"r": 0, "g": 0, "b": 0, "a": 0}})
        resize(driver, 1280, 720, False)
    else:
        resize(driver, 390, 844, True)
    return driver


def resize(driver, width, height, mobile):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": int(width), "height": int(height), "deviceScaleFactor": 1,
                            "mobile": mobile})


def frame_fault(driver, layout, colour, percent=None):
    """What is wrong with the picture now, or None."""
    shown, lit, stale, left, top, right, bottom, border = driver.execute_script(BOX)
    expected = "grey" if stale else lit
    colour = expected if colour == "lit" else colour
    if shown != layout or expected != colour:
        return "page shows %s %s" % (shown or "no layout", expected)
    width, height = driver.execute_script("return [innerWidth, innerHeight]")
    png = driver.get_screenshot_as_png()
    rgba = subprocess.run(["convert", "png:-", "rgba:-"], input=png, capture_output=True,
                          check=True).stdout
    if len(rgba) != width * height * 4:
        return "a picture of %d bytes for %dx%d" % (len(rgba), width, height)
    pixel = bytes.fromhex(COLOURS[colour]) + b"\xff"
    row = width * 4

    def clear(x0, y0, x1, y1):
        return all(max(rgba[y * row + x0 * 4 + 3:y * row + x1 * 4:4], default=0) == 0
                   for y in range(max(0, y0), min(height, y1)))

    def filled(x0, y0, x1, y1):
        return all(rgba[y * row + x0 * 4:y * row + x1 * 4] == pixel * (x1 - x0)
                   for y in range(y0, y1))

    if layout == "background":
        return None if filled(0, 0, width, height) else "not %s edge to edge" % colour
    if layout == "border":
        # A browser draws a border in whole pixels.
        if percent and abs(border - min(width, height) * int(percent) / 100) >= 1:
            return "a border of %.1f pixels" % border
        inner, outer = int(border) + 1, int(border) - 1
        if not clear(inner, inner, width - inner, height - inner):
            return "drawn inside the border"
        return None if filled(0, 0, width, outer) and filled(0, height - outer, width, height) \
            else "the border is not %s" % colour
    # The badge: nothing around its box, and a lamp of the colour in it when one is lit.
    if not (clear(0, 0, width, top) and clear(0, bottom, width, height) and
            clear(0, top, left, bottom) and clear(right, top, width, bottom)):
        return "drawn outside the badge at %d,%d-%d,%d" % (left, top, right, bottom)
    if colour != "dark" and pixel not in rgba:
        return "no %s lamp in the badge" % colour
    return None


def wait_for(driver, probe, expected, deadline_ms, *probe_args):
    # A probe is the page's script, or what the picture shows.
    look = probe if callable(probe) else lambda: driver.execute_script(probe, *probe_args)
    end = time.monotonic() + int(deadline_ms) / 1000
    seen = look()
    while seen != expected and time.monotonic() < end:
        time.sleep(0.02)
        seen = look()
    return "ok" if seen == expected else "fail " + str(seen)


def main():
    video = "--video" in sys.argv
    driver = browser(video)
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
            elif command == "size":
                resize(driver, args[0], args[1], False)
            elif command == "frame":
                answer = wait_for(driver, lambda: frame_fault(driver, *args[:2], *args[3:]), None,
                                  args[2])
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
