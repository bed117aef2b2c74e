#!/usr/bin/env python3
"""What Orca, the screen reader, says about the running utility.

Orca runs without a speech server; what it would speak is read from its
debug output ("SPEECH OUTPUT: ..."). Keys are typed one at a time, and after
each the check waits until Orca has said what is expected and has then
fallen quiet (no debug output for a moment), so a loaded machine only makes
the run slower. Checked:

- tabbing through the first page speaks every value whole ("36", "5",
  "Ok 0"), and each number box's accepted range;
- a preset is told: the keys it set, that the window now differs from the
  sensor, with at most 30 events (not a hundred) and "Config Changed"
  changing once;
- on the way to Apply the window's state and the sensor's connection are
  heard, and after Apply that the changes were written;
- a start with the sensor unplugged: the error box is read, and Apply then
  tells that nothing could be written.

    /usr/bin/python3 orca_speech.py build/app/ostraval-config
"""

import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

sys.dont_write_bytecode = True  # nothing written into the source tree
from atspi_session import fail, run_in_own_session, start_utility, start_x_server, stop

DEADLINE_SECONDS = 400  # the whole run; CTest's own timeout lies above it
SAY_SECONDS = 60        # for Orca to say what a key should bring
QUIET_SECONDS = 1.0     # no debug output for this long: Orca has fallen quiet
MOST_EVENTS_FOR_A_PRESET = 30
# Set to record what Orca says at each step without judging it (to compare
# versions): each step then ends when Orca falls quiet.
RECORD_ONLY = bool(os.environ.get("ORCA_SPEECH_RECORD_ONLY"))

# "SPEECH OUTPUT: 'text'" and the voice it is spoken in, "{...}".
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?\{.*\}$")
UTILITY_EVENT = re.compile(r"EVENT MANAGER: (\S+) for (.*) in \[application \| Ostraval")


