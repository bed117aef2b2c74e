#!/usr/bin/env python3
"""The Ansible collection zelvora.ostraval, built and installed from its tarball.

--part playbooks: the example playbook and the modules (presets included), run by
ansible-playbook on localhost against several simulated desks at once, each
with its own state file and call log given through `environment:` from its
host variables.
--part checks: ansible-doc on both modules, ansible-lint --offline on the
example, and the collection's sanity tests that run offline.

Exits 77 (skipped) when Ansible is not installed.
"""
import argparse
import difflib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Ansible runs modules with the system's Python, as on a Debian desk.
PYTHON = "/usr/bin/python3"

# Library calls that change the sensor; check mode must make none.
SENDING_CALLS = ("SetSonarParms", "SetIdleParms", "SetWalkAwayParms", "SetWalkUpParms", "WriteCfg",
                 "ResetFactoryDflts")


class Failed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failed(message)


def expect(what, actual, expected):
    check(actual == expected, "%s:\n  got      %r\n  expected %r" % (what, actual, expected))


def run(command, env, stdin=None, cwd=None):
    return subprocess.run(command, env=env, input=stdin, cwd=cwd, capture_output=True, text=True, timeout=600)


def sensor_env(base, env):
    """The environment with only this desk's simulated sensor settings."""
    clean = dict((name, value) for name, value in base.items() if not name.startswith("KV3RAPI_SIM_"))
    clean.update(env)
    return clean


class Collection:
    """The collection built with ansible-galaxy and installed into `work`."""

    def __init__(self, source, work):
        self.source = source
        self.root = os.path.join(work, "collections")
        tarball = subprocess.run(["bash", os.path.join(source, "scripts", "build-collection.sh"),
                                  os.path.join(work, "dist")], capture_output=True, text=True, check=False)
        check(tarball.returncode == 0, "build-collection.sh failed:\n" + tarball.stdout + tarball.stderr)
        self.tarball = tarball.stdout.strip()
        expect("tarball name", os.path.basename(self.tarball), "zelvora-ostraval-1.1.1.tar.gz")
        installed = subprocess.run(["ansible-galaxy", "collection", "install", self.tarball, "-p", self.root],
                                   capture_output=True, text=True, check=False)
        check(installed.returncode == 0, "ansible-galaxy collection install failed:\n" + installed.stdout +
              installed.stderr)
        self.path = os.path.join(self.root, "ansible_collections", "zelvora", "ostraval")
        check(os.path.isfile(os.path.join(self.path, "plugins", "modules", "sensor_profile.py")),
              "the installed collection has no sensor_profile module")

    def env(self, work):
        env = dict(os.environ, ANSIBLE_NOCOLOR="1", ANSIBLE_FORCE_COLOR="0",
                   ANSIBLE_HOME=os.path.join(work, "home"),
                   ANSIBLE_LOCAL_TEMP=os.path.join(work, "tmp"), ANSIBLE_REMOTE_TEMP=os.path.join(work, "tmp"),
                   ANSIBLE_COLLECTIONS_SCAN_SYS_PATH="false",
                   # ansible-compat 3.0.1 (ansible-lint 6.13) takes the parent of this
                   # path as the collections root for its own module lookup, so the
                   # path names the ansible_collections folder itself; Ansible takes
                   # both forms.
                   ANSIBLE_COLLECTIONS_PATH=os.path.join(self.root, "ansible_collections"),
                   XDG_CACHE_HOME=os.path.join(work, "cache"))
        env.pop("ANSIBLE_CONFIG", None)
        return env


# --- Playbooks ------------------------------------------------------------------

class Desk:
    def __init__(self, fleet, name, setup, env, groups, host_vars):
        self.name = name
        self.host_vars = host_vars
        self.state = os.path.join(fleet.work, name + ".bin")
        self.log = os.path.join(fleet.work, name + ".log")
        self.env = dict(env, KV3RAPI_SIM_STATE=self.state, KV3RAPI_SIM_LOG=self.log, KV3RAPI_SIM_RANGE="30")
        self.groups = groups
        self.fleet = fleet
        # Each step is the tool's arguments, or a function given the desk.
        for step in setup:
            if callable(step):
                step(self)
            else:
                self.tool(step, check_status=True)
        self.clear_log()

    def tool(self, arguments, stdin=None, check_status=False, fails=False):
        """Runs the tool on this desk's sensor, with its failure settings when `fails`."""
        own = self.env if fails else dict((k, v) for k, v in self.env.items()
                                          if k not in ("KV3RAPI_SIM_FAIL", "KV3RAPI_SIM_UNPLUGGED"))
        result = run([self.fleet.ctl] + arguments, sensor_env(self.fleet.env, own), stdin=stdin)
        if check_status:
            expect("%s: ostraval-ctl %s (%s)" % (self.name, " ".join(arguments), result.stderr.strip()),
                   result.returncode, 0)
        return result

    def store_walk_away_key_count(self, count):
        """Stores a key count that does not agree with the keys, as an old sensor may hold one."""
        with open(self.state, "r+b") as state:
            state.seek(32)  # the walk-away record's first word is its key count
            state.write(count.to_bytes(2, "little", signed=True))

    def stored(self):
        if not os.path.exists(self.state):
            return None
        with open(self.state, "rb") as state:
            return state.read()

    def clear_log(self):
        open(self.log, "w").close()

    def sent_calls(self):
        with open(self.log) as log:
            return [line.split()[0] for line in log if line.startswith(SENDING_CALLS)]

    def export(self):
        return json.loads(self.tool(["export"], check_status=True).stdout)

    def tool_error(self, arguments, stdin=None):
        """The error the tool itself answers for this desk, failure settings included."""
        result = self.tool(arguments + ["--json"], stdin=stdin, fails=True)
        return json.loads(result.stdout)["error"]


