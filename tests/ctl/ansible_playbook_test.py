#!/usr/bin/env python3
"""Runs the example playbook against localhost on the simulated sensor.

Check mode reports a change and sends nothing; the first real run reports a
change, the second none; the state file then holds the profile.
Exits 77 (skipped) when ansible-playbook is not installed.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

TASK = "Apply the profile to the sensor"


def run_playbook(args, env, dest, check):
    command = ["ansible-playbook", "-i", "localhost,", "-c", "local", args.playbook,
               "-e", "sensor_hosts=localhost", "-e", "profile_dest=" + dest,
               "-e", "ostraval_ctl=" + args.ctl]
    if check:
        command.append("--check")
    result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=240)
    if result.returncode != 0:
        sys.exit("ansible-playbook failed:\n" + result.stdout + result.stderr)
    match = re.search(r"TASK \[" + re.escape(TASK) + r"\] \*+\n(\w+): \[localhost\]", result.stdout)
    if not match:
        sys.exit("no result for the task '" + TASK + "':\n" + result.stdout)
    return match.group(1)


def expect(what, actual, expected):
    if actual != expected:
        sys.exit("%s: %r, expected %r" % (what, actual, expected))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ctl", required=True)
    parser.add_argument("--playbook", required=True)
    args = parser.parse_args()
    if shutil.which("ansible-playbook") is None:
        print("ansible-playbook is not installed")
        return 77

    with tempfile.TemporaryDirectory() as work:
        state = os.path.join(work, "sensor.bin")
        dest = os.path.join(work, "desk", "profile.json")
        os.mkdir(os.path.dirname(dest))
        env = dict(os.environ, KV3RAPI_SIM_STATE=state, ANSIBLE_NOCOLOR="1",
                   ANSIBLE_LOCAL_TEMP=os.path.join(work, "tmp"),
                   ANSIBLE_REMOTE_TEMP=os.path.join(work, "tmp"))
        for name in ("KV3RAPI_SIM_FAIL", "KV3RAPI_SIM_UNPLUGGED"):
            env.pop(name, None)

        expect("check mode", run_playbook(args, env, dest, check=True), "changed")
        expect("state file after check mode", os.path.exists(state), False)
        expect("first run", run_playbook(args, env, dest, check=False), "changed")
        expect("second run", run_playbook(args, env, dest, check=False), "ok")

        profile = os.path.join(os.path.dirname(args.playbook), "profile.json")
        diff = subprocess.run([args.ctl, "diff", profile], env=env, capture_output=True, text=True, timeout=60)
        expect("diff against the profile (%s%s)" % (diff.stdout, diff.stderr), diff.returncode, 0)
        expect("state file size", os.path.getsize(state), 96)
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
