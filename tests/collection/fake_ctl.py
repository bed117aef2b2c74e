#!/usr/bin/python3
"""A stand-in for ostraval-ctl that answers what the test tells it to, for
the modules' handling of answers the real tool never gives.

OSTRAVAL_FAKE_VERSION: standard output for --version (by default the JSON
interface the modules read); OSTRAVAL_FAKE_ANSWER: standard output for any
other command, with status OSTRAVAL_FAKE_STATUS (default 0). Every run is
appended to OSTRAVAL_FAKE_LOG as one JSON line: its arguments and the locale
it ran in. A warning on standard error in English, which the modules must
not take for one of the answer's.
"""
import json
import os
import sys

VERSION = '{"program": "ostraval-ctl", "version": "1.1.1", "interface": 2}\n'


def main():
    arguments = sys.argv[1:]
    with open(os.environ["OSTRAVAL_FAKE_LOG"], "a") as log:
        log.write(json.dumps({"arguments": arguments, "LC_ALL": os.environ.get("LC_ALL"),
                              "LANGUAGE": os.environ.get("LANGUAGE")}) + "\n")
    if arguments[:1] == ["--version"]:
        sys.stdout.write(os.environ.get("OSTRAVAL_FAKE_VERSION", VERSION))
        return 0
    sys.stdin.read()
    sys.stderr.write("ostraval-ctl: warning: only on standard error\n")
    sys.stdout.write(os.environ.get("OSTRAVAL_FAKE_ANSWER", ""))
    return int(os.environ.get("OSTRAVAL_FAKE_STATUS", "0"))


if __name__ == "__main__":
    sys.exit(main())