class Fleet:
    """Simulated desks on localhost, all reached with ansible_connection=local."""

    def __init__(self, ctl, collection, work):
        self.ctl = ctl
        self.collection = collection
        self.work = work
        self.env = collection.env(work)
        self.desks = {}

    def add(self, name, setup=(), env=None, groups=("sensors",), host_vars=None):
        self.desks[name] = Desk(self, name, setup, env or {}, groups, host_vars or {})
        return self.desks[name]

    def write_inventory(self):
        groups = {}
        for desk in self.desks.values():
            host = {"ansible_connection": "local", "ansible_python_interpreter": PYTHON,
                    "ostraval_ctl": self.ctl, "ostraval_environment": desk.env}
            host.update(desk.host_vars)
            for group in desk.groups:
                groups.setdefault(group, {"hosts": {}})["hosts"][desk.name] = host
        path = os.path.join(self.work, "inventory.yml")
        with open(path, "w") as inventory:
            json.dump({"all": {"children": groups}}, inventory, indent=2)
        return path

    def play(self, playbook, *options):
        """Runs a playbook; its screen output, every task result, and the recap."""
        results = os.path.join(self.work, "results.jsonl")
        if os.path.exists(results):
            os.remove(results)
        env = dict(self.env, ANSIBLE_CALLBACK_PLUGINS=os.path.join(HERE, "callback_plugins"),
                   ANSIBLE_CALLBACKS_ENABLED="result_log", ANSIBLE_STDOUT_CALLBACK="default",
                   ANSIBLE_FORKS="8", OSTRAVAL_RESULT_LOG=results)
        for desk in self.desks.values():
            desk.clear_log()
        result = run(["ansible-playbook", "-i", self.write_inventory(), playbook] + list(options), env,
                     cwd=self.work)
        check(os.path.exists(results), "ansible-playbook ran no task:\n" + result.stdout + result.stderr)
        with open(results) as lines:
            entries = [json.loads(line) for line in lines]
        return PlayRun(" ".join([os.path.basename(playbook)] + list(options)), result, entries)


class PlayRun:
    def __init__(self, title, result, entries):
        self.title = title
        self.output = result.stdout + result.stderr
        self.entries = entries

    def fail(self, message):
        raise Failed("%s: %s\n--- output of ansible-playbook ---\n%s" % (self.title, message, self.output))

    def result(self, host, task):
        found = [e for e in self.entries if e["host"] == host and e["task"] == task]
        if len(found) != 1:
            self.fail("%d results for %s in task '%s'" % (len(found), host, task))
        return found[0]

    def recap(self):
        """{host: {"ok": n, "changed": n, "failed": n, ...}} from PLAY RECAP."""
        tail = self.output.split("PLAY RECAP")[-1]
        return dict((host, dict((k, int(v)) for k, v in re.findall(r"(\w+)=(\d+)", counts)))
                    for host, counts in re.findall(r"^(\S+)\s+:\s+(.*)$", tail, re.M))

    def shown_diffs(self):
        """{host: ["-line", "+line", ...]}: the changed lines that --diff printed
        before each host's result line."""
        shown, pending = {}, []
        for line in self.output.splitlines():
            status = re.match(r"^(ok|changed|fatal|failed|skipping): \[([^\]]+)\]", line)
            if status:
                shown[status.group(2)] = pending
                pending = []
            elif line.startswith("TASK ["):
                pending = []
            elif line.startswith(("-", "+")) and not line.startswith(("---", "+++")):
                pending.append(line)
        return shown

    def check(self, condition, message):
        if not condition:
            self.fail(message)

    def expect(self, what, actual, expected):
        self.check(actual == expected, "%s:\n  got      %r\n  expected %r" % (what, actual, expected))


def changed_lines(diff):
    """The -/+ lines between a result's before and after texts, sorted."""
    lines = difflib.unified_diff(diff["before"].splitlines(), diff["after"].splitlines(), lineterm="", n=0)
    return sorted(line for line in lines if line.startswith(("-", "+")) and not line.startswith(("---", "+++")))


def changes_by_path(changes):
    return dict((change["path"], (change["before"], change["after"])) for change in changes)


EXAMPLE_TASK = "Apply the profile to the sensor"
FRESH_CHANGES = ["walk_away_delay: 5 -> 10", "walk_away.keys[0]: none -> left-gui+l", "walk_up.keys[0]: none -> SPACE5"]