class Orca:
    """Orca on the X server, its debug output read line by line.

    The debug file is a pseudo-terminal: Python writes to a terminal line by
    line, so every line arrives as Orca writes it (a plain file would hold
    it back in a buffer)."""

    def __init__(self, display, prefs):
        master, slave = os.openpty()
        tty.setraw(slave)
        self.lines = []
        self.lock = threading.Lock()
        self.last_line_at = time.monotonic()
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            # No speech server: Orca only logs what it would say.
            json.dump({"general": {}, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": {"profile": ["Default", "default"],
                                                "speechServerFactory": "none",
                                                "speechFactoryModules": []}}}, f)
        env = dict(os.environ, DISPLAY=display, HOME=prefs, LC_ALL="C.UTF-8", LANGUAGE="")
        self.process = subprocess.Popen(
            ["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(slave)], env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The terminal stays open here too: reading it fails while no one
        # holds it open, which would end the reading before Orca opens it.
        self.terminal = slave
        threading.Thread(target=self._read, args=(master,), daemon=True).start()

    def _read(self, master):
        pending = b""
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self.lock:
                self.lines.extend(line.decode("utf-8", "replace") for line in complete)
                self.last_line_at = time.monotonic()

    def mark(self):
        with self.lock:
            return len(self.lines)

    def since(self, mark):
        with self.lock:
            return self.lines[mark:]

    def speech(self, mark):
        return [m.group(1) for m in map(SPEECH.search, self.since(mark)) if m]

    def spoken_at(self, mark, text):
        """When Orca said `text` since `mark`, by its own clock (seconds)."""
        for line in self.since(mark):
            m = SPEECH.search(line)
            if m and text in m.group(1):
                h, mi, sec = line.split(" - ", 1)[0].split(":")
                return int(h) * 3600 + int(mi) * 60 + float(sec)
        return None

    def events(self, mark):
        return [(m.group(1), m.group(2)) for m in map(UTILITY_EVENT.search, self.since(mark)) if m]

    def wait_to_say(self, mark, what):
        """Waits until Orca has said every text in `what` since `mark`, then
        until it falls quiet; returns all it said since `mark`."""
        end = time.monotonic() + SAY_SECONDS
        while time.monotonic() < end:
            said = " | ".join(self.speech(mark))
            if all(text in said for text in what) or (RECORD_ONLY and said):
                self.wait_quiet()
                return self.speech(mark)
            time.sleep(0.05)
        fail(f"Orca never said {what}; it said {self.speech(mark)}")

    def wait_quiet(self):
        end = time.monotonic() + SAY_SECONDS
        while time.monotonic() < end:
            with self.lock:
                if time.monotonic() - self.last_line_at >= QUIET_SECONDS:
                    return
            time.sleep(0.05)
        fail("Orca never fell quiet")

    def stop(self):
        stop(self.process)
        os.close(self.terminal)


class Desk:
    """An X server with Orca on it, and keys typed there."""

    def __init__(self):
        self.server, self.display = start_x_server()
        self.prefs = tempfile.TemporaryDirectory()
        self.orca = Orca(self.display, self.prefs.name)
        self.env = dict(os.environ, DISPLAY=self.display)

    def start(self):
        """Orca runs once per user: one already running refuses a second."""
        end = time.monotonic() + SAY_SECONDS
        while "Screen reader on." not in joined(self.orca.speech(0)):
            if self.orca.process.poll() is not None:
                fail("Orca did not start (is another Orca running for this user?)")
            if time.monotonic() > end:
                fail("Orca never said 'Screen reader on.'")
            time.sleep(0.05)
        self.orca.wait_quiet()

    def focus_window(self, pid, title):
        """No window manager: the window takes the keyboard focus itself."""
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                str(pid), "--name", title], env=self.env, capture_output=True,
                               text=True, timeout=60).stdout.split()
        if not found:
            fail(f"no window '{title}' on the X server")
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], env=self.env,
                       check=True, timeout=60)

    def press(self, key, what):
        """Types `key` and waits for Orca to say `what`; returns the speech."""
        mark = self.orca.mark()
        subprocess.run(["xdotool", "key", key], env=self.env, check=True, timeout=60)
        said = self.orca.wait_to_say(mark, what)
        print(f"[{key}] " + " | ".join(said), flush=True)
        return mark, said

    def close(self):
        self.orca.stop()
        stop(self.server)
        self.prefs.cleanup()


def joined(said):
    return " | ".join(said)


def judge(message):
    print(("NOTED: " if RECORD_ONLY else "FAIL: ") + message)
    if not RECORD_ONLY:
        sys.exit(1)


def expect(said, text, step):
    if text not in joined(said):
        judge(f"{step}: Orca did not say '{text}'; it said {said}")


# The first page in tab order: what Orca says of each control, whole.
FIRST_PAGE = [
    ("Detection range (24-42 inches) text", ["36 selected", "14 to 60"]),
    ("Read Now push button", []),
    ("Last range detected text", ["30 selected"]),
    ("Out-of-Range Red check box", []),
    ("Transition Yellow check box", []),
    ("In-Range Green check box", []),
    ("Windows 2000", []),
    ("Reset to Factory Defaults push button", []),
    ("Walk-Up Delay before sending keystrokes text", ["2 selected", "0 to 255"]),
    ("Walk-Away Delay before sending keystrokes text", ["5 selected", "0 to 255"]),
    ("Advanced push button", []),
    ("Disable keystrokes check box", []),
    ("Status text", ["Ok 0 selected"]),
    ("OK push button", ["The window matches the sensor. The sensor is connected."]),
    ("Cancel push button", ["The window matches the sensor. The sensor is connected."]),
    ("Apply push button", ["The window matches the sensor. The sensor is connected."]),
]


def tab_through_first_page(desk):
    for name, values in FIRST_PAGE:
        desk.press("Tab", [name] + values)


