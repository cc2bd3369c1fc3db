#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the accessible tree of the running program through AT-SPI, as a screen reader does,
# and fails when a control the user can reach has no name, or when none of them has a name
# the caller expects. Usage: read_tree.py APPLICATION EXPECTED_NAME...
import sys
import time

import pyatspi


def application(name, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node, depth
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def main():
    app = application(sys.argv[1])
    if app is None:
        desktop = pyatspi.Registry.getDesktop(0)
        seen = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
        print(f"no application {sys.argv[1]!r} on the accessibility bus, only {seen}")
        return 1
    names = set()
    unnamed = []
    for node, depth in walk(app):
        states = node.getState()
        role = node.getRoleName()
        name = node.name or ""
        # Cells and list items are what a control holds, named by their text when they have
        # one; the controls themselves must have a name.
        reachable = (states.contains(pyatspi.STATE_FOCUSABLE)
                     and states.contains(pyatspi.STATE_SHOWING)
                     and role not in ("table cell", "list item"))
        if reachable:
            names.add(name)
        print(f"{'  ' * depth}{role}: {name!r}{' (focusable)' if reachable else ''}")
        if reachable and not name.strip():
            unnamed.append(f"{role} under {node.parent.name!r}")
    missing = [name for name in sys.argv[2:] if name not in names]
    for what in unnamed:
        print(f"FAILED: a {what} has no accessible name")
    for name in missing:
        print(f"FAILED: no control named {name!r}")
    return 1 if unnamed or missing else 0


if __name__ == "__main__":
    sys.exit(main())