# The example's desks: how each is set up, its sensor's failure settings, the
# fields of its own profile that differ from the example's, the lines --diff
# shows ("path: before -> after"), and what the task does in check mode and in
# a real run.
EXAMPLE_DESKS = [
    # name, set-up, environment, own profile, changes shown, check mode, real run
    ("desk-fresh", [], {}, None, FRESH_CHANGES, "changed", "changed"),
    # Differs in one field; its detection range, which the profile leaves out, stays.
    ("desk-near", [["set", "detection_range=40", "walk_away_delay=10", "walk_away.keys[0]=left-gui+l (15)"]], {},
     None, ["walk_up.keys[0]: none -> SPACE5"], "changed", "changed"),
    ("desk-same", [["import", "PROFILE"]], {}, None, [], "ok", "ok"),
    # A profile of its own, named in its host variables.
    ("desk-reception", [["import", "PROFILE"]], {}, {"walk_away_delay": 20, "leds": {"transition": False}},
     ["walk_away_delay: 10 -> 20", "leds.transition: true -> false"], "changed", "changed"),
    # Holds the profile but a walk-away key count of 2 for its one key.
    ("desk-miscounted", [["import", "PROFILE"], lambda desk: desk.store_walk_away_key_count(2)], {}, None,
     ["walk_away.key_count: 2 -> 1"], "changed", "changed"),
    ("desk-unplugged", [["set", "detection_range=50"]], {"KV3RAPI_SIM_UNPLUGGED": "1"}, None, None,
     "failed", "failed"),
    ("desk-commit-fails", [["set", "detection_range=50"]], {"KV3RAPI_SIM_FAIL": "WriteCfg"}, None, FRESH_CHANGES,
     "changed", "failed"),
]


def diff_lines(changes):
    """["path: 5 -> 10"] as --diff marks it: ["-path: 5", "+path: 10"], sorted."""
    lines = []
    for change in changes:
        path, values = change.split(": ", 1)
        before, after = values.split(" -> ")
        lines += ["-%s: %s" % (path, before), "+%s: %s" % (path, after)]
    return sorted(lines)


def own_profile(fleet, name, example_file, overrides):
    """The example profile with `overrides` laid over it, in a file of the desk's own."""
    with open(example_file) as text:
        profile = json.load(text)
    for key, value in overrides.items():
        profile[key] = dict(profile.get(key, {}), **value) if isinstance(value, dict) else value
    path = os.path.join(fleet.work, name + "-profile.json")
    with open(path, "w") as text:
        json.dump(profile, text)
    return path


def check_failure(play, desk, task, arguments, stdin=None):
    """The task failed with the tool's own message, exit status and failed call."""
    result = play.result(desk.name, task)["result"]
    error = desk.tool_error(arguments, stdin)
    play.expect("%s: message" % desk.name, result.get("msg"), error["message"])
    play.expect("%s: exit status" % desk.name, result.get("rc"), error["status"])
    play.expect("%s: failed call" % desk.name, (result.get("call"), result.get("errno")),
                (error.get("call"), error.get("errno")))
    play.check(re.search(r"sensor error \d", result["msg"]), "%s: the message names no error number" % desk.name)


def test_example(fleet, source):
    playbook = os.path.join(source, "examples", "ansible", "apply-profile.yml")
    example_file = os.path.join(os.path.dirname(playbook), "profile.json")
    desks = []
    for name, setup, env, overrides, changes, in_check, in_real in EXAMPLE_DESKS:
        setup = [step if callable(step) else [example_file if word == "PROFILE" else word for word in step]
                 for step in setup]
        profile_file = own_profile(fleet, name, example_file, overrides) if overrides else example_file
        host_vars = {"ostraval_profile_file": profile_file} if overrides else {}
        desk = fleet.add(name, setup, env, host_vars=host_vars)
        with open(profile_file) as text:
            desk.profile_file, desk.profile = profile_file, text.read()
        desks.append((desk, changes, in_check, in_real))
    stored = dict((desk.name, desk.stored()) for desk, _, _, _ in desks)
    # What the tool itself says differs, for the values of the changes.
    tool_changes = dict((desk.name, changes_by_path(json.loads(
        desk.tool(["diff", desk.profile_file, "--json"]).stdout).get("changes", [])))
        for desk, changes, _, _ in desks if changes is not None)

    checked = fleet.play(playbook, "--check", "--diff")
    shown = checked.shown_diffs()
    for desk, changes, in_check, _ in desks:
        entry = checked.result(desk.name, EXAMPLE_TASK)
        checked.expect("%s: status in check mode" % desk.name, entry["status"], in_check)
        checked.expect("%s: calls sent in check mode" % desk.name, desk.sent_calls(), [])
        checked.expect("%s: state file after check mode" % desk.name, desk.stored(), stored[desk.name])
        if in_check == "failed":
            check_failure(checked, desk, EXAMPLE_TASK, ["import", "-"], desk.profile)
            continue
        checked.expect("%s: changes in check mode" % desk.name, changes_by_path(entry["result"]["changes"]),
                       tool_changes[desk.name])
        checked.expect("%s: fields --diff shows" % desk.name, sorted(shown.get(desk.name, [])),
                       diff_lines(changes))

    applied = fleet.play(playbook, "--diff")
    shown = applied.shown_diffs()
    for desk, changes, in_check, in_real in desks:
        entry = applied.result(desk.name, EXAMPLE_TASK)
        applied.expect("%s: status" % desk.name, entry["status"], in_real)
        if in_real == "failed":
            applied.expect("%s: state file after a failed run" % desk.name, desk.stored(), stored[desk.name])
            check_failure(applied, desk, EXAMPLE_TASK, ["import", "-"], desk.profile)
            continue
        applied.expect("%s: changes as check mode reported them" % desk.name, entry["result"]["changes"],
                       checked.result(desk.name, EXAMPLE_TASK)["result"]["changes"])
        applied.expect("%s: fields --diff shows" % desk.name, sorted(shown.get(desk.name, [])),
                       diff_lines(changes))
        applied.expect("%s: returned profile" % desk.name, entry["result"]["profile"], desk.export())
        applied.expect("%s: the sensor holds its profile (ostraval-ctl diff)" % desk.name,
                       desk.tool(["diff", desk.profile_file]).returncode, 0)
        if in_real == "ok":
            applied.expect("%s: calls sent" % desk.name, desk.sent_calls(), [])
    applied.expect("desk-near: detection range, left out of the profile",
                   fleet.desks["desk-near"].export()["detection_range"], 40)

    again = fleet.play(playbook)
    for host, counts in again.recap().items():
        again.expect("%s: changed in the second run" % host, counts.get("changed"), 0)
    again.expect("hosts in the recap", sorted(again.recap()), sorted(desk.name for desk, _, _, _ in desks))


