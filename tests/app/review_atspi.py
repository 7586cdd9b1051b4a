# SPDX-License-Identifier: GPL-3.0-or-later
"""Works the Review Pages window over AT-SPI as a screen-reader user would:
finds the pages by their names, selects them and presses the window's
buttons by theirs. Checks the names the pages are given on the way.

Usage: review_atspi.py STEP... (each "select N", "press NAME", "expect N NAME")"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def find(role, name, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is None or app.get_name() != "Quillon":
                continue
            for node in nodes(app):
                if node.get_role_name() == role and node.get_name() == name:
                    return node
        time.sleep(0.1)
    raise SystemExit("no %s named %r" % (role, name))


def pages():
    listing = find("list", "Scanned pages")
    return listing, [listing.get_child_at_index(i) for i in range(listing.get_child_count())]


def main(steps):
    find("dialog", "Review Pages")
    for step in steps:
        verb, _, rest = step.partition(" ")
        _, items = pages()
        if verb == "select":
            # A page's own action toggles its selection.
            for index, item in enumerate(items):
                selected = item.get_state_set().contains(Atspi.StateType.SELECTED)
                if selected != (index == int(rest) - 1):
                    item.do_action(0)
        elif verb == "press":
            button = find("push button", rest, timeout=5)
            button.do_action(0)
        elif verb == "expect":
            number, _, name = rest.partition(" ")
            shown = items[int(number) - 1].get_name() if int(number) <= len(items) else None
            if shown != name:
                raise SystemExit("page %s is named %r, not %r" % (number, shown, name))
        time.sleep(0.2)  # the window rebuilds its list after each change
    print("review worked over AT-SPI: %s" % "; ".join(steps))


if __name__ == "__main__":
    main(sys.argv[1:])
