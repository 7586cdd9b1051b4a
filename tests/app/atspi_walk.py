# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the window's tree as a screen reader sees it over AT-SPI and checks
that each list is named by its label, its parts by it too, not by its value.

Usage: atspi_walk.py APPLICATION-NAME (waits until the application is there)"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LISTS = ["DPI", "Scan Type", "Duplex", "Page Rejection", "Format", "Quality (Size)", "Paper Size"]
BUTTONS = ["SCAN", "Defaults"]


def nodes(node, depth=0):
    yield depth, node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child, depth + 1)


def application(name):
    # The program registers once its window is up: asked again until then.
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name and app.get_child_count() > 0:
                return app
        time.sleep(0.1)
    return None


def main():
    app = application(sys.argv[1])
    if app is None:
        print("no application named %s on the accessibility bus" % sys.argv[1])
        return 1
    problems, combos, buttons = [], {}, []
    for depth, node in nodes(app):
        role, name = node.get_role_name(), node.get_name()
        print("  " * depth + "%s: %s" % (role, name))
        if role == "push button":
            buttons.append(name)
        if role != "combo box":
            continue
        parts = [(node.get_child_at_index(i).get_role_name(), node.get_child_at_index(i).get_name())
                 for i in range(node.get_child_count())]
        combos[name] = parts
    for label in LISTS:
        if label not in combos:
            problems.append("no list named %r (lists: %s)" % (label, sorted(combos)))
            continue
        for role, name in combos[label]:
            wanted = label + " choices" if role == "list" else label
            if name != wanted:
                problems.append("the %s of the list %r is named %r" % (role, label, name))
    for name in BUTTONS:
        if name not in buttons:
            problems.append("no button named %r" % name)
    for problem in problems:
        print("PROBLEM: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