# The factory reset and the reading, on desks of their own and on one of the
# example's, in check mode and then for real.
READ = "Read the sensor"
RESET = "Return to the factory configuration"
RESET_AGAIN = "Return to the factory configuration again"
# A profile of the factory's walk-up delay, which every factory desk holds.
KEEP = "Keep the walk-up delay"

FACTORY_DESKS = [
    # name, set-up, environment, reset in check mode, reset for real, again for real
    ("desk-factory", [], {}, "ok", "ok", "ok"),
    # Also holds a walk-away key count of 2 without keys, which a reading warns of.
    ("desk-custom", [["set", "detection_range=50", "leds.in_range=off", "idle.key=right-alt+END (77)"],
                     lambda desk: desk.store_walk_away_key_count(2)], {},
     "changed", "changed", "ok"),
    ("desk-reset-fails", [["set", "detection_range=50"]], {"KV3RAPI_SIM_FAIL": "ResetFactoryDflts"},
     "changed", "failed", None),
    ("desk-no-sensor", [], {"KV3RAPI_SIM_UNPLUGGED": "1"}, None, None, None),
]

# Single tasks on one desk, each with what it must answer, the same in check
# mode and in a real run: bad input is refused before anything is sent, and
# the diff shows keystrokes of every kind.
CASES = [
    # name, module arguments, status, expected: msg (or a part of it), rc, problem paths, diff lines
    ("A value out of bounds is refused",
     {"profile": {"detection_range": 99}}, "failed",
     {"msg": "standard input: profile refused; nothing was sent", "rc": 2, "problems": ["detection_range"]}),
    ("A profile of another version is refused, not made this one",
     {"profile": {"version": 2, "detection_range": 30}}, "failed",
     {"rc": 2, "problems": ["version"]}),
    ("An unknown key name is refused",
     {"profile": {"idle": {"key": {"name": "NO-SUCH-KEY"}}}}, "failed",
     {"rc": 2, "problems": ["idle.key.name"]}),
    ("A profile or a preset is needed to be present",
     {"state": "present"}, "failed",
     {"msg~": "state is present but any of the following are missing: profile, preset"}),
    ("A tool path that is no program is named",
     {"profile": {"detection_range": 30}, "ctl": "/nonexistent/ostraval-ctl"}, "failed",
     {"msg": "ctl: /nonexistent/ostraval-ctl is not an executable file"}),
    ("A tool name not on the PATH is named",
     {"profile": {"detection_range": 30}, "ctl": "ostraval-ctl-not-installed"}, "failed",
     {"msg~": "ostraval-ctl-not-installed"}),
    ("Keystrokes by name and by code, with modifiers, one line each",
     {"profile": {"idle": {"rate": 3, "key": {"name": "SCRLLOCK"}},
                  "walk_up": {"keys": [None, {"code": 200, "mods": ["right-alt", "left-shift"]}]}}}, "changed",
     {"diff": ["-idle.key: none", "+idle.key: SCRLLOCK", "-idle.rate: 0", "+idle.rate: 3",
               "-walk_up.keys[1]: none", "+walk_up.keys[1]: left-shift+right-alt+code 200"]}),
    ("A profile as export writes it, with its header and schema, holding the stored values",
     {"profile": {"$schema": "https://example.org/ostraval-profile.schema.json", "format": "ostraval-profile",
                  "version": 1, "detection_range": 36, "leds": {"in_range": True}}}, "ok",
     {"diff": []}),
    ("A profile over 1 MiB is refused with the tool's own message and status",
     {"profile": {"$schema": "x" * (1 << 20)}}, "failed",
     {"msg": "standard input: larger than 1048576 bytes: not a profile", "rc": 2}),
    # As templating makes them: walk_away_delay: "{{ delay | int }}" gives a text.
    ("Whole numbers given as texts are numbers; a key named by a digit stays a name",
     {"profile": {"version": "1", "walk_away_delay": "10", "walk_away": {"keys": [{"name": "1"}]}}}, "changed",
     {"diff": ["-walk_away_delay: 5", "+walk_away_delay: 10", "-walk_away.keys[0]: none", "+walk_away.keys[0]: 1"]}),
    ("A text that is no whole number is refused as before",
     {"profile": {"walk_away_delay": "10.5"}}, "failed",
     {"rc": 2, "problems": ["walk_away_delay"]}),
]


