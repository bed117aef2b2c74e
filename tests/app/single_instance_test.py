"""One window per user and session, with real processes on an X server.

Session A: the window opens. A program of session B on the same sensor is
refused by the sensor (error 7 at connect) and shows its error box over the
window. A second start in session A opens no window, leaves the sensor
alone, exits 0 at once and brings session A's window above that box.
Usage: single_instance_test.py OSTRAVAL_CONFIG DBUS_RUN_SESSION
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import WAIT_SECONDS, fail, start_x_server, stop  # noqa: E402

WINDOW_TITLE = "^Ostraval Configuration Utility$"
BOX_TITLE = "^Zelvora USB Device Error$"
APP_ID = "com.zelvora.OstravalConfig"


def wait_for(what, probe):
    end = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def windows(env, title):
    """The X windows with this title, bottom to top."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           env=env, capture_output=True, text=True).stdout.split()
    return found


def stacking(env):
    """All visible top-level windows, bottom to top."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--maxdepth", "1",
                           "--name", ""], env=env, capture_output=True, text=True).stdout.split()


def read(path):
    try:
        with open(path, encoding="utf-8") as log:
            return log.read()
    except FileNotFoundError:
        return ""


def main():
    program, dbus_run_session = sys.argv[1], sys.argv[2]
    server, display = start_x_server()
    started = []
    try:
        with tempfile.TemporaryDirectory(prefix="ostraval-single-") as work:
            base = {k: v for k, v in os.environ.items()
                    if k not in ("DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY")}
            base.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", KV3RAPI_SIM_RANGE="30",
                        KV3RAPI_SIM_STATE=os.path.join(work, "sensor.bin"))

            def start(session, name, *extra):
                env = dict(base, KV3RAPI_SIM_LOG=os.path.join(work, name + ".log"))
                return subprocess.Popen([dbus_run_session, "--", "sh", "-c",
                                         'echo "$DBUS_SESSION_BUS_ADDRESS" > "$0"; '
                                         'exec "$@"', os.path.join(work, session + ".bus"),
                                         *extra, program], env=env,
                                        stderr=subprocess.DEVNULL, start_new_session=True)

            first = start("a", "first")
            started.append(first)
            window = wait_for("the first window", lambda: windows(base, WINDOW_TITLE))[0]
            bus_a = wait_for("session A's bus", lambda: read(os.path.join(work, "a.bus")).strip())

            other = start("b", "other")
            started.append(other)
            box = wait_for("the other session's error box", lambda: windows(base, BOX_TITLE))[0]
            other_log = read(os.path.join(work, "other.log"))
            if "USBConnect status=" not in other_log or "err=7" not in other_log:
                fail("the other session was not refused with error 7:\n" + other_log)
            order = stacking(base)
            if order.index(box) < order.index(window):
                fail("the error box of session B does not cover the window")

            second = subprocess.run([program], env=dict(
                base, DBUS_SESSION_BUS_ADDRESS=bus_a,
                KV3RAPI_SIM_LOG=os.path.join(work, "second.log")),
                timeout=WAIT_SECONDS, capture_output=True, text=True)
            if second.returncode != 0:
                fail("the second start gave %d: %s" % (second.returncode, second.stderr))
            if read(os.path.join(work, "second.log")):
                fail("the second start used the sensor:\n" + read(os.path.join(work, "second.log")))
            if len(windows(base, WINDOW_TITLE)) != 1:
                fail("the second start opened a window of its own")
            if first.poll() is not None:
                fail("the first window closed")
            wait_for("the window above the error box",
                     lambda: stacking(base).index(window) > stacking(base).index(box))
            print("the second start raised the running window and left with 0")
    finally:
        for process in started:
            # The session's bus and its program go with their launcher.
            os.killpg(process.pid, signal.SIGTERM)
            process.wait()
        stop(server)


main()
