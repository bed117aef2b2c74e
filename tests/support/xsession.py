"""What the checks that run the utility on an X server of their own share:
the server, stopping a process and failing a check."""

import os
import select
import subprocess
import sys
import time

WAIT_SECONDS = 20  # for the window to appear, or a page to be shown


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def start_x_server():
    """Starts Xvfb on a display number it picks itself (two servers started
    at once never race for one number); returns the process and DISPLAY."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    end = time.monotonic() + WAIT_SECONDS
    while not number.endswith(b"\n") and time.monotonic() < end:
        ready, _, _ = select.select([read_end], [], [], 0.5)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip():
        server.kill()
        fail("Xvfb did not start")
    return server, ":" + number.decode().strip()


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