def factory_playbook(fleet):
    """The reading and the reset on the factory desks, then the cases on their own desk."""
    ctl = {"ctl": "{{ ostraval_ctl }}"}
    reset = dict(ctl, state="factory")
    plays = [
        {"name": "Read and reset the sensors", "hosts": "factory", "gather_facts": False,
         "environment": "{{ ostraval_environment }}",
         "tasks": [{"name": READ, "zelvora.ostraval.sensor_info": ctl},
                   {"name": KEEP, "zelvora.ostraval.sensor_profile": dict(ctl, profile={"walk_up_delay": 2})},
                   {"name": RESET, "zelvora.ostraval.sensor_profile": reset},
                   {"name": RESET_AGAIN, "zelvora.ostraval.sensor_profile": reset}]},
        {"name": "Single cases", "hosts": "cases", "gather_facts": False,
         "environment": "{{ ostraval_environment }}",
         "tasks": [{"name": name, "zelvora.ostraval.sensor_profile": dict(ctl, **arguments), "ignore_errors": True}
                   for name, arguments, _, _ in CASES]},
    ]
    path = os.path.join(fleet.work, "factory.yml")
    with open(path, "w") as playbook:
        json.dump(plays, playbook, indent=2)
    return path


def check_read(play, desk, shown_human, exported):
    entry = play.result(desk.name, READ)
    play.expect("%s: reading" % desk.name, entry["status"], "ok")
    result = entry["result"]
    play.expect("%s: profile read (as ostraval-ctl export shows it)" % desk.name, result["profile"], exported)
    firmware = re.search(r"^Firmware version:\s+(\S+)$", shown_human, re.M)
    play.expect("%s: firmware (as ostraval-ctl show prints it)" % desk.name, result["firmware"],
                firmware.group(1) if firmware else None)
    play.expect("%s: measured range" % desk.name, result["range"].get("range"), 30)


def check_cases(play):
    for name, _, status, expected in CASES:
        entry = play.result("desk-cases", name)
        result = entry["result"]
        play.expect("%s: status" % name, entry["status"], status)
        if "msg" in expected:
            play.expect("%s: message" % name, result.get("msg"), expected["msg"])
        if "msg~" in expected:
            play.check(expected["msg~"] in result.get("msg", ""), "%s: message %r does not name %r"
                       % (name, result.get("msg"), expected["msg~"]))
        if "rc" in expected:
            play.expect("%s: exit status" % name, result.get("rc"), expected["rc"])
        if "problems" in expected:
            play.expect("%s: problems" % name, [p["path"] for p in result.get("problems", [])], expected["problems"])
        if "diff" in expected:
            play.expect("%s: changed lines of the diff" % name, changed_lines(result["diff"]), sorted(expected["diff"]))


def test_factory_and_reading(fleet):
    desks = []
    for name, setup, env, in_check, in_real, again in FACTORY_DESKS:
        desks.append((fleet.add(name, setup, env, groups=("factory",)), in_check, in_real, again))
    cases = fleet.add("desk-cases", groups=("cases",))
    playbook = factory_playbook(fleet)
    stored = dict((desk.name, desk.stored()) for desk, _, _, _ in desks)
    shown = dict((desk.name, desk.tool(["show"]).stdout) for desk, _, _, _ in desks)
    # What each sensor holds before the runs, as the reading must return it.
    exported = dict((desk.name, desk.export()) for desk, in_check, _, _ in desks if in_check)

    checked = fleet.play(playbook, "--check", "--diff")
    for desk, in_check, _, _ in desks:
        checked.expect("%s: calls sent in check mode" % desk.name, desk.sent_calls(), [])
        checked.expect("%s: state file after check mode" % desk.name, desk.stored(), stored[desk.name])
        if in_check is None:
            check_failure(checked, desk, READ, ["show"])
            continue
        check_read(checked, desk, shown[desk.name], exported[desk.name])
        checked.expect("%s: %s in check mode" % (desk.name, KEEP), checked.result(desk.name, KEEP)["status"], "ok")
        for task in (RESET, RESET_AGAIN):
            checked.expect("%s: %s in check mode" % (desk.name, task), checked.result(desk.name, task)["status"],
                           in_check)
    custom = checked.result("desk-custom", RESET)["result"]
    checked.expect("desk-custom: changed lines of the reset's diff", changed_lines(custom["diff"]),
                   sorted(["-detection_range: 50", "+detection_range: 36", "-idle.key: right-alt+END",
                           "+idle.key: none", "-leds.in_range: false", "+leds.in_range: true",
                           "-walk_away.key_count: 2", "+walk_away.key_count: 0"]))
    for task in (READ, KEEP):
        warnings = checked.result("desk-custom", task)["result"].get("warnings", [])
        checked.check(any("key count 2" in warning for warning in warnings),
                      "desk-custom: %s: the tool's warning of the key count it leaves is not the task's: %r"
                      % (task, warnings))
        checked.check(not checked.result("desk-factory", task)["result"].get("warnings"),
                      "desk-factory: %s: warnings of a sensor that holds no value out of bounds" % task)
    checked.expect("desk-cases: calls sent in check mode", cases.sent_calls(), [])
    check_cases(checked)

    applied = fleet.play(playbook, "--diff")
    for desk, _, in_real, again in desks:
        if in_real is None:
            check_failure(applied, desk, READ, ["show"])
            continue
        check_read(applied, desk, shown[desk.name], exported[desk.name])
        applied.expect("%s: %s" % (desk.name, KEEP), applied.result(desk.name, KEEP)["status"], "ok")
        applied.expect("%s: reset" % desk.name, applied.result(desk.name, RESET)["status"], in_real)
        if in_real == "failed":
            applied.expect("%s: state file after a failed reset" % desk.name, desk.stored(), stored[desk.name])
            check_failure(applied, desk, RESET, ["reset", "--yes"])
            continue
        applied.expect("%s: reset again" % desk.name, applied.result(desk.name, RESET_AGAIN)["status"], again)
        applied.expect("%s: holds the factory configuration" % desk.name,
                       json.loads(desk.tool(["reset", "--check", "--json"]).stdout)["changed"], False)
        applied.expect("%s: resets sent" % desk.name, desk.sent_calls().count("ResetFactoryDflts"),
                       1 if in_real == "changed" else 0)
    check_cases(applied)


