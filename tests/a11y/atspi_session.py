"""What the AT-SPI checks share: a session of their own, an X server, the
utility started on it, and walking its tree as a screen reader sees it.

A check runs itself again inside a D-Bus session of its own
(dbus-run-session) with a runtime folder of its own (XDG_RUNTIME_DIR): the
accessibility bus and its socket then belong to that run alone, whatever
other sessions on the machine do with theirs.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import WAIT_SECONDS, fail, start_x_server, stop  # noqa: E402,F401

INSIDE = "OSTRAVAL_A11Y_SESSION"


def run_in_own_session():
    """Unless already inside, runs this script again in a D-Bus session with
    a runtime folder of its own and exits with its status. The session gets
    no X display from outside: the bus launcher would otherwise announce the
    session's accessibility bus on that display."""
    if os.environ.get(INSIDE):
        return
    dbus_run_session = os.environ.get("DBUS_RUN_SESSION", "dbus-run-session")
    with tempfile.TemporaryDirectory(prefix="ostraval-a11y-",
                                     ignore_cleanup_errors=True) as runtime:
        os.chmod(runtime, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                            "AT_SPI_BUS_ADDRESS")}
        env.update({INSIDE: "1", "XDG_RUNTIME_DIR": runtime})
        status = subprocess.run([dbus_run_session, "--", sys.executable] + sys.argv,
                                env=env).returncode
    sys.exit(status)


def pump_events():
    """Lets the AT-SPI client take in what the registry and the utility sent."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, seconds=WAIT_SECONDS):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump_events()
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def start_utility(path, display, state_folder, sensor=None):
    """The utility on the X server, on a simulated sensor of its own;
    `sensor` holds further settings of the simulated sensor."""
    env = dict(os.environ,
               DISPLAY=display,
               QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               KV3RAPI_SIM_STATE=os.path.join(state_folder, "sensor.bin"),
               KV3RAPI_SIM_RANGE="30")
    env.update(sensor or {})
    return subprocess.Popen([path], env=env)


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def find_window(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clearCache()  # applications that registered since the last look
    for app in children(desktop):
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for window in children(app):
            if showing(window):
                return window
    return None


def find_role(node, role):
    if node.getRole() == role:
        return node
    for child in children(node):
        found = find_role(child, role)
        if found is not None:
            return found
    return None


def spoken_name(node):
    """The name a screen reader announces: a list is named by the label
    related to it (its own name is the value it shows)."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
    return node.name


def run_check(script, deadline_seconds, check):
    """The whole run of one check: in a session of its own, on an X server
    of its own, the utility named on the command line started on a sensor of
    its own; `check(window, display, pid)` runs on its window, within
    `deadline_seconds` in all. Returns what the check returned."""
    if len(sys.argv) != 2:
        sys.exit("usage: %s PATH-TO-UTILITY" % script)
    run_in_own_session()
    signal.signal(signal.SIGALRM, lambda *_: fail("the whole check took too long"))
    signal.alarm(deadline_seconds)

    server, display = start_x_server()
    state = tempfile.TemporaryDirectory()
    utility = start_utility(sys.argv[1], display, state.name)
    try:
        window = wait_for("the utility's window", lambda: find_window(utility.pid))
        return check(window, display, utility.pid)
    finally:
        stop(utility)
        stop(server)
        state.cleanup()