def choose_preset(desk):
    """Space on "Windows 2000", which has the focus."""
    mark, said = desk.press("space", ["Windows 2000 is chosen.",
                                      "Walk-away keystrokes: Ctrl+Alt+DELETE, k, BCKSPC, ESC",
                                      "Walk-up keystrokes: Ctrl+Alt+DELETE.",
                                      "The window differs from the sensor."])
    events = desk.orca.events(mark)
    if len(events) > MOST_EVENTS_FOR_A_PRESET:
        judge(f"the preset sent Orca {len(events)} events: {events}")
    flips = [e for e in events if "Config Changed" in e[1]]
    if len(flips) > 1:
        judge(f"'Config Changed' changed {len(flips)} times in one preset")
    key = desk.orca.spoken_at(mark, "space")
    first = desk.orca.spoken_at(mark, "selected")
    told = desk.orca.spoken_at(mark, "is chosen.")
    answer = f"told {told - key:.2f} s after the key" if told and key else "not told"
    print(f"the preset sent Orca {len(events)} events; it said 'selected' {first - key:.2f} s "
          f"after the key and was {answer}", flush=True)


def apply_changes(desk, pid):
    for _ in range(len(FIRST_PAGE)):
        _, said = desk.press("Tab", [" "])
        if "Apply push button" in joined(said):
            break
    expect(said, "The window differs from the sensor. The sensor is connected.", "Apply")
    desk.press("space", ["The changes are about to be written to the device."])
    mark, _ = desk.press("y", ["y"])
    # Without a window manager nothing gives the window back its activation
    # when the box closes; a desktop's does, as this does.
    desk.focus_window(pid, "Ostraval")
    said = desk.orca.wait_to_say(mark, ["The changes were written to the sensor."])
    print("[after the box] " + joined(said), flush=True)


def run_plugged(desk, path, state):
    utility = start_utility(path, desk.display, state)
    try:
        mark = desk.orca.mark()
        desk.focus_window(utility.pid, "Ostraval")
        desk.orca.wait_to_say(mark, ["Initial Setup page tab list"])
        tab_through_first_page(desk)
        desk.press("Tab", ["Initial Setup page tab list"])
        for _ in range(len(FIRST_PAGE)):
            _, said = desk.press("Tab", [" "])
            if "Windows 2000" in joined(said):
                break
        choose_preset(desk)
        apply_changes(desk, utility.pid)
    finally:
        stop(utility)


def run_unplugged(desk, path, state):
    mark = desk.orca.mark()
    utility = start_utility(path, desk.display, state, {"KV3RAPI_SIM_UNPLUGGED": "1"})
    try:
        desk.focus_window(utility.pid, "Zelvora USB Device Error")
        said = desk.orca.wait_to_say(mark, ["An error >USB Connect 3 < was encountered."])
        print("[start] " + joined(said), flush=True)
        mark, _ = desk.press("Return", ["return"])
        desk.focus_window(utility.pid, "Ostraval")
        said = desk.orca.wait_to_say(mark, ["Initial Setup page tab list"])
        print("[the window] " + joined(said), flush=True)
        _, said = desk.press("shift+Tab", ["Apply push button"])
        expect(said, "The sensor is not connected.", "Apply, unplugged")
        desk.press("space", ["Nothing was written: the sensor is not connected."])
    finally:
        stop(utility)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: orca_speech.py PATH-TO-UTILITY")
    run_in_own_session()
    signal.signal(signal.SIGALRM, lambda *_: fail("the whole check took too long"))
    signal.alarm(DEADLINE_SECONDS)
    desk = Desk()
    try:
        desk.start()
        with tempfile.TemporaryDirectory() as state:
            run_plugged(desk, sys.argv[1], state)
        with tempfile.TemporaryDirectory() as state:
            run_unplugged(desk, sys.argv[1], state)
    finally:
        desk.close()
    if not RECORD_ONLY:
        print("Orca speaks every value whole, the preset, the state before Apply and its outcome")


if __name__ == "__main__":
    main()