# --- Answers the real tool never gives ------------------------------------------

FAKE_CTL = os.path.join(HERE, "fake_ctl.py")
FAKE_PROFILE = {"format": "ostraval-profile", "version": 1, "walk_away_delay": 5}
FAKE_CHANGE = {"changed": True, "check": False, "changes": [{"path": "walk_away_delay", "before": 5, "after": 10}],
               "before": FAKE_PROFILE, "after": dict(FAKE_PROFILE, walk_away_delay=10), "warnings": []}
FAKE_APPLY = ("sensor_profile", {"profile": {"walk_away_delay": 10}})
FAKE_READ = ("sensor_info", {})


def fake(version=None, answer=None, status=None):
    """The fake tool's settings: its --version answer, its answer to the command and its status."""
    settings = {"OSTRAVAL_FAKE_VERSION": version, "OSTRAVAL_FAKE_STATUS": status,
                "OSTRAVAL_FAKE_ANSWER": answer if answer is None or isinstance(answer, str) else json.dumps(answer)}
    return dict((name, value) for name, value in settings.items() if value is not None)


# A tool that answers wrongly fails the task with a message naming the tool,
# the command and what was wrong; a change it said it committed stays a change.
WRONG_ANSWERS = [
    # name, (module, arguments), the fake's settings, the message after the tool's path, changed
    ("The previous release, which states no interface", FAKE_APPLY, fake(version="ostraval-ctl 1.1.0\n"),
     '--version --json: states no JSON interface (status 0: "ostraval-ctl 1.1.0"); these modules read interface 2', False),
    ("An older interface", FAKE_APPLY, fake(version='{"version": "1.1.0", "interface": 1}'),
     "--version --json: the tool (release 1.1.0) answers in JSON interface 1; these modules read interface 2", False),
    ("An unknown interface", FAKE_READ, fake(version='{"version": "9.0.0", "interface": 3}'),
     "--version --json: the tool (release 9.0.0) answers in JSON interface 3; these modules read interface 2", False),
    ("An empty answer", FAKE_APPLY, fake(answer={}), 'import - --json: the answer has no "changed"', False),
    ("An error that is a text", FAKE_APPLY, fake(answer={"error": "boom"}, status="3"),
     'import - --json: the answer\'s "error" is not an object: "boom"', False),
    ("Changes that are a number, after a commit", FAKE_APPLY, fake(answer=dict(FAKE_CHANGE, changes=5)),
     'import - --json: the answer\'s "changes" is not a list of changes, each with its path, before and after: 5', True),
    ("Changed as a text", FAKE_APPLY, fake(answer=dict(FAKE_CHANGE, changed="false")),
     'import - --json: the answer\'s "changed" is not true or false: "false"', False),
    ("Older change objects, without after, after a commit", FAKE_APPLY,
     fake(answer=dict(FAKE_CHANGE, changes=[{"path": "walk_away_delay", "before": 5}])),
     'import - --json: the answer\'s "changes" is not a list of changes, each with its path, before and after: '
     '[{"before": 5, "path": "walk_away_delay"}]', True),
    ("A reading without its profile", FAKE_READ,
     fake(answer={"firmware": "01.10", "range": {"range": 30}, "warnings": []}),
     'show --json: the answer holds no profile (no "format" and "version")', False),
    ("A reading for people, not JSON", FAKE_READ, fake(answer="Firmware version: 01.10\n"),
     "show --json: ended with status 0 without an answer in JSON", False),
]
# The warning in the answer becomes the task's; the one only on standard error does not.
FAKE_WARNING = "walk_up.key_count: the sensor holds 9"
WARNED = ("Warnings come from the answer", FAKE_APPLY, fake(answer=dict(FAKE_CHANGE, warnings=[FAKE_WARNING])))


def wrong_answers_playbook(fleet):
    """Every case as one task on its own fake tool, with a log of its runs, in a desk locale
    that the tool must not see."""
    tasks = []
    for number, (name, (module, arguments), settings) in enumerate(
            [case[:3] for case in WRONG_ANSWERS] + [WARNED]):
        env = dict(settings, OSTRAVAL_FAKE_LOG=os.path.join(fleet.work, "fake-%d.log" % number),
                   LC_ALL="de_DE.UTF-8", LANGUAGE="de")
        tasks.append({"name": name, "zelvora.ostraval." + module: dict(arguments, ctl=FAKE_CTL),
                      "environment": env, "ignore_errors": True})
    path = os.path.join(fleet.work, "wrong-answers.yml")
    with open(path, "w") as playbook:
        json.dump([{"name": "Tools that answer wrongly", "hosts": "fakes", "gather_facts": False, "tasks": tasks}],
                  playbook, indent=2)
    return path


def fake_runs(fleet, number):
    with open(os.path.join(fleet.work, "fake-%d.log" % number)) as log:
        return [json.loads(line) for line in log]


