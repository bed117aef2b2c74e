#!/usr/bin/env python3
"""The running utility in use through AT-SPI, as a screen reader uses it.

- Every text query a screen reader makes (the text at, before and after an
  offset for every boundary, and the string at an offset for every
  granularity) at every offset of every text box and key list answers, each
  within a bound that tells an answer from a hang, and the whole sweep
  within its own bound.
- A key list's value (its name, which on Linux is the key it shows, and its
  text) is the key it shows, before and after a key is found by typing a
  letter on the closed list, chosen with the arrow keys, and set by a
  preset; each change reaches an AT-SPI listener as events; the letter
  selects the right key, and "Config Changed" gets checked.

It runs in a D-Bus session and a runtime folder of its own, starts its own
X server (Xvfb) and types with xdotool:
    /usr/bin/python3 atspi_in_use.py build/app/ostraval-config
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

sys.dont_write_bytecode = True  # nothing written into the source tree
from atspi_session import (children, fail, pump_events, run_check, spoken_name, states,
                           wait_for)

DEADLINE_SECONDS = 150  # the whole run; CTest's own timeout lies above it
ANSWER_SECONDS = 1.0    # one query: far above any answer, far below a hang
SWEEP_SECONDS = 60      # every query of every box

BOUNDARIES = [
    pyatspi.TEXT_BOUNDARY_CHAR,
    pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_WORD_END,
    pyatspi.TEXT_BOUNDARY_SENTENCE_START, pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_LINE_END,
]
GRANULARITIES = [
    Atspi.TextGranularity.CHAR, Atspi.TextGranularity.WORD, Atspi.TextGranularity.SENTENCE,
    Atspi.TextGranularity.LINE, Atspi.TextGranularity.PARAGRAPH,
]

FIRST_KEY_LIST = "Walk-away keystroke 1 key"


def text_nodes(node, found):
    """Every text box and key list below `node` (a list's pop-up rows are
    not text boxes)."""
    if "Text" in pyatspi.listInterfaces(node):
        found.append(node)
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return found
    for child in children(node):
        text_nodes(child, found)
    return found


def text_queries(node):
    """Every query of the sweep on one box, as (description, call)."""
    text = node.queryText()
    length = text.characterCount
    for offset in range(-1, length + 2):
        for boundary in BOUNDARIES:
            for query in (text.getTextAtOffset, text.getTextBeforeOffset,
                          text.getTextAfterOffset):
                yield (f"{query.__name__}({offset}, {boundary})",
                       lambda q=query, o=offset, b=boundary: q(o, b))
        for granularity in GRANULARITIES:
            yield (f"getStringAtOffset({offset}, {granularity.value_nick})",
                   lambda o=offset, g=granularity: Atspi.Text.get_string_at_offset(node, o, g))


def sweep_text_queries(window):
    """Asks every query of every box; stops at the first that does not
    answer in time, as the utility then no longer answers anything."""
    # A query that the toolkit does not offer comes back at once as an
    # error; one that hangs comes back as an error after this timeout.
    Atspi.set_timeout(int(ANSWER_SECONDS * 1000) * 2, int(ANSWER_SECONDS * 1000) * 2)
    boxes = text_nodes(window, [])
    if len(boxes) < 40:
        fail(f"only {len(boxes)} text boxes and key lists found; the tree looks incomplete")
    sweep_end = time.monotonic() + SWEEP_SECONDS
    count = 0
    for box in boxes:
        name = spoken_name(box)  # asked while the utility still answers
        for description, query in text_queries(box):
            start = time.monotonic()
            try:
                query()
            except Exception:
                pass
            count += 1
            if time.monotonic() - start > ANSWER_SECONDS:
                fail(f"'{name}': {description} took longer than {ANSWER_SECONDS} s")
            if time.monotonic() > sweep_end:
                fail(f"the sweep took longer than {SWEEP_SECONDS} s ({count} queries asked)")
    print(f"{count} text queries in {len(boxes)} text boxes and key lists answered")


def find_all(node, test, found):
    if test(node):
        found.append(node)
    if node.getRole() != pyatspi.ROLE_COMBO_BOX:
        for child in children(node):
            find_all(child, test, found)
    return found


def find_one(window, role, name):
    found = find_all(window, lambda n: n.getRole() == role and spoken_name(n) == name, [])
    if len(found) != 1:
        fail(f"expected one {role.value_nick} '{name}', found {len(found)}")
    return found[0]


def value_of(key_list):
    """The key list's value as a screen reader reads it: its name (on Linux
    the key shown) and its text."""
    key_list.clearCache()
    text = key_list.queryText()
    return key_list.name, text.getText(0, text.characterCount)


def pause(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump_events()
        time.sleep(0.02)


def focused(node):
    node.clearCache()
    return states(node).contains(pyatspi.STATE_FOCUSED)


class Keyboard:
    """Keys typed into the utility's window, as a user types them."""

    def __init__(self, display, pid):
        self.env = dict(os.environ, DISPLAY=display)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(pid), "--name", "Ostraval"], env=self.env,
                                capture_output=True, text=True, timeout=30).stdout.split()
        if not window:
            fail("the utility's window was not found on the X server")
        # No window manager: the window takes the keyboard focus itself.
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], env=self.env,
                       check=True, timeout=30)

    def press(self, key):
        subprocess.run(["xdotool", "key", key], env=self.env, check=True, timeout=30)


