# SPDX-License-Identifier: MIT
"""The texts a screen reader finds in one of the timer's windows over AT-SPI, one a line: the
window's title, then the name of everything in it that is showing (labels, buttons, a table's
headings and cells). Argument: the start of the window's title."""
import sys

import pyatspi


def texts(node, out):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.name:
            out.append(child.name)
        texts(child, out)


def main(title):
    for app in pyatspi.Registry.getDesktop(0):
        if not app or app.name != "lecternworks-timer":
            continue
        for window in app:
            if window and window.name.startswith(title):
                out = [window.name]
                texts(window, out)
                print("\n".join(out))
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