def test_wrong_answers(fleet):
    fleet.add("desk-fakes", groups=("fakes",))
    play = fleet.play(wrong_answers_playbook(fleet))
    for number, (name, _, _, message, changed) in enumerate(WRONG_ANSWERS):
        entry = play.result("desk-fakes", name)
        play.expect("%s: status" % name, entry["status"], "failed")
        play.check("Traceback" not in json.dumps(entry["result"]), "%s: a traceback: %r" % (name, entry["result"]))
        play.expect("%s: message" % name, entry["result"].get("msg"), "%s %s" % (FAKE_CTL, message))
        play.expect("%s: changed" % name, entry["result"].get("changed"), changed)
        if message.startswith("--version"):  # refused before anything is sent
            play.expect("%s: runs of the tool" % name, [run["arguments"] for run in fake_runs(fleet, number)],
                        [["--version", "--json"]])
    warned = play.result("desk-fakes", WARNED[0])
    play.expect("%s: status" % WARNED[0], warned["status"], "changed")
    play.expect("%s: warnings" % WARNED[0], warned["result"].get("warnings"), [FAKE_WARNING])
    for run in fake_runs(fleet, len(WRONG_ANSWERS)):
        play.expect("the tool's locale", (run["LC_ALL"], run["LANGUAGE"]), ("C.UTF-8", ""))


# Presets, on a desk of their own: each task's status and the lines its diff
# changes, in check mode (each task sees the fresh sensor) and in a real run
# (each sees what the one before it left).
MATE_KEYS = ["-walk_away.keys[0]: none", "+walk_away.keys[0]: left-ctrl+left-alt+l",
             "-walk_up.keys[0]: none", "+walk_up.keys[0]: left-ctrl+NONE"]
PRESET_TASKS = [
    # name, module arguments, (status, diff lines or message) in check mode, the same in a real run
    ("A desktop's preset sets the keys and nothing else", {"preset": "mate"},
     ("changed", MATE_KEYS), ("changed", MATE_KEYS)),
    ("A preset with a profile: the profile's keys replaced by the preset's",
     {"preset": "gnome", "profile": {"walk_away_delay": 10, "walk_away": {"keys": [{"name": "a"}]}}},
     ("changed", ["-walk_away.keys[0]: none", "+walk_away.keys[0]: left-gui+l", "-walk_up.keys[0]: none",
                  "+walk_up.keys[0]: left-ctrl+NONE", "-walk_away_delay: 5", "+walk_away_delay: 10"]),
     ("changed", ["-walk_away.keys[0]: left-ctrl+left-alt+l", "+walk_away.keys[0]: left-gui+l",
                  "-walk_away_delay: 5", "+walk_away_delay: 10"])),
    ("An unknown preset is refused", {"preset": "no-such-desktop"},
     ("failed", 'there is no preset "no-such-desktop"'), ("failed", 'there is no preset "no-such-desktop"')),
    ("A preset does not go with the factory state", {"preset": "gnome", "state": "factory"},
     ("failed", "preset goes with state=present"), ("failed", "preset goes with state=present")),
]


def test_presets(fleet):
    desk = fleet.add("desk-presets", groups=("presets",))
    tasks = [{"name": name, "zelvora.ostraval.sensor_profile": dict(arguments, ctl="{{ ostraval_ctl }}"),
              "ignore_errors": True} for name, arguments, _, _ in PRESET_TASKS]
    path = os.path.join(fleet.work, "presets.yml")
    with open(path, "w") as playbook:
        json.dump([{"name": "Presets", "hosts": "presets", "gather_facts": False,
                    "environment": "{{ ostraval_environment }}", "tasks": tasks}], playbook, indent=2)
    stored = desk.stored()
    for options, column in ((["--check", "--diff"], 2), (["--diff"], 3)):
        play = fleet.play(path, *options)
        if column == 2:
            play.expect("desk-presets: calls sent in check mode", desk.sent_calls(), [])
            play.expect("desk-presets: state file after check mode", desk.stored(), stored)
        for task in PRESET_TASKS:
            name, (status, expected) = task[0], task[column]
            entry = play.result(desk.name, name)
            play.expect("%s: status" % name, entry["status"], status)
            result = entry["result"]
            if status == "failed":
                play.check(expected in result.get("msg", ""), "%s: message %r does not name %r"
                           % (name, result.get("msg"), expected))
                continue
            play.expect("%s: changed lines of the diff" % name, changed_lines(result["diff"]), sorted(expected))
            play.expect("%s: the preset's name" % name, result["preset"]["name"], task[1]["preset"])
    play.expect("desk-presets: the sensor holds what the last task returned", desk.export(),
                play.result(desk.name, PRESET_TASKS[1][0])["result"]["profile"])


# --- Checks of the collection's source ------------------------------------------

MODULES = {
    "sensor_profile": {"options": ["ctl", "preset", "profile", "state"],
                       "returns": ["changed", "changes", "preset", "profile", "msg", "rc"], "diff_mode": "full"},
    "sensor_info": {"options": ["ctl"], "returns": ["firmware", "msg", "profile", "range", "rc"],
                    "diff_mode": "none"},
}

# Sanity tests that ansible-test runs in a virtual environment it fills from
# the Python package index; offline they cannot run. validate-modules and
# pep8 are run here directly instead, with Debian's voluptuous and pycodestyle.
NEEDS_PACKAGE_INDEX = ["ansible-doc", "import", "pep8", "pylint", "runtime-metadata", "validate-modules", "yamllint"]
SANITY_TOOLS = "/usr/lib/python3/dist-packages/ansible_test/_util/controller/sanity"


