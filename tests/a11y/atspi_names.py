#!/usr/bin/env python3
"""Drives the running utility through AT-SPI, as a screen reader sees it.

On every tab page: every control a user can reach (showing, and focusable or
a page tab) has a non-empty name that no other control in the window has,
and nothing that lies outside its container (the controls out of sight) is
reported as showing.

It runs in a D-Bus session and a runtime folder of its own and starts its
own X server (Xvfb):
    /usr/bin/python3 atspi_names.py build/app/ostraval-config
"""

import sys

import pyatspi

sys.dont_write_bytecode = True  # nothing written into the source tree
from atspi_session import (children, fail, find_role, run_check, showing, spoken_name,
                           states, wait_for)

DEADLINE_SECONDS = 90  # the whole run; CTest's own timeout lies above it

# Roles of controls a user operates; a page tab is reached by its tab list.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST,
}


def extents(node):
    try:
        return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None


def inside(inner, outer):
    return (inner.x >= outer.x and inner.y >= outer.y and
            inner.x + inner.width <= outer.x + outer.width and
            inner.y + inner.height <= outer.y + outer.height)


def reachable(node):
    role = node.getRole()
    if role not in CONTROL_ROLES or not showing(node):
        return False
    return role == pyatspi.ROLE_PAGE_TAB or states(node).contains(pyatspi.STATE_FOCUSABLE)


def walk(node, ancestors, report):
    """Visits the tree below `node`, checking that a showing node lies
    within every showing container above it."""
    box = extents(node)
    if showing(node) and box is not None and box.width > 0 and box.height > 0:
        for outer_name, outer in ancestors:
            if not inside(box, outer):
                report.outside.append(f"{node.getRoleName()} '{spoken_name(node)}' "
                                      f"outside '{outer_name}'")
                break
        ancestors = ancestors + [(node.name, box)]
    report.nodes.append(node)
    # A list's rows belong to its pop-up window, which Qt reports as showing
    # whether it is open or not.
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return
    for child in children(node):
        walk(child, ancestors, report)


class Report:
    def __init__(self):
        self.nodes = []
        self.outside = []


def check_window(window):
    tabs = find_role(window, pyatspi.ROLE_PAGE_TAB_LIST)
    if tabs is None:
        fail("the window shows no tab pages")
    pages = [tab for tab in children(tabs) if tab.getRole() == pyatspi.ROLE_PAGE_TAB]
    if len(pages) != 4:
        fail(f"expected four tab pages, found {len(pages)}")

    # The pages' own panels: the children of the tab list's sibling that
    # holds one panel per tab.
    stacks = [c for c in children(tabs.parent) if c != tabs and c.childCount == len(pages)]
    if not stacks:
        fail("the tab pages' panels were not found")
    panels = list(children(stacks[0]))

    names = {}     # spoken name -> the controls carrying it
    problems = []
    hidden_seen = set()
    for page, panel in zip(pages, panels):
        page.queryAction().doAction(0)
        wait_for(f"page '{page.name}'", lambda: showing(panel))
        report = Report()
        walk(window, [], report)
        problems += [f"page '{page.name}': {o}" for o in report.outside]
        for node in report.nodes:
            if reachable(node):
                key = (node.getRoleName(), node.path)
                names.setdefault(spoken_name(node), set()).add(key)
            elif node.name in OUT_OF_SIGHT and not showing(node):
                hidden_seen.add(node.name)
            elif node.name in OUT_OF_SIGHT:
                problems.append(f"page '{page.name}': '{node.name}' reported as showing")

    for name, controls in sorted(names.items()):
        if not name or not name.strip():
            problems.append(f"{len(controls)} control(s) without a name: "
                            + ", ".join(role for role, _ in sorted(controls)))
        elif len(controls) > 1:
            problems.append(f"{len(controls)} controls named '{name}'")
    missing = OUT_OF_SIGHT - hidden_seen
    if missing:
        problems.append("not found among the hidden controls: " + ", ".join(sorted(missing)))
    if len(names) < 100:
        problems.append(f"only {len(names)} named controls reached; the tree looks incomplete")
    return problems


# Controls that lie out of sight; they exist for the code but must never be
# reported as showing.
OUT_OF_SIGHT = {"Idle keystroke left Ctrl", "Keystroke 6 right GUI", "Keep Alive Rate (0-255)"}


def main():
    problems = run_check("atspi_names.py", DEADLINE_SECONDS,
                         lambda window, display, pid: check_window(window))
    if problems:
        fail("\n  " + "\n  ".join(problems))
    print("every reachable control has a name of its own; nothing out of sight is showing")


if __name__ == "__main__":
    main()
