# SPDX-License-Identifier: MIT
"""The timer's light over AT-SPI. No arguments: prints the light's accessible name and its lamps'
names, left to right, "|" between them. "count S FILE": writes FILE once listening, then prints
how often the light's name changed in S seconds."""
import sys

import pyatspi
from gi.repository import GLib

PREFIX = "Signal light: "


def names():
    for app in pyatspi.Registry.getDesktop(0):
        light = app and app.name == "lecternworks-timer" and pyatspi.findDescendant(
            app, lambda a: a.name.startswith(PREFIX))
        if light:
            lamps = pyatspi.findAllDescendants(light, lambda a: " lamp, " in a.name)
            lamps.sort(key=lambda a: a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)
            print("|".join([light.name] + [lamp.name for lamp in lamps]))
            return 0
    return 1


def count(seconds, ready_file):
    changes = []
    # The event names the object whose name changed, not the name.
    pyatspi.Registry.registerEventListener(
        lambda e: e.source and e.source.name.startswith(PREFIX) and changes.append(e.source.name),
        "object:property-change:accessible-name")
    GLib.idle_add(lambda: open(ready_file, "w").write("ready\n") and False)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print(len(changes))
    print("\n".join(changes), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(count(float(sys.argv[2]), sys.argv[3]) if sys.argv[1:2] == ["count"] else names())