def test_documentation(env):
    names = ["zelvora.ostraval." + module for module in MODULES]
    shown = run(["ansible-doc"] + names, env)
    expect("ansible-doc status (%s)" % shown.stderr.strip(), shown.returncode, 0)
    docs = run(["ansible-doc", "--json"] + names, env)
    expect("ansible-doc --json status (%s)" % docs.stderr.strip(), docs.returncode, 0)
    for module, wanted in MODULES.items():
        doc = json.loads(docs.stdout)["zelvora.ostraval." + module]
        expect(module + ": options", sorted(doc["doc"]["options"]), wanted["options"])
        expect(module + ": return values", sorted(set(wanted["returns"]) & set(doc["return"])),
               sorted(wanted["returns"]))
        expect(module + ": check mode support", doc["doc"]["attributes"]["check_mode"]["support"], "full")
        expect(module + ": diff mode support", doc["doc"]["attributes"]["diff_mode"]["support"], wanted["diff_mode"])
        check(doc["examples"].count("zelvora.ostraval." + module + ":") >= 2, module + ": too few examples")
        for option in wanted["options"]:
            check(re.search(r"^- " + option + "$", shown.stdout, re.M), module + ": ansible-doc shows no " + option)


def test_lint(env, source):
    example = os.path.join(source, "examples", "ansible")
    result = run(["ansible-lint", "--offline", "--nocolor", "apply-profile.yml", "inventory.example.yml"], env,
                 cwd=example)
    expect("ansible-lint status:\n" + result.stdout + result.stderr, result.returncode, 0)
    # A module it cannot load it does not check the arguments of, and only warns.
    check("Unable to" not in result.stdout + result.stderr, "ansible-lint cannot load the modules:\n" +
          result.stdout + result.stderr)


def test_sanity(env, collection, work):
    tree = os.path.join(work, "sanity", "ansible_collections", "zelvora", "ostraval")
    shutil.copytree(os.path.join(collection.source, "collection"), tree)
    skips = [word for test in NEEDS_PACKAGE_INDEX for word in ("--skip-test", test)]
    sanity = run(["ansible-test", "sanity", "--python", "3.11", "--color", "no"] + skips, env, cwd=tree)
    expect("ansible-test sanity:\n" + sanity.stdout + sanity.stderr, sanity.returncode, 0)
    ran = re.findall(r'Running sanity test "([^"]+)"', sanity.stdout + sanity.stderr)
    check("compile" in ran, "ansible-test ran no compile test:\n" + sanity.stdout + sanity.stderr)
    print("ansible-test sanity ran: " + ", ".join(ran))

    modules = sorted(os.path.join("plugins", "modules", name + ".py") for name in MODULES)
    # "--arg" (argparse's unambiguous short form of validate-modules' option)
    # also checks each module's options against its documentation.
    validate = run([PYTHON, os.path.join(SANITY_TOOLS, "validate-modules", "validate.py"), "--format", "json",
                    "--arg", "--collection", "ansible_collections/zelvora/ostraval",
                    "--collection-version", "1.1.1"] + modules,
                   dict(env, ANSIBLE_COLLECTIONS_PATH=os.path.join(work, "sanity")), cwd=tree)
    check(validate.stdout.strip() or validate.returncode == 0, "validate-modules failed:\n" + validate.stderr)
    with open(os.path.join(tree, "tests", "sanity", "ignore-2.14.txt")) as ignores:
        ignored = set(tuple(line.split("#")[0].split()) for line in ignores if line.strip())
    found = json.loads(validate.stdout) if validate.stdout.strip() else {}
    errors = ["%s: %s: %s" % (path, error["code"], error["msg"]) for path, report in found.items()
              for error in report["errors"] if (path, "validate-modules:" + error["code"]) not in ignored]
    expect("validate-modules errors", errors, [])

    with open(os.path.join(SANITY_TOOLS, "pep8", "current-ignore.txt")) as ignores:
        pep8_ignores = ",".join(line.strip() for line in ignores if line.strip())
    pep8 = run(["pycodestyle", "--max-line-length", "160", "--ignore", pep8_ignores, "plugins"], env, cwd=tree)
    expect("pycodestyle:\n" + pep8.stdout + pep8.stderr, pep8.returncode, 0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ctl", required=True)
    parser.add_argument("--source", required=True, help="the repository's top folder")
    parser.add_argument("--part", choices=["playbooks", "checks"], required=True)
    args = parser.parse_args()
    tools = {"playbooks": ["ansible-playbook", "ansible-galaxy"],
             "checks": ["ansible-galaxy", "ansible-doc", "ansible-lint", "ansible-test", "pycodestyle"]}[args.part]
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        print("not installed: " + ", ".join(missing))
        return 77

    with tempfile.TemporaryDirectory() as work:
        try:
            collection = Collection(args.source, work)
            if args.part == "playbooks":
                fleet = Fleet(os.path.abspath(args.ctl), collection, work)
                test_example(fleet, args.source)
                test_factory_and_reading(fleet)
                test_wrong_answers(fleet)
                test_presets(fleet)
            else:
                env = collection.env(work)
                test_documentation(env)
                test_lint(env, args.source)
                test_sanity(env, collection, work)
        except Failed as failure:
            print("FAIL: %s" % failure)
            return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