class Listener:
    """The events an AT-SPI client receives from one control."""

    TYPES = ("object:text-changed", "object:property-change:accessible-name",
             "object:property-change:accessible-value", "object:selection-changed")

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.on_event, *self.TYPES)

    def on_event(self, event):
        self.events.append((event.type, event.source, str(event.any_data)))

    def take(self, source):
        pump_events()
        taken = [(kind, data) for kind, origin, data in self.events if origin == source]
        self.events.clear()
        return taken


def expect_change(listener, key_list, shown, how):
    """The list shows `shown` as its value and its text, and told so."""
    wait_for(f"'{FIRST_KEY_LIST}' to show '{shown}' after {how}",
             lambda: value_of(key_list) == (shown, shown))
    events = listener.take(key_list)
    if ("object:text-changed:insert", shown) not in events:
        fail(f"after {how} no listener heard '{shown}' inserted into '{FIRST_KEY_LIST}'; "
             f"heard {events}")
    # Screen readers speak inserted text that is also selected: the key
    # shown is selected as a whole, the list's chosen value.
    text = key_list.queryText()
    if text.getNSelections() != 1 or tuple(text.getSelection(0)) != (0, len(shown)):
        fail(f"after {how} '{shown}' in '{FIRST_KEY_LIST}' is not selected as a whole")
    if not any(kind in ("object:selection-changed", "object:property-change:accessible-name",
                        "object:property-change:accessible-value") for kind, _ in events):
        fail(f"after {how} no value or selection change of '{FIRST_KEY_LIST}' was heard; "
             f"heard {events}")


def check_key_lists(window, keyboard):
    # The walk-away and walk-up keystrokes' lists (not the two out of sight).
    key_lists = find_all(window, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX and
                         spoken_name(n).startswith("Walk-"), [])
    if len(key_lists) != 10:
        fail(f"expected ten key lists of walk-away and walk-up keystrokes, "
             f"found {len(key_lists)}")
    for key_list in key_lists:
        if value_of(key_list) != ("NONE", "NONE"):
            fail(f"'{spoken_name(key_list)}' reads {value_of(key_list)} at factory settings")

    first = find_one(window, pyatspi.ROLE_COMBO_BOX, FIRST_KEY_LIST)
    config_changed = find_one(window, pyatspi.ROLE_CHECK_BOX, "Config Changed")
    listener = Listener()

    # From the tab row to the list, as a keyboard user goes.
    keyboard.press("ctrl+Tab")
    for _ in range(20):
        if focused(first):
            break
        keyboard.press("Tab")
        pause(0.2)
    if not focused(first):
        fail(f"Tab never reached '{FIRST_KEY_LIST}'")
    listener.take(first)

    keyboard.press("k")
    expect_change(listener, first, "k", "typing k on the closed list")
    config_changed.clearCache()
    wait_for("'Config Changed' to be checked",
             lambda: config_changed.clearCache() or
             states(config_changed).contains(pyatspi.STATE_CHECKED))

    keyboard.press("Down")
    expect_change(listener, first, "l", "the Down key")

    # Back to the first page, to the preset's option button, and Space.
    preset = find_one(window, pyatspi.ROLE_RADIO_BUTTON, "XP Welcome Screen")
    keyboard.press("ctrl+shift+Tab")
    actions = preset.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "SetFocus" not in names:
        fail(f"'XP Welcome Screen' cannot be given the focus; its actions are {names}")
    actions.doAction(names.index("SetFocus"))
    wait_for("'XP Welcome Screen' to take the focus", lambda: focused(preset))
    keyboard.press("space")
    expect_change(listener, first, "L", "the preset \"XP Welcome Screen\"")
    for key_list in key_lists:
        expected = "L" if key_list == first else "NONE"
        if value_of(key_list) != (expected, expected):
            fail(f"after the preset '{spoken_name(key_list)}' reads {value_of(key_list)}")
    print("key lists read their key before and after typing, the arrow keys and a preset; "
          "each change was heard")


def check(window, display, pid):
    sweep_text_queries(window)
    check_key_lists(window, Keyboard(display, pid))


def main():
    run_check("atspi_in_use.py", DEADLINE_SECONDS, check)


if __name__ == "__main__":
    main()
